// The drain geometry of the calculator window: two drains at spacing L and depth Dd, the water
// table rising to its highest point midway, the layer of depth D below drain level on an
// impermeable base, Ka above and Kb below drain level, and the wet perimeter U of a drain.

#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "resources/draw/Sketch.h"

namespace vantorel::pictures {

namespace {

constexpr int Width = 432;
constexpr int Height = 240;
constexpr double Surface = 34;
constexpr double DrainLevel = 120;
constexpr double Base = 205;
constexpr double LeftDrain = 80;
constexpr double RightDrain = 360;
constexpr double DrainRadius = 8;
constexpr double Crest = 46;  // height of the water table midway above the drain tops

// The water table between and beside the drains: highest midway, down to the drain tops.
double WaterTableY(double x) {
    const double spacing = RightDrain - LeftDrain;
    const double phase = std::fmod(std::abs(x - LeftDrain), spacing) / spacing;
    return DrainLevel - DrainRadius - Crest * std::sin(std::numbers::pi * phase);
}

}  // namespace

QImage GeometryPicture() {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(250, 252, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor above(236, 217, 178);
    const QColor below(218, 194, 152);
    p.fillRect(QRectF(0, Surface, Width, DrainLevel - Surface), above);
    p.fillRect(QRectF(0, DrainLevel, Width, Base - DrainLevel), below);

    // Saturated soil below the water table.
    QPainterPath saturated;
    saturated.moveTo(0, Base);
    for (int x = 0; x <= Width; x += 2) saturated.lineTo(x, WaterTableY(x));
    saturated.lineTo(Width, Base);
    saturated.closeSubpath();
    p.fillPath(saturated, QColor(120, 170, 235, 55));

    // Soil surface with grass.
    p.setPen(QPen(QColor(90, 70, 40), 2));
    p.drawLine(QPointF(0, Surface), QPointF(Width, Surface));
    p.setPen(QPen(QColor(70, 150, 60), 1.4));
    for (int x = 4; x < Width; x += 9) {
        p.drawLine(QPointF(x, Surface), QPointF(x - 2, Surface - 6));
        p.drawLine(QPointF(x + 2, Surface), QPointF(x + 4, Surface - 5));
    }

    // Impermeable base.
    const QRectF base(0, Base, Width, Height - Base);
    p.fillRect(base, QColor(200, 200, 200));
    Hatch(p, base, QColor(120, 120, 120));
    p.setPen(QPen(QColor(80, 80, 80), 1.5));
    p.drawLine(QPointF(0, Base), QPointF(Width, Base));

    // Drain level.
    p.setPen(QPen(QColor(110, 90, 60), 1, Qt::DashLine));
    p.drawLine(QPointF(0, DrainLevel), QPointF(Width, DrainLevel));

    // Water table.
    const QColor water(30, 90, 200);
    QPainterPath table;
    table.moveTo(0, WaterTableY(0));
    for (int x = 2; x <= Width; x += 2) table.lineTo(x, WaterTableY(x));
    p.strokePath(table, QPen(water, 2));
    const double midway = (LeftDrain + RightDrain) / 2;
    WaterTableMark(p, QPointF(midway - 28, WaterTableY(midway - 28)), water);

    // The drains, the right one with its wet perimeter.
    for (double x : {LeftDrain, RightDrain}) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(x, DrainLevel), DrainRadius, DrainRadius);
    }
    const QColor perimeter(200, 30, 30);
    p.setPen(QPen(perimeter, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(RightDrain, DrainLevel), DrainRadius, DrainRadius);

    // Measures.
    const QColor measure(20, 20, 20);
    Dimension(p, QPointF(28, Surface), QPointF(28, DrainLevel), measure);
    Dimension(p, QPointF(414, DrainLevel), QPointF(414, Base), measure);
    Dimension(p, QPointF(LeftDrain, 160), QPointF(RightDrain, 160), measure);
    Dimension(p, QPointF(midway, DrainLevel), QPointF(midway, WaterTableY(midway)), measure);

    p.setFont(SketchFont(13, true));
    Label(p, QPointF(34, 68), "Dd");
    Label(p, QPointF(399, 152), "D");
    Label(p, QPointF(midway - 5, 152), "L", Qt::black, true);
    Label(p, QPointF(midway + 6, 86), "h");
    Label(p, QPointF(282, 94), "Ka");
    Label(p, QPointF(150, 176), "Kb");

    p.setFont(SketchFont(11));
    Label(p, QPointF(midway - 8, Surface + 6), "water table", water);
    Label(p, QPointF(LeftDrain + 30, DrainLevel + 2), "drain level", QColor(90, 70, 40));
    Label(p, QPointF(300, 14), "soil surface", QColor(90, 70, 40));
    Label(p, QPointF(midway - 52, Base + 10), "impermeable layer", Qt::black, true);
    Label(p, QPointF(RightDrain - 70, 178), "U: wet perimeter", perimeter, true);
    p.setPen(QPen(perimeter, 1));
    p.drawLine(QPointF(RightDrain - 10, 177), QPointF(RightDrain - 3, DrainLevel + DrainRadius + 2));
    Label(p, QPointF(LeftDrain - 14, DrainLevel + 11), "drain", Qt::black, true);
    return image;
}

}  // namespace vantorel::pictures
