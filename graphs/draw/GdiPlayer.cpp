#include "graphs/draw/GdiPlayer.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantorel {

namespace {

// Object slots beyond this many are not kept (a .wmf numbers them with 16 bits).
constexpr size_t MaxObjects = 65536;
// Saved states beyond this many are not kept: a file that saves without end cannot exhaust memory.
constexpr size_t MaxSavedStates = 4096;
constexpr double MaxFontPixels = 2048;
constexpr double MaxPenPixels = 1e6;

bool Finite(QPointF point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

QPainterPath RectPath(const QRectF& box) {
    QPainterPath path;
    path.addRect(box);
    return path;
}

QPainterPath OpenPath(const QPolygonF& points) {
    QPainterPath path;
    if (points.isEmpty()) return path;
    path.moveTo(points.front());
    for (qsizetype i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    return path;
}

// Cubic pieces from the current point of the path: three points each, an incomplete piece left out.
void AddBeziers(QPainterPath& path, const QPolygonF& points, qsizetype first) {
    for (qsizetype i = first; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

Qt::BrushStyle HatchStyle(uint32_t hatch) {
    switch (hatch) {
        case 0: return Qt::HorPattern;
        case 1: return Qt::VerPattern;
        case 2: return Qt::FDiagPattern;
        case 3: return Qt::BDiagPattern;
        case 4: return Qt::CrossPattern;
        case 5: return Qt::DiagCrossPattern;
        default: return Qt::SolidPattern;
    }
}

GdiBrush StockBrush(int grey, uint32_t style = 0) {
    GdiBrush brush;
    brush.Style = style;
    brush.Colour = QColor(grey, grey, grey);
    return brush;
}

GdiPen StockPen(QColor colour, uint32_t style = 0) {
    GdiPen pen;
    pen.Style = style;
    pen.Colour = colour;
    return pen;
}

}  // namespace

GdiPlayer::GdiPlayer(MetafileMapping mapping, QPainter* painter) : mapping_(mapping), painter_(painter) {
    state_.Brush = StockBrush(255);
    if (painter_ != nullptr) {
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
}

void GdiPlayer::SetDevicePixelsPerMillimetre(double x, double y) {
    if (std::isfinite(x) && std::isfinite(y) && x > 0 && y > 0) {
        pixels_per_mm_x_ = x;
        pixels_per_mm_y_ = y;
    }
}

// A device context refuses an extent with a zero side; so does the player.
void GdiPlayer::SetWindowExt(QSizeF ext) {
    if (ext.width() == 0 || ext.height() == 0) return;
    state_.WindowExt = ext;
    state_.WindowSet = true;
}

void GdiPlayer::SetViewportExt(QSizeF ext) {
    if (ext.width() == 0 || ext.height() == 0) return;
    state_.ViewportExt = ext;
}

void GdiPlayer::ScaleWindowExt(double x_num, double x_denom, double y_num, double y_denom) {
    if (x_denom == 0 || y_denom == 0) return;
    SetWindowExt({state_.WindowExt.width() * x_num / x_denom, state_.WindowExt.height() * y_num / y_denom});
}

void GdiPlayer::ScaleViewportExt(double x_num, double x_denom, double y_num, double y_denom) {
    if (x_denom == 0 || y_denom == 0) return;
    SetViewportExt({state_.ViewportExt.width() * x_num / x_denom, state_.ViewportExt.height() * y_num / y_denom});
}

void GdiPlayer::ModifyWorldTransform(const QTransform& transform, uint32_t mode) {
    // A transform that is not finite or cannot be inverted would map everything onto nothing.
    const bool usable = std::isfinite(transform.m11()) && std::isfinite(transform.m12()) &&
                        std::isfinite(transform.m21()) && std::isfinite(transform.m22()) &&
                        std::isfinite(transform.dx()) && std::isfinite(transform.dy()) && transform.isInvertible();
    if (mode == 1) {
        state_.World = QTransform();
    } else if (!usable) {
        return;
    } else if (mode == 2) {
        state_.World = transform * state_.World;
    } else if (mode == 3) {
        state_.World = state_.World * transform;
    } else if (mode == 4) {
        state_.World = transform;
    }
}

QTransform GdiPlayer::LogicalToDevice() const {
    const State& s = state_;
    double sx = 1, sy = 1;
    QPointF viewport_org = s.ViewportOrg;
    if (mapping_ == MetafileMapping::Window) {
        if (wmf_viewport_ && s.WindowSet) {
            sx = wmf_viewport_->width() / s.WindowExt.width();
            sy = wmf_viewport_->height() / s.WindowExt.height();
            viewport_org = wmf_viewport_->topLeft();
        } else if (wmf_viewport_) {
            // Without a window the coordinates are those of the placeable header's box.
            return QTransform();
        } else {
            sx = s.WindowExt.width() < 0 ? -1 : 1;
            sy = s.WindowExt.height() < 0 ? -1 : 1;
            viewport_org = {};
        }
    } else {
        const auto fixed = [&](double mm_per_unit) {
            sx = mm_per_unit * pixels_per_mm_x_;
            sy = -mm_per_unit * pixels_per_mm_y_;
        };
        switch (s.MapMode) {
            case 2: fixed(0.1); break;
            case 3: fixed(0.01); break;
            case 4: fixed(0.254); break;
            case 5: fixed(0.0254); break;
            case 6: fixed(25.4 / 1440); break;
            case 7:
            case 8:
                sx = s.ViewportExt.width() / s.WindowExt.width();
                sy = s.ViewportExt.height() / s.WindowExt.height();
                if (s.MapMode == 7) {
                    const double scale = std::min(std::abs(sx), std::abs(sy));
                    sx = std::copysign(scale, sx);
                    sy = std::copysign(scale, sy);
                }
                break;
            default: break;
        }
    }
    const QTransform page(sx, 0, 0, sy, viewport_org.x() - s.WindowOrg.x() * sx, viewport_org.y() - s.WindowOrg.y() * sy);
    return mapping_ == MetafileMapping::DeviceContext ? s.World * page : page;
}

void GdiPlayer::SaveDc() {
    if (saved_.size() < MaxSavedStates) saved_.push_back(state_);
}

// Negative: counted back from the last state saved; positive: the n-th state saved.
void GdiPlayer::RestoreDc(int32_t which) {
    const int64_t count = static_cast<int64_t>(saved_.size());
    const int64_t index = which < 0 ? count + which : int64_t{which} - 1;
    if (which == 0 || index < 0 || index >= count) return;
    state_ = saved_[static_cast<size_t>(index)];
    saved_.resize(static_cast<size_t>(index));
    ApplyClip();
}

void GdiPlayer::CreateObject(uint32_t index, GdiObject object) {
    if (index >= MaxObjects) return;
    if (index >= objects_.size()) objects_.resize(index + size_t{1});
    objects_[index] = std::move(object);
}

void GdiPlayer::CreateObjectInFreeSlot(GdiObject object) {
    const auto free = std::find_if(objects_.begin(), objects_.end(),
                                   [](const GdiObject& slot) { return std::holds_alternative<std::monostate>(slot); });
    if (free != objects_.end()) {
        *free = std::move(object);
    } else if (objects_.size() < MaxObjects) {
        objects_.push_back(std::move(object));
    }
}

const GdiObject* GdiPlayer::Object(uint32_t index) const { return index < objects_.size() ? &objects_[index] : nullptr; }

void GdiPlayer::SelectObject(uint32_t index) {
    if ((index & 0x80000000u) != 0) {
        // The stock objects of an .emf.
        switch (index & 0x7fffffffu) {
            case 0: state_.Brush = StockBrush(255); break;
            case 1: state_.Brush = StockBrush(192); break;
            case 2: state_.Brush = StockBrush(128); break;
            case 3: state_.Brush = StockBrush(64); break;
            case 4: state_.Brush = StockBrush(0); break;
            case 5: state_.Brush = StockBrush(0, 1); break;
            case 6: state_.Pen = StockPen(Qt::white); break;
            case 7: state_.Pen = StockPen(Qt::black); break;
            case 8: state_.Pen = StockPen(Qt::black, 5); break;
            case 10: case 11: case 12: case 13: case 14: case 16: case 17: state_.Font = GdiFont(); break;
            default: break;
        }
        return;
    }
    const GdiObject* object = Object(index);
    if (object == nullptr) return;
    if (const auto* pen = std::get_if<GdiPen>(object)) state_.Pen = *pen;
    if (const auto* brush = std::get_if<GdiBrush>(object)) state_.Brush = *brush;
    if (const auto* font = std::get_if<GdiFont>(object)) state_.Font = *font;
    if (const auto* region = std::get_if<GdiRegion>(object)) CombineClipDevice(region->Area, 5);
}

void GdiPlayer::DeleteObject(uint32_t index) {
    if (index < objects_.size()) objects_[index] = std::monostate();
}

double GdiPlayer::PenWidth() const {
    if (state_.Pen.Width <= 0) return 1;
    const QTransform t = LogicalToPicture();
    const double width = state_.Pen.Width * std::sqrt(std::abs(t.determinant()));
    return std::isfinite(width) ? std::clamp(width, 1.0, MaxPenPixels) : 1.0;
}

QPen GdiPlayer::MakePen() const {
    const uint32_t style = state_.Pen.Style;
    Qt::PenStyle line = Qt::SolidLine;
    switch (style & 0xf) {
        case 1: line = Qt::DashLine; break;
        case 2: case 8: line = Qt::DotLine; break;
        case 3: line = Qt::DashDotLine; break;
        case 4: line = Qt::DashDotDotLine; break;
        case 5: return Qt::NoPen;
        default: break;
    }
    const uint32_t cap = style & 0xf00, join = style & 0xf000;
    return QPen(state_.Pen.Colour, PenWidth(), line,
                cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap,
                join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
}

QBrush GdiPlayer::MakeBrush(const GdiBrush& brush) const {
    switch (brush.Style) {
        case 1: return Qt::NoBrush;
        case 2: return QBrush(brush.Colour, HatchStyle(brush.Hatch));
        case 3: case 5: case 6:
            if (!brush.Pattern.isNull()) return QBrush(brush.Pattern);
            return QBrush(brush.Colour);
        default: return QBrush(brush.Colour);
    }
}

void GdiPlayer::Measure(const QRectF& picture_box) {
    const QRectF box = picture_box.normalized();
    if (!Finite(box.topLeft()) || !Finite(box.bottomRight())) return;
    extent_ = extent_.isNull() ? box : extent_.united(box);
}

QRectF GdiPlayer::PictureRect() const {
    return QRectF(0, 0, painter_->device()->width(), painter_->device()->height());
}

QRectF GdiPlayer::PictureLimit() const {
    const QRectF picture = PictureRect();
    const double margin = std::max(picture.width(), picture.height());
    return picture.adjusted(-margin, -margin, margin, margin);
}

// Shapes far outside the picture are cut to a margin around it first: the rasterizer works in
// fixed point, and a dashed line a billion pixels long would take forever.
void GdiPlayer::Paint(QPainterPath path, bool fill, bool stroke) {
    path.setFillRule(state_.WindingFill ? Qt::WindingFill : Qt::OddEvenFill);
    QPen pen = stroke ? MakePen() : QPen(Qt::NoPen);
    const QBrush brush = fill ? MakeBrush(state_.Brush) : QBrush(Qt::NoBrush);
    if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush) return;
    if (painter_ == nullptr) {
        const double margin = pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2;
        Measure(path.controlPointRect().adjusted(-margin, -margin, margin, margin));
        return;
    }
    const QRectF limit = PictureLimit();
    const QRectF bounds = path.controlPointRect();
    if (!Finite(bounds.topLeft()) || !Finite(bounds.bottomRight())) return;
    painter_->setBackgroundMode(state_.OpaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_->setBackground(state_.BackgroundColour);
    if (pen.style() != Qt::NoPen && pen.widthF() >= 2 * std::hypot(limit.width(), limit.height())) {
        // Every point of the picture lies under such a pen; stroking with it would take the
        // rasterizer ages, and its stroker fails on curves far narrower than the pen.
        painter_->fillRect(limit, pen.color());
        return;
    }
    if (limit.contains(bounds)) {
        painter_->setPen(pen);
        painter_->setBrush(brush);
        painter_->drawPath(path);
        return;
    }
    if (!limit.intersects(bounds.adjusted(-pen.widthF(), -pen.widthF(), pen.widthF(), pen.widthF()))) return;
    const QPainterPath limit_path = RectPath(limit);
    painter_->setPen(Qt::NoPen);
    if (brush.style() != Qt::NoBrush) {
        painter_->setBrush(brush);
        painter_->drawPath(path.intersected(limit_path));
    }
    if (pen.style() != Qt::NoPen) {
        pen.setStyle(Qt::SolidLine);
        QPainterPathStroker stroker(pen);
        painter_->setBrush(pen.color());
        painter_->drawPath(stroker.createStroke(path).intersected(limit_path));
    }
}

void GdiPlayer::PaintRect(const QRectF& picture_box, const QBrush& brush) {
    if (painter_ == nullptr) {
        Measure(picture_box);
        return;
    }
    if (!Finite(picture_box.topLeft()) || !Finite(picture_box.bottomRight())) return;
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(brush);
    painter_->drawPath(RectPath(picture_box.normalized()).intersected(RectPath(PictureRect().adjusted(-1, -1, 1, 1))));
}

void GdiPlayer::AddToPath(const QPainterPath& logical_path, bool closed) {
    QPainterPath mapped = LogicalToPicture().map(logical_path);
    if (closed) mapped.closeSubpath();
    path_.addPath(mapped);
}

// A closed figure: filled with the brush and outlined with the pen, or added to the path.
void GdiPlayer::DrawShape(const QPainterPath& logical_path) {
    if (in_path_) {
        AddToPath(logical_path, true);
        return;
    }
    Paint(LogicalToPicture().map(logical_path), true, true);
}

// An open figure: stroked with the pen, or added to the path.
void GdiPlayer::DrawLine(const QPainterPath& logical_path) {
    if (in_path_) {
        AddToPath(logical_path, false);
        return;
    }
    Paint(LogicalToPicture().map(logical_path), false, true);
}

void GdiPlayer::MoveTo(QPointF point) {
    state_.Position = point;
    if (in_path_) path_.moveTo(LogicalToPicture().map(point));
}

void GdiPlayer::LineTo(QPointF point) { PolylineTo(QPolygonF({point})); }

void GdiPlayer::Polyline(const QPolygonF& points) {
    if (points.size() >= 2) DrawLine(OpenPath(points));
}

void GdiPlayer::PolylineTo(const QPolygonF& points) {
    if (points.isEmpty()) return;
    QPolygonF line({state_.Position});
    line += points;
    state_.Position = points.back();
    if (in_path_) {
        const QPolygonF mapped = LogicalToPicture().map(points);
        for (const QPointF& point : mapped) path_.lineTo(point);
        return;
    }
    Paint(LogicalToPicture().map(OpenPath(line)), false, true);
}

void GdiPlayer::PolyBezier(const QPolygonF& points) {
    if (points.size() < 4) return;
    QPainterPath curve;
    curve.moveTo(points.front());
    AddBeziers(curve, points, 1);
    DrawLine(curve);
}

void GdiPlayer::PolyBezierTo(const QPolygonF& points) {
    if (points.size() < 3) return;
    QPolygonF all({state_.Position});
    all += points;
    state_.Position = points[points.size() - 1 - points.size() % 3];
    if (in_path_) {
        const QPolygonF mapped = LogicalToPicture().map(points);
        AddBeziers(path_, mapped, 0);
        return;
    }
    QPainterPath curve;
    curve.moveTo(all.front());
    AddBeziers(curve, all, 1);
    Paint(LogicalToPicture().map(curve), false, true);
}

void GdiPlayer::PolyPolygon(const std::vector<QPolygonF>& polygons) {
    QPainterPath shape;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() < 2) continue;
        shape.addPolygon(polygon);
        shape.closeSubpath();
    }
    if (!shape.isEmpty()) DrawShape(shape);
}

void GdiPlayer::PolyPolyline(const std::vector<QPolygonF>& lines) {
    for (const QPolygonF& line : lines) Polyline(line);
}

void GdiPlayer::Rectangle(const QRectF& box) { DrawShape(RectPath(box.normalized())); }

void GdiPlayer::RoundRect(const QRectF& box, QSizeF corner) {
    QPainterPath shape;
    shape.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    DrawShape(shape);
}

void GdiPlayer::Ellipse(const QRectF& box) {
    QPainterPath shape;
    shape.addEllipse(box.normalized());
    DrawShape(shape);
}

// The ends lie where the lines from the centre through the start and end points cross the
// ellipse; the arc runs counterclockwise unless the arc direction says otherwise.
void GdiPlayer::Arc(ArcKind kind, const QRectF& box_in, QPointF start, QPointF end) {
    const QRectF box = box_in.normalized();
    if (box.width() <= 0 || box.height() <= 0) return;
    const QPointF centre = box.center();
    const auto angle = [&](QPointF point) {
        const double a = std::atan2(-(point.y() - centre.y()) / box.height(), (point.x() - centre.x()) / box.width());
        return a * 180 / std::numbers::pi;
    };
    const double from = angle(start);
    double sweep = std::fmod(angle(end) - from + 720, 360);
    if (sweep == 0) sweep = 360;
    if (state_.Clockwise) sweep -= 360;
    QPainterPath shape;
    if (kind == ArcKind::Pie) {
        shape.moveTo(centre);
        shape.arcTo(box, from, sweep);
        shape.closeSubpath();
    } else {
        shape.arcMoveTo(box, from);
        shape.arcTo(box, from, sweep);
        if (kind == ArcKind::Chord) shape.closeSubpath();
    }
    if (kind == ArcKind::Arc) {
        DrawLine(shape);
    } else {
        DrawShape(shape);
    }
}

void GdiPlayer::SetPixel(QPointF point, QColor colour) {
    const QPointF at = LogicalToPicture().map(point);
    PaintRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), colour);
}

void GdiPlayer::PatBlt(const QRectF& box, uint32_t rop) {
    QBrush brush;
    if (rop == 0x00f00021) {
        brush = MakeBrush(state_.Brush);
    } else if (rop == 0x00000042) {
        brush = QBrush(Qt::black);
    } else if (rop == 0x00ff0062) {
        brush = QBrush(Qt::white);
    } else {
        return;
    }
    if (brush.style() == Qt::NoBrush || in_path_) return;
    PaintRect(LogicalToPicture().mapRect(box.normalized()), brush);
}

void GdiPlayer::StretchBitmap(const QRectF& destination, const QImage& bitmap, const QRectF& source_in, uint32_t rop) {
    if (bitmap.isNull() || rop == 0x00aa0029) return;
    const QRectF source = source_in.normalized().intersected(QRectF(bitmap.rect()));
    if (source.isEmpty() || destination.width() == 0 || destination.height() == 0) return;
    const QTransform placed = QTransform(destination.width() / source.width(), 0, 0, destination.height() / source.height(),
                                         destination.left() - source.left() * destination.width() / source.width(),
                                         destination.top() - source.top() * destination.height() / source.height()) *
                              LogicalToPicture();
    const QRectF picture_box = placed.mapRect(source);
    if (painter_ == nullptr) {
        Measure(picture_box);
        return;
    }
    if (!Finite(picture_box.topLeft()) || !Finite(picture_box.bottomRight()) || !PictureRect().intersects(picture_box)) return;
    painter_->save();
    if (rop == 0x008800c6) painter_->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    if (rop == 0x00ee0086) painter_->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    if (rop == 0x00660046) painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_->setTransform(placed);
    painter_->drawImage(source, bitmap, source);
    painter_->restore();
}

void GdiPlayer::FillRegion(const QPainterPath& device_area, const GdiBrush& brush) {
    const QBrush fill = MakeBrush(brush);
    if (fill.style() == Qt::NoBrush) return;
    const QPainterPath area = device_to_picture_.map(device_area);
    if (painter_ == nullptr) {
        Measure(area.boundingRect());
        return;
    }
    const GdiBrush kept = state_.Brush;
    state_.Brush = brush;
    Paint(area, true, false);
    state_.Brush = kept;
}

QFont GdiPlayer::MakeFont(double& pixel_height) const {
    const GdiFont& f = state_.Font;
    const QTransform t = LogicalToPicture();
    double pixels = f.Height == 0 ? 12 * Length(device_to_picture_.m21(), device_to_picture_.m22())
                                  : std::abs(f.Height) * Length(t.m21(), t.m22());
    pixels = std::clamp(std::isfinite(pixels) ? pixels : 1.0, 1.0, MaxFontPixels);
    QFont font;
    static const QFont::StyleHint hints[] = {QFont::AnyStyle, QFont::Serif,  QFont::SansSerif,
                                             QFont::TypeWriter, QFont::Cursive, QFont::Decorative};
    const int family = f.PitchAndFamily >> 4;
    font.setStyleHint(family < 6 ? hints[family] : QFont::AnyStyle);
    font.setFamily(f.Face.isEmpty() ? QStringLiteral("Liberation Sans") : f.Face);
    font.setWeight(static_cast<QFont::Weight>(f.Weight <= 0 ? 400 : std::min(f.Weight, 1000)));
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    font.setStrikeOut(f.StrikeOut);
    font.setKerning(false);
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    if (f.Height > 0) {
        // A positive height is that of the character cell, ascent and descent together.
        const double cell = QFontMetricsF(font).height();
        if (cell > 0) pixels = std::clamp(pixels * pixels / cell, 1.0, MaxFontPixels);
        font.setPixelSize(static_cast<int>(std::lround(pixels)));
    }
    pixel_height = pixels;
    return font;
}

void GdiPlayer::Text(QPointF reference, const QString& text, const std::vector<double>& dx, uint32_t eto,
                     const std::optional<QRectF>& box) {
    const QTransform t = LogicalToPicture();
    const bool opaque_box = (eto & 0x2) != 0 && box.has_value();
    const bool clipped = (eto & 0x4) != 0 && box.has_value();
    if (opaque_box) PaintRect(t.mapRect(box->normalized()), state_.BackgroundColour);
    if (text.isEmpty()) return;
    const bool update_position = (state_.TextAlign & 1) != 0;
    const QPointF origin = t.map(update_position ? state_.Position : reference);
    if (!Finite(origin) || std::abs(origin.x()) > 1e6 || std::abs(origin.y()) > 1e6) return;

    double pixel_height = 0;
    const QFont font = MakeFont(pixel_height);
    const QFontMetricsF metrics(font);
    const double scale_x = Length(t.m11(), t.m12());
    std::vector<double> advances;
    double width = 0;
    if (dx.size() >= static_cast<size_t>(text.size())) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            advances.push_back(dx[static_cast<size_t>(i)] * scale_x);
            width += advances.back();
        }
    } else {
        width = metrics.horizontalAdvance(text);
    }
    if (!std::isfinite(width)) return;
    const uint32_t horizontal = state_.TextAlign & 6, vertical = state_.TextAlign & 24;
    const double left = horizontal == 6 ? -width / 2 : horizontal == 2 ? -width : 0;
    const double baseline = vertical == 24 ? 0 : vertical == 8 ? -metrics.descent() : metrics.ascent();
    const double angle = state_.Font.Escapement / 10.0 + std::atan2(-t.m12(), t.m11()) * 180 / std::numbers::pi;
    if (update_position && horizontal != 2) state_.Position.rx() += scale_x > 0 ? width / scale_x : 0;

    QTransform placed;
    placed.translate(origin.x(), origin.y());
    placed.rotate(-angle);
    const QRectF cell(left, baseline - metrics.ascent(), width, metrics.height());
    if (painter_ == nullptr) {
        Measure(placed.mapRect(cell));
        return;
    }
    painter_->save();
    if (clipped) painter_->setClipRect(t.mapRect(box->normalized()), Qt::IntersectClip);
    painter_->setTransform(placed);
    if (state_.OpaqueBackground) painter_->fillRect(cell, state_.BackgroundColour);
    painter_->setBackgroundMode(Qt::TransparentMode);
    painter_->setFont(font);
    painter_->setPen(state_.TextColour);
    if (advances.empty()) {
        painter_->drawText(QPointF(left, baseline), text);
    } else {
        double x = left;
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter_->drawText(QPointF(x, baseline), QString(text[i]));
            x += advances[static_cast<size_t>(i)];
        }
    }
    painter_->restore();
}

void GdiPlayer::BeginPath() {
    in_path_ = true;
    path_ = QPainterPath();
    path_.moveTo(LogicalToPicture().map(state_.Position));
}

void GdiPlayer::AbortPath() {
    in_path_ = false;
    path_ = QPainterPath();
}

void GdiPlayer::CloseFigure() {
    if (in_path_) path_.closeSubpath();
}

// A path is used once: filling, stroking or clipping with it discards it.
void GdiPlayer::DrawCurrentPath(bool fill, bool stroke) {
    in_path_ = false;
    Paint(path_, fill, stroke);
    path_ = QPainterPath();
}

void GdiPlayer::SelectClipPath(uint32_t mode) {
    in_path_ = false;
    QPainterPath area = path_;
    area.setFillRule(state_.WindingFill ? Qt::WindingFill : Qt::OddEvenFill);
    CombineClip(area, mode);
    path_ = QPainterPath();
}

void GdiPlayer::IntersectClipRect(const QRectF& box) {
    CombineClip(LogicalToPicture().map(RectPath(box.normalized())), 1);
}

void GdiPlayer::ExcludeClipRect(const QRectF& box) {
    CombineClip(LogicalToPicture().map(RectPath(box.normalized())), 4);
}

void GdiPlayer::CombineClipDevice(const std::optional<QPainterPath>& device_area, uint32_t mode) {
    CombineClip(device_area ? std::optional<QPainterPath>(device_to_picture_.map(*device_area)) : std::nullopt, mode);
}

void GdiPlayer::CombineClip(const std::optional<QPainterPath>& picture_area_in, uint32_t mode) {
    std::optional<QPainterPath> picture_area = picture_area_in;
    if (picture_area && painter_ != nullptr) {
        // Like the shapes, a clipping area is cut to a margin around the picture.
        const QRectF bounds = picture_area->controlPointRect();
        if (!Finite(bounds.topLeft()) || !Finite(bounds.bottomRight())) return;
        const QRectF limit = PictureLimit();
        if (!limit.contains(bounds)) picture_area = picture_area->intersected(RectPath(limit));
    }
    std::optional<QPainterPath>& clip = state_.Clip;
    if (mode == 5 || (!clip && mode == 1)) {
        clip = picture_area;
    } else if (!picture_area) {
        return;
    } else if (!clip) {
        // Without a clipping region the whole picture counts as one.
        if (mode == 4 && painter_ != nullptr) {
            clip = RectPath(PictureRect()).subtracted(*picture_area);
        }
    } else if (mode == 1) {
        clip = clip->intersected(*picture_area);
    } else if (mode == 2) {
        clip = clip->united(*picture_area);
    } else if (mode == 3) {
        clip = clip->united(*picture_area).subtracted(clip->intersected(*picture_area));
    } else if (mode == 4) {
        clip = clip->subtracted(*picture_area);
    }
    ApplyClip();
}

void GdiPlayer::ApplyClip() {
    if (painter_ == nullptr) return;
    if (state_.Clip) {
        painter_->setClipPath(*state_.Clip);
    } else {
        painter_->setClipping(false);
    }
}

}  // namespace vantorel
