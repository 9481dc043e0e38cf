#include "graphs/draw/WmfPicture.h"

#include "graphs/draw/DibBitmap.h"
#include "graphs/draw/GdiPlayer.h"
#include "graphs/draw/MetafileDrawing.h"
#include "graphs/draw/MetafileFields.h"

namespace vantorel {

namespace {

constexpr uint32_t PlaceableKey = 0x9ac6cdd7;

// One record: its function and its parameters, which follow the six bytes of size and function.
struct WmfRecord {
    uint16_t Function;
    MetafileBytes Params;

    int16_t Word(size_t index) const { return Params.I16(2 * index); }
    // Coordinates are written y first.
    QPointF PointYX(size_t index) const { return QPointF(Word(index + 1), Word(index)); }
    // Positions with sizes are written height, width, y, x, ending at the word of x.
    QRectF Extent(size_t x_word) const { return QRectF(Word(x_word), Word(x_word - 1), Word(x_word - 2), Word(x_word - 3)); }
    // Rectangles are written bottom, right, top, left.
    QRectF Box(size_t index) const { return QRectF(QPointF(Word(index + 3), Word(index + 2)), QPointF(Word(index + 1), Word(index))); }
};

GdiFont Font(const MetafileBytes& p) {
    GdiFont font = ReadLogFont(p, 0, true);
    const size_t face_length = std::min<size_t>(32, p.Size() - 18);
    font.Face = AnsiText(p.Data() + 18, face_length);
    return font;
}

// A region: after its header a box and bands of scans, each with its top and bottom and pairs of
// left and right.
GdiRegion Region(const MetafileBytes& p, const QTransform& logical_to_device) {
    QPainterPath area;
    const int scans = p.I16(10);
    size_t at = 22;
    for (int scan = 0; scan < scans; ++scan) {
        const uint16_t count = p.U16(at);
        const double top = p.I16(at + 2), bottom = p.I16(at + 4);
        for (size_t i = 0; i + 1 < count; i += 2) {
            const double left = p.I16(at + 6 + 2 * i), right = p.I16(at + 8 + 2 * i);
            area.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
        }
        at += 8 + 2 * size_t{count};
    }
    if (scans == 0) area.addRect(QRectF(QPointF(p.I16(14), p.I16(16)), QPointF(p.I16(18), p.I16(20))));
    return {logical_to_device.map(area)};
}

void DrawText(GdiPlayer& player, const WmfRecord& r) {
    const MetafileBytes& p = r.Params;
    const QPointF reference = r.PointYX(0);
    const size_t length = p.U16(4);
    const uint16_t options = p.U16(6);
    size_t at = 8;
    std::optional<QRectF> box;
    if ((options & 0x6) != 0) {
        box = QRectF(QPointF(p.I16(8), p.I16(10)), QPointF(p.I16(12), p.I16(14)));
        at += 8;
    }
    if (!p.Holds(at, length)) throw MetafileDamaged("a text runs past its record");
    const QString text = AnsiText(p.Data() + at, length);
    at += length + length % 2;
    std::vector<double> dx;
    if (p.Holds(at, 2 * length)) {
        for (size_t i = 0; i < length; ++i) dx.push_back(p.I16(at + 2 * i));
    }
    player.Text(reference, text, dx, options, box);
}

// The bitmap records without a bitmap of their own fill with the brush.
bool HoldsBitmap(const WmfRecord& r, size_t record_words) { return record_words != (r.Function >> 8) + size_t{3}; }

void PlayRecord(GdiPlayer& player, const WmfRecord& r, size_t record_words) {
    const MetafileBytes& p = r.Params;
    switch (r.Function) {
        case 0x0201: player.SetBackgroundColour(ColourRef(p.U32(0))); break;
        case 0x0102: player.SetBackgroundMode(p.U16(0)); break;
        case 0x0106: player.SetPolyFillMode(p.U16(0)); break;
        case 0x0209: player.SetTextColour(ColourRef(p.U32(0))); break;
        case 0x012e: player.SetTextAlign(p.U16(0)); break;
        case 0x020b: player.SetWindowOrg(r.PointYX(0)); break;
        case 0x020c: player.SetWindowExt(QSizeF(r.Word(1), r.Word(0))); break;
        case 0x020f: player.OffsetWindowOrg(r.PointYX(0)); break;
        case 0x0410: player.ScaleWindowExt(r.Word(3), r.Word(2), r.Word(1), r.Word(0)); break;
        case 0x001e: player.SaveDc(); break;
        case 0x0127: player.RestoreDc(r.Word(0)); break;
        case 0x0214: player.MoveTo(r.PointYX(0)); break;
        case 0x0213: player.LineTo(r.PointYX(0)); break;
        case 0x0324: player.Polygon(ReadPoints(p, 2, p.U16(0), true)); break;
        case 0x0325: player.Polyline(ReadPoints(p, 2, p.U16(0), true)); break;
        case 0x0538: {
            const size_t count = p.U16(0);
            std::vector<QPolygonF> polygons;
            size_t at = 2 + 2 * count;
            for (size_t i = 0; i < count; ++i) {
                const size_t points = p.U16(2 + 2 * i);
                polygons.push_back(ReadPoints(p, at, points, true));
                at += 4 * points;
            }
            player.PolyPolygon(polygons);
            break;
        }
        case 0x041b: player.Rectangle(r.Box(0)); break;
        case 0x0418: player.Ellipse(r.Box(0)); break;
        case 0x061c: player.RoundRect(r.Box(2), QSizeF(r.Word(1), r.Word(0))); break;
        case 0x0817: player.Arc(GdiPlayer::ArcKind::Arc, r.Box(4), r.PointYX(2), r.PointYX(0)); break;
        case 0x081a: player.Arc(GdiPlayer::ArcKind::Pie, r.Box(4), r.PointYX(2), r.PointYX(0)); break;
        case 0x0830: player.Arc(GdiPlayer::ArcKind::Chord, r.Box(4), r.PointYX(2), r.PointYX(0)); break;
        case 0x041f: player.SetPixel(r.PointYX(2), ColourRef(p.U32(0))); break;
        case 0x061d: player.PatBlt(r.Extent(5), p.U32(0)); break;
        case 0x0416: player.IntersectClipRect(r.Box(0)); break;
        case 0x0415: player.ExcludeClipRect(r.Box(0)); break;
        case 0x0521: {
            const size_t length = p.U16(0);
            if (!p.Holds(2, length)) throw MetafileDamaged("a text runs past its record");
            const size_t after = 2 + length + length % 2;
            const QPointF reference(p.I16(after + 2), p.I16(after));
            player.Text(reference, AnsiText(p.Data() + 2, length), {}, 0, std::nullopt);
            break;
        }
        case 0x0a32: DrawText(player, r); break;
        case 0x02fa: {
            GdiPen pen;
            pen.Style = p.U16(0);
            pen.Width = p.I16(2);
            pen.Colour = ColourRef(p.U32(6));
            player.CreateObjectInFreeSlot(pen);
            break;
        }
        case 0x02fc: {
            GdiBrush brush;
            brush.Style = p.U16(0);
            brush.Colour = ColourRef(p.U32(2));
            brush.Hatch = p.U16(6);
            player.CreateObjectInFreeSlot(brush);
            break;
        }
        case 0x0142:
        case 0x01f9: {
            GdiBrush brush;
            brush.Style = 5;
            brush.Colour = Qt::gray;
            // An old device bitmap, or colours that index a palette, cannot be decoded here.
            if (r.Function == 0x0142 && p.U16(0) != 3 && p.U16(2) == 0) {
                brush.Pattern = DecodePackedDib(p.Part(4, p.Size() - 4));
            }
            player.CreateObjectInFreeSlot(brush);
            break;
        }
        case 0x02fb: player.CreateObjectInFreeSlot(Font(p)); break;
        case 0x06ff: player.CreateObjectInFreeSlot(Region(p, player.LogicalToDevice())); break;
        case 0x00f7: player.CreateObjectInFreeSlot(GdiUnusedObject()); break;
        case 0x012d:
        case 0x012c: player.SelectObject(p.U16(0)); break;
        case 0x01f0: player.DeleteObject(p.U16(0)); break;
        case 0x0228:
        case 0x012b: {
            const GdiObject* region = player.Object(p.U16(0));
            const GdiObject* brush = r.Function == 0x0228 ? player.Object(p.U16(2)) : nullptr;
            if (region == nullptr || !std::holds_alternative<GdiRegion>(*region)) break;
            const GdiBrush* fill = brush != nullptr ? std::get_if<GdiBrush>(brush) : &player.CurrentBrush();
            if (fill != nullptr) player.FillRegion(std::get<GdiRegion>(*region).Area, *fill);
            break;
        }
        case 0x0f43: {
            if (p.U16(4) != 0) break;
            player.StretchBitmap(r.Extent(10), DecodePackedDib(p.Part(22, p.Size() - 22)), r.Extent(6), p.U32(0));
            break;
        }
        case 0x0b41:
            if (!HoldsBitmap(r, record_words)) {
                player.PatBlt(r.Extent(10), p.U32(0));
            } else {
                player.StretchBitmap(r.Extent(9), DecodePackedDib(p.Part(20, p.Size() - 20)), r.Extent(5), p.U32(0));
            }
            break;
        case 0x0940:
            if (!HoldsBitmap(r, record_words)) {
                player.PatBlt(r.Extent(8), p.U32(0));
            } else {
                // The source has the size of the destination.
                const QRectF destination = r.Extent(7);
                player.StretchBitmap(destination, DecodePackedDib(p.Part(16, p.Size() - 16)),
                                     QRectF(QPointF(r.Word(3), r.Word(2)), destination.size()), p.U32(0));
            }
            break;
        default: break;  // palettes, escapes, raster operations: nothing a picture shows
    }
}

void PlayRecords(GdiPlayer& player, const MetafileBytes& records, const std::optional<QRectF>& box) {
    if (box) player.SetWmfViewport(*box);
    size_t at = 0;
    while (at < records.Size()) {
        const uint32_t words = records.U32(at);
        const uint16_t function = records.U16(at + 4);
        if (function == 0) return;
        if (words < 3 || words > (records.Size() - at) / 2) throw MetafileDamaged("a record runs past the end of the file");
        PlayRecord(player, WmfRecord{function, records.Part(at + 6, size_t{words} * 2 - 6)}, words);
        at += size_t{words} * 2;
    }
}

}  // namespace

QImage RenderWmf(const MetafileBytes& file) {
    size_t at = 0;
    MetafilePlayback playback;
    playback.Mapping = MetafileMapping::Window;
    if (file.Holds(0, 4) && file.U32(0) == PlaceableKey) {
        if (!file.Holds(0, 22)) throw MetafileDamaged("its placeable header is cut short");
        const QRectF bounds = QRectF(QPointF(file.I16(6), file.I16(8)), QPointF(file.I16(10), file.I16(12))).normalized();
        const uint16_t inch = file.U16(14);
        if (bounds.width() > 0 && bounds.height() > 0 && inch > 0) {
            playback.DeviceFrame = bounds;
            playback.PictureSize = bounds.size() * (96.0 / inch);
        }
        at = 22;
    }
    if (!file.Holds(at, 18) || (file.U16(at) != 1 && file.U16(at) != 2) || file.U16(at + 2) != 9) {
        throw MetafileDamaged("it has no metafile header");
    }
    const size_t words = file.U32(at + 6);
    if (words < 9 || words > (file.Size() - at) / 2) throw MetafileDamaged("the file is shorter than its header says");
    const MetafileBytes records = file.Part(at + 18, words * 2 - 18);
    playback.Play = [&records, box = playback.DeviceFrame](GdiPlayer& player) { PlayRecords(player, records, box); };
    return DrawMetafile(playback);
}

}  // namespace vantorel
