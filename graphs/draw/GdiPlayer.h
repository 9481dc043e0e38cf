#pragma once
// Plays the drawing records of Windows metafiles (.wmf and .emf) onto a QPainter: the device
// context that such records change (pens, brushes, fonts, colours, mapping of logical units,
// clipping, paths, saved states) and the shapes, texts and bitmaps they draw. The two file
// readers decode their records and call the player in logical coordinates; the player maps them
// through the world transform (.emf), the window and viewport and the frame onto the picture.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace vantorel {

struct GdiPen {
    uint32_t Style = 0;  // PS_* style, end cap and join bits
    double Width = 0;    // logical units; 0 draws one pixel wide
    QColor Colour = Qt::black;
};

struct GdiBrush {
    uint32_t Style = 0;  // BS_SOLID, BS_NULL, BS_HATCHED or a pattern
    QColor Colour = Qt::white;
    uint32_t Hatch = 0;
    QImage Pattern;  // for pattern brushes
};

struct GdiFont {
    double Height = 0;  // logical units: negative the character height, positive the cell height
    int Escapement = 0;  // tenths of a degree, counterclockwise
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    uint8_t PitchAndFamily = 0;
    QString Face;
};

// A clipping region in device units (.wmf regions are logical units, mapped when created).
struct GdiRegion {
    QPainterPath Area;
};

// An object the player does not use (a palette) still takes its slot in the object table.
struct GdiUnusedObject {};

// std::monostate marks a free slot.
using GdiObject = std::variant<std::monostate, GdiPen, GdiBrush, GdiFont, GdiRegion, GdiUnusedObject>;

// How the logical units of a file reach the device units of its frame.
enum class MetafileMapping {
    // .wmf: the player owns the viewport; the window of the file is drawn onto the viewport
    // the reader sets (the placeable header's box), or at one device unit per logical unit.
    Window,
    // .emf: mapping modes, window and viewport as a device context has them.
    DeviceContext,
};

class GdiPlayer {
public:
    // With a null painter the player only measures the extent of what would be drawn.
    GdiPlayer(MetafileMapping mapping, QPainter* painter);

    // Set by the readers before the records.
    void SetDeviceToPicture(const QTransform& device_to_picture) { device_to_picture_ = device_to_picture; }
    void SetWmfViewport(const QRectF& box) { wmf_viewport_ = box; }
    void SetDevicePixelsPerMillimetre(double x, double y);

    // The device context.
    void SetMapMode(uint32_t mode) { state_.MapMode = mode; }
    void SetWindowOrg(QPointF org) { state_.WindowOrg = org; }
    void SetWindowExt(QSizeF ext);
    void SetViewportOrg(QPointF org) { state_.ViewportOrg = org; }
    void SetViewportExt(QSizeF ext);
    void OffsetWindowOrg(QPointF by) { state_.WindowOrg += by; }
    void ScaleWindowExt(double x_num, double x_denom, double y_num, double y_denom);
    void ScaleViewportExt(double x_num, double x_denom, double y_num, double y_denom);
    // mode: 1 identity, 2 multiply on the left, 3 on the right, 4 set.
    void ModifyWorldTransform(const QTransform& transform, uint32_t mode);
    void SetTextColour(QColor colour) { state_.TextColour = colour; }
    void SetBackgroundColour(QColor colour) { state_.BackgroundColour = colour; }
    void SetBackgroundMode(uint32_t mode) { state_.OpaqueBackground = mode == 2; }
    void SetTextAlign(uint32_t align) { state_.TextAlign = align; }
    void SetPolyFillMode(uint32_t mode) { state_.WindingFill = mode == 2; }
    void SetArcDirection(uint32_t direction) { state_.Clockwise = direction == 2; }
    void SaveDc();
    void RestoreDc(int32_t which);

    // Objects: .emf names the slot, .wmf takes the lowest free one.
    void CreateObject(uint32_t index, GdiObject object);
    void CreateObjectInFreeSlot(GdiObject object);
    void SelectObject(uint32_t index);
    void DeleteObject(uint32_t index);

    // Drawing, in logical coordinates.
    void MoveTo(QPointF point);
    void LineTo(QPointF point);
    void Polyline(const QPolygonF& points);
    void PolylineTo(const QPolygonF& points);
    void PolyBezier(const QPolygonF& points);
    void PolyBezierTo(const QPolygonF& points);
    void Polygon(const QPolygonF& points) { PolyPolygon({points}); }
    void PolyPolygon(const std::vector<QPolygonF>& polygons);
    void PolyPolyline(const std::vector<QPolygonF>& lines);
    void Rectangle(const QRectF& box);
    void RoundRect(const QRectF& box, QSizeF corner);
    void Ellipse(const QRectF& box);
    enum class ArcKind { Arc, Chord, Pie };
    void Arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end);
    void SetPixel(QPointF point, QColor colour);
    // Fills with the brush (PATCOPY), black or white; other operations leave the picture.
    void PatBlt(const QRectF& box, uint32_t rop);
    void StretchBitmap(const QRectF& destination, const QImage& bitmap, const QRectF& source, uint32_t rop);
    // eto: ETO_OPAQUE fills and ETO_CLIPPED clips to the box; dx: the advance of each character.
    void Text(QPointF reference, const QString& text, const std::vector<double>& dx, uint32_t eto,
              const std::optional<QRectF>& box);
    void FillRegion(const QPainterPath& device_area, const GdiBrush& brush);

    // Paths (.emf).
    void BeginPath();
    void EndPath() { in_path_ = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath() { DrawCurrentPath(true, false); }
    void StrokePath() { DrawCurrentPath(false, true); }
    void StrokeAndFillPath() { DrawCurrentPath(true, true); }
    void SelectClipPath(uint32_t mode);

    // Clipping. mode: 1 and, 2 or, 3 xor, 4 difference, 5 copy.
    void IntersectClipRect(const QRectF& box);
    void ExcludeClipRect(const QRectF& box);
    // A region in device units; none with mode 5 removes the clipping.
    void CombineClipDevice(const std::optional<QPainterPath>& device_area, uint32_t mode);

    const GdiObject* Object(uint32_t index) const;
    const GdiBrush& CurrentBrush() const { return state_.Brush; }
    QTransform LogicalToDevice() const;
    // Where the drawing reaches in picture coordinates; null when nothing was drawn.
    QRectF Extent() const { return extent_; }

private:
    struct State {
        GdiPen Pen;
        GdiBrush Brush;
        GdiFont Font;
        QColor TextColour = Qt::black;
        QColor BackgroundColour = Qt::white;
        bool OpaqueBackground = true;
        uint32_t TextAlign = 0;
        bool WindingFill = false;
        bool Clockwise = false;
        uint32_t MapMode = 1;
        QPointF WindowOrg, ViewportOrg;
        QSizeF WindowExt{1, 1}, ViewportExt{1, 1};
        bool WindowSet = false;
        QTransform World;
        std::optional<QPainterPath> Clip;  // picture coordinates
        QPointF Position;                  // logical
    };

    QTransform LogicalToPicture() const { return LogicalToDevice() * device_to_picture_; }
    double PenWidth() const;
    QPen MakePen() const;
    QBrush MakeBrush(const GdiBrush& brush) const;
    // The painter's whole device.
    QRectF PictureRect() const;
    // The picture with a margin of its own size around it.
    QRectF PictureLimit() const;
    void Paint(QPainterPath path, bool fill, bool stroke);
    void PaintRect(const QRectF& picture_box, const QBrush& brush);
    void AddToPath(const QPainterPath& logical_path, bool closed);
    void DrawShape(const QPainterPath& logical_path);
    void DrawLine(const QPainterPath& logical_path);
    void DrawCurrentPath(bool fill, bool stroke);
    void CombineClip(const std::optional<QPainterPath>& picture_area, uint32_t mode);
    void ApplyClip();
    void Measure(const QRectF& picture_box);
    QFont MakeFont(double& pixel_height) const;

    MetafileMapping mapping_;
    QPainter* painter_;
    QTransform device_to_picture_;
    std::optional<QRectF> wmf_viewport_;
    double pixels_per_mm_x_ = 96 / 25.4, pixels_per_mm_y_ = 96 / 25.4;
    State state_;
    std::vector<State> saved_;
    std::vector<GdiObject> objects_;
    bool in_path_ = false;
    QPainterPath path_;  // picture coordinates
    QRectF extent_;
};

}  // namespace vantorel
