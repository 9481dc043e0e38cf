#include "graphs/draw/EmfPicture.h"

#include <cmath>

#include "graphs/draw/DibBitmap.h"
#include "graphs/draw/GdiPlayer.h"
#include "graphs/draw/MetafileFields.h"
#include "graphs/draw/MetafileDrawing.h"

namespace vantorel {

namespace {

constexpr uint32_t EmfSignature = 0x464d4520;

QRectF Box(const MetafileBytes& p, size_t at) {
    return QRectF(QPointF(p.I32(at), p.I32(at + 4)), QPointF(p.I32(at + 8), p.I32(at + 12)));
}

QPointF Point(const MetafileBytes& p, size_t at) { return QPointF(p.I32(at), p.I32(at + 4)); }

QSizeF Size(const MetafileBytes& p, size_t at) { return QSizeF(p.I32(at), p.I32(at + 4)); }

// Counts of points, then the points of all figures.
std::vector<QPolygonF> Figures(const MetafileBytes& p, bool short_points) {
    const size_t figures = p.U32(16);
    const size_t total = p.U32(20);
    if (figures > p.Size() / 4) throw MetafileDamaged("a record is cut short");
    const QPolygonF points = ReadPoints(p, 24 + 4 * figures, total, short_points);
    std::vector<QPolygonF> result;
    qsizetype at = 0;
    for (size_t i = 0; i < figures; ++i) {
        const size_t count = p.U32(24 + 4 * i);
        if (count > static_cast<size_t>(points.size() - at)) throw MetafileDamaged("a figure has more points than its record");
        result.push_back(points.mid(at, static_cast<qsizetype>(count)));
        at += static_cast<qsizetype>(count);
    }
    return result;
}

QTransform Transform(const MetafileBytes& p, size_t at) {
    return QTransform(p.F32(at), p.F32(at + 4), p.F32(at + 8), p.F32(at + 12), p.F32(at + 16), p.F32(at + 20));
}

// A region as rectangles in device units, after a header of its own length.
QPainterPath Region(const MetafileBytes& data) {
    const size_t header = data.U32(0);
    const size_t count = data.U32(8);
    if (count > data.Size() / 16) throw MetafileDamaged("a region is cut short");
    QPainterPath area;
    area.setFillRule(Qt::WindingFill);
    for (size_t i = 0; i < count; ++i) area.addRect(Box(data, header + 16 * i).normalized());
    return area;
}

// A part of the record given by offset and length from the record's start; the parameters
// begin 8 bytes in.
MetafileBytes Piece(const MetafileBytes& p, uint32_t offset, uint32_t length) {
    if (offset < 8) throw MetafileDamaged("a record points before itself");
    return p.Part(offset - size_t{8}, length);
}

QImage Bitmap(const MetafileBytes& p, size_t fields, uint32_t usage) {
    const uint32_t info_offset = p.U32(fields), info_length = p.U32(fields + 4);
    const uint32_t pixels_offset = p.U32(fields + 8), pixels_length = p.U32(fields + 12);
    // Colours that index a palette cannot be decoded without it.
    if (info_length == 0 || usage != 0) return {};
    return DecodeDib(Piece(p, info_offset, info_length), Piece(p, pixels_offset, pixels_length));
}

GdiFont Font(const MetafileBytes& p) {
    GdiFont font = ReadLogFont(p, 4, false);
    for (size_t i = 0; i < 32; ++i) {
        const char16_t c = p.U16(32 + 2 * i);
        if (c == 0) break;
        font.Face += QChar(c);
    }
    return font;
}

void DrawText(GdiPlayer& player, const MetafileBytes& p, bool wide) {
    const size_t text = 28;
    const QPointF reference = Point(p, text);
    const size_t count = p.U32(text + 8);
    const uint32_t string_offset = p.U32(text + 12);
    const uint32_t options = p.U32(text + 16);
    std::optional<QRectF> box;
    size_t dx_field = text + 20;
    if ((options & 0x100) == 0) {
        box = Box(p, text + 20);
        dx_field += 16;
    }
    if (count > p.Size()) throw MetafileDamaged("a text runs past its record");
    const MetafileBytes chars = Piece(p, string_offset, static_cast<uint32_t>(count * (wide ? 2 : 1)));
    QString shown;
    if (wide) {
        for (size_t i = 0; i < count; ++i) shown += QChar(chars.U16(2 * i));
    } else {
        shown = AnsiText(chars.Data(), count);
    }
    std::vector<double> dx;
    const uint32_t dx_offset = p.U32(dx_field);
    // With ETO_PDY each character has a vertical advance after the horizontal one.
    const size_t step = (options & 0x2000) != 0 ? 8 : 4;
    if (dx_offset >= 8 && p.Holds(dx_offset - size_t{8}, count * step)) {
        for (size_t i = 0; i < count; ++i) dx.push_back(p.I32(dx_offset - size_t{8} + i * step));
    }
    player.Text(reference, shown, dx, options, box);
}

GdiPen ExtendedPen(const MetafileBytes& p) {
    GdiPen pen;
    pen.Style = p.U32(20);
    // A cosmetic pen is one pixel wide whatever its width says.
    pen.Width = (pen.Style & 0xf0000) == 0 ? 0 : p.U32(24);
    if (p.U32(28) == 1) pen.Style = (pen.Style & ~0xfu) | 5;
    pen.Colour = ColourRef(p.U32(32));
    return pen;
}

void PlayRecord(GdiPlayer& player, uint32_t type, const MetafileBytes& p) {
    switch (type) {
        case 2: case 85: player.PolyBezier(ReadPoints(p, 20, p.U32(16), type == 85)); break;
        case 3: case 86: player.Polygon(ReadPoints(p, 20, p.U32(16), type == 86)); break;
        case 4: case 87: player.Polyline(ReadPoints(p, 20, p.U32(16), type == 87)); break;
        case 5: case 88: player.PolyBezierTo(ReadPoints(p, 20, p.U32(16), type == 88)); break;
        case 6: case 89: player.PolylineTo(ReadPoints(p, 20, p.U32(16), type == 89)); break;
        case 7: case 90: player.PolyPolyline(Figures(p, type == 90)); break;
        case 8: case 91: player.PolyPolygon(Figures(p, type == 91)); break;
        case 9: player.SetWindowExt(Size(p, 0)); break;
        case 10: player.SetWindowOrg(Point(p, 0)); break;
        case 11: player.SetViewportExt(Size(p, 0)); break;
        case 12: player.SetViewportOrg(Point(p, 0)); break;
        case 15: player.SetPixel(Point(p, 0), ColourRef(p.U32(8))); break;
        case 17: player.SetMapMode(p.U32(0)); break;
        case 18: player.SetBackgroundMode(p.U32(0)); break;
        case 19: player.SetPolyFillMode(p.U32(0)); break;
        case 22: player.SetTextAlign(p.U32(0)); break;
        case 24: player.SetTextColour(ColourRef(p.U32(0))); break;
        case 25: player.SetBackgroundColour(ColourRef(p.U32(0))); break;
        case 27: player.MoveTo(Point(p, 0)); break;
        case 29: player.ExcludeClipRect(Box(p, 0)); break;
        case 30: player.IntersectClipRect(Box(p, 0)); break;
        case 31: player.ScaleViewportExt(p.I32(0), p.I32(4), p.I32(8), p.I32(12)); break;
        case 32: player.ScaleWindowExt(p.I32(0), p.I32(4), p.I32(8), p.I32(12)); break;
        case 33: player.SaveDc(); break;
        case 34: player.RestoreDc(p.I32(0)); break;
        case 35: player.ModifyWorldTransform(Transform(p, 0), 4); break;
        case 36: player.ModifyWorldTransform(Transform(p, 0), p.U32(24)); break;
        case 37: player.SelectObject(p.U32(0)); break;
        case 38: {
            GdiPen pen;
            pen.Style = p.U32(4);
            pen.Width = p.I32(8);
            pen.Colour = ColourRef(p.U32(16));
            player.CreateObject(p.U32(0), pen);
            break;
        }
        case 39: {
            GdiBrush brush;
            brush.Style = p.U32(4);
            brush.Colour = ColourRef(p.U32(8));
            brush.Hatch = p.U32(12);
            player.CreateObject(p.U32(0), brush);
            break;
        }
        case 93: case 94: {
            GdiBrush brush;
            brush.Style = 5;
            brush.Colour = Qt::gray;
            brush.Pattern = Bitmap(p, 8, p.U32(4));
            player.CreateObject(p.U32(0), brush);
            break;
        }
        case 95: player.CreateObject(p.U32(0), ExtendedPen(p)); break;
        case 82: player.CreateObject(p.U32(0), Font(p)); break;
        case 40: player.DeleteObject(p.U32(0)); break;
        case 42: player.Ellipse(Box(p, 0)); break;
        case 43: player.Rectangle(Box(p, 0)); break;
        case 44: player.RoundRect(Box(p, 0), Size(p, 16)); break;
        case 45: player.Arc(GdiPlayer::ArcKind::Arc, Box(p, 0), Point(p, 16), Point(p, 24)); break;
        case 46: player.Arc(GdiPlayer::ArcKind::Chord, Box(p, 0), Point(p, 16), Point(p, 24)); break;
        case 47: player.Arc(GdiPlayer::ArcKind::Pie, Box(p, 0), Point(p, 16), Point(p, 24)); break;
        case 54: player.LineTo(Point(p, 0)); break;
        case 57: player.SetArcDirection(p.U32(0)); break;
        case 59: player.BeginPath(); break;
        case 60: player.EndPath(); break;
        case 61: player.CloseFigure(); break;
        case 62: player.FillPath(); break;
        case 63: player.StrokeAndFillPath(); break;
        case 64: player.StrokePath(); break;
        case 67: player.SelectClipPath(p.U32(0)); break;
        case 68: player.AbortPath(); break;
        case 71: {
            const GdiObject* brush = player.Object(p.U32(20));
            if (brush != nullptr && std::holds_alternative<GdiBrush>(*brush)) {
                player.FillRegion(Region(p.Part(24, p.U32(16))), std::get<GdiBrush>(*brush));
            }
            break;
        }
        case 74: player.FillRegion(Region(p.Part(20, p.U32(16))), player.CurrentBrush()); break;
        case 75: {
            const uint32_t length = p.U32(0);
            player.CombineClipDevice(length == 0 ? std::nullopt : std::optional<QPainterPath>(Region(p.Part(8, length))),
                                     p.U32(4));
            break;
        }
        case 76:
        case 77: {
            const QRectF destination(Point(p, 16), Size(p, 24));
            const uint32_t rop = p.U32(32);
            if (p.U32(80) == 0) {
                player.PatBlt(destination, rop);
                break;
            }
            const QSizeF source_size = type == 77 ? Size(p, 92) : destination.size();
            player.StretchBitmap(destination, Bitmap(p, 76, p.U32(72)), QRectF(Point(p, 36), source_size), rop);
            break;
        }
        case 80:
        case 81: {
            const QImage bitmap = Bitmap(p, 40, p.U32(56));
            const QSizeF source_size = Size(p, 32);
            // The source's y counts from the bottom of a bitmap stored bottom up.
            const double source_top = static_cast<double>(bitmap.height()) - p.I32(28) - source_size.height();
            const QSizeF destination_size = type == 81 ? Size(p, 64) : source_size;
            player.StretchBitmap(QRectF(Point(p, 16), destination_size), bitmap,
                                 QRectF(QPointF(p.I32(24), source_top), source_size), type == 81 ? p.U32(60) : 0x00cc0020);
            break;
        }
        case 83: DrawText(player, p, false); break;
        case 84: DrawText(player, p, true); break;
        default: break;  // comments (and the drawing records of their extensions), palettes, colour management
    }
}

void PlayRecords(GdiPlayer& player, const MetafileBytes& file, double pixels_per_mm_x, double pixels_per_mm_y) {
    player.SetDevicePixelsPerMillimetre(pixels_per_mm_x, pixels_per_mm_y);
    size_t at = 0;
    while (at < file.Size()) {
        const uint32_t type = file.U32(at);
        const uint32_t size = file.U32(at + 4);
        if (size < 8 || size > file.Size() - at) throw MetafileDamaged("a record runs past the end of the file");
        if (type == 14) return;
        if (at > 0) PlayRecord(player, type, file.Part(at + 8, size - 8));
        at += size;
    }
}

}  // namespace

QImage RenderEmf(const MetafileBytes& file) {
    if (!file.Holds(0, 88) || file.U32(0) != 1 || file.U32(40) != EmfSignature || file.U32(4) < 88) {
        throw MetafileDamaged("it has no enhanced metafile header");
    }
    const size_t bytes = file.U32(48);
    if (bytes > file.Size()) throw MetafileDamaged("the file is shorter than its header says");
    const MetafileBytes records = file.Part(0, bytes);

    // The frame is in hundredths of a millimetre; the reference device tells its pixels per millimetre.
    const QRectF frame = QRectF(QPointF(file.I32(24), file.I32(28)), QPointF(file.I32(32), file.I32(36)));
    double pixels_per_mm_x = file.I32(72) / static_cast<double>(file.I32(80));
    double pixels_per_mm_y = file.I32(76) / static_cast<double>(file.I32(84));
    if (file.U32(4) >= 108 && file.I32(100) > 0 && file.I32(104) > 0) {
        pixels_per_mm_x = file.I32(72) * 1000.0 / file.I32(100);
        pixels_per_mm_y = file.I32(76) * 1000.0 / file.I32(104);
    }
    const bool reference_known = std::isfinite(pixels_per_mm_x) && std::isfinite(pixels_per_mm_y) &&
                                 pixels_per_mm_x > 0 && pixels_per_mm_y > 0;
    MetafilePlayback playback;
    if (frame.width() > 0 && frame.height() > 0 && reference_known) {
        playback.DeviceFrame = QRectF(QPointF(frame.left() * pixels_per_mm_x / 100, frame.top() * pixels_per_mm_y / 100),
                                      QPointF(frame.right() * pixels_per_mm_x / 100, frame.bottom() * pixels_per_mm_y / 100));
        playback.PictureSize = frame.size() * (96 / 2540.0);
    } else {
        // Without a frame, the bounds of the drawing in device pixels, both edges included.
        const QRectF bounds = QRectF(QPointF(file.I32(8), file.I32(12)), QPointF(file.I32(16) + 1.0, file.I32(20) + 1.0));
        if (bounds.width() > 0 && bounds.height() > 0) {
            playback.DeviceFrame = bounds;
            playback.PictureSize = bounds.size();
        }
    }
    if (!reference_known) pixels_per_mm_x = pixels_per_mm_y = 0;
    playback.Play = [&records, pixels_per_mm_x, pixels_per_mm_y](GdiPlayer& player) {
        PlayRecords(player, records, pixels_per_mm_x, pixels_per_mm_y);
    };
    return DrawMetafile(playback);
}

}  // namespace vantorel
