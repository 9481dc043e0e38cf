// The Figure page's sketch of the water movement with a root zone of two layers: the flows at
// the soil surface, between the layers, to the drain and between transition zone and aquifer.

#include <QPainterPath>

#include <cmath>

#include "resources/draw/Sketch.h"

namespace vantorel::pictures {

namespace {

constexpr int Width = 664;
constexpr int Height = 442;
constexpr double Surface = 86;
constexpr double LayerBoundary = 158;
constexpr double RootZoneBottom = 226;
constexpr double AquiferTop = 336;
constexpr double Base = 420;
constexpr double DrainX = 560;
constexpr double DrainY = 300;

// The water table in the transition zone, drawn down to the drain.
double WaterTableY(double x) {
    const double distance = std::abs(x - DrainX);
    const double far = x < DrainX ? DrainX : Width - DrainX;
    const double rise = x < DrainX ? 56 : 24;
    return DrainY - 9 - rise * std::sqrt(std::min(1.0, distance / far));
}

const QColor Rain(30, 100, 210);
const QColor Evaporation(210, 90, 20);
const QColor Percolation(20, 80, 170);
const QColor Rise(130, 40, 160);
const QColor Seepage(0, 120, 120);
const QColor Text(20, 20, 20);

void Zones(QPainter& p) {
    p.fillRect(QRectF(0, 0, Width, Surface), QColor(244, 249, 255));
    p.fillRect(QRectF(0, Surface, Width, LayerBoundary - Surface), QColor(232, 211, 168));
    p.fillRect(QRectF(0, LayerBoundary, Width, RootZoneBottom - LayerBoundary), QColor(220, 196, 150));
    p.fillRect(QRectF(0, RootZoneBottom, Width, AquiferTop - RootZoneBottom), QColor(206, 184, 142));
    p.fillRect(QRectF(0, AquiferTop, Width, Base - AquiferTop), QColor(176, 202, 230));

    // Saturated soil of the transition zone below the water table.
    QPainterPath saturated;
    saturated.moveTo(0, AquiferTop);
    for (int x = 0; x <= Width; x += 2) saturated.lineTo(x, WaterTableY(x));
    saturated.lineTo(Width, AquiferTop);
    saturated.closeSubpath();
    p.fillPath(saturated, QColor(200, 218, 238));

    const QRectF base(0, Base, Width, Height - Base);
    p.fillRect(base, QColor(205, 205, 205));
    Hatch(p, base, QColor(125, 125, 125));

    p.setPen(QPen(QColor(90, 70, 40), 2));
    p.drawLine(QPointF(0, Surface), QPointF(Width, Surface));
    p.setPen(QPen(QColor(70, 150, 60), 1.4));
    for (int x = 4; x < Width; x += 10) {
        p.drawLine(QPointF(x, Surface), QPointF(x - 2, Surface - 6));
        p.drawLine(QPointF(x + 2, Surface), QPointF(x + 4, Surface - 5));
    }
    p.setPen(QPen(QColor(120, 95, 60), 1.2, Qt::DashLine));
    p.drawLine(QPointF(0, LayerBoundary), QPointF(Width, LayerBoundary));
    p.setPen(QPen(QColor(100, 80, 50), 1.5));
    p.drawLine(QPointF(0, RootZoneBottom), QPointF(Width, RootZoneBottom));
    p.drawLine(QPointF(0, AquiferTop), QPointF(Width, AquiferTop));
    p.setPen(QPen(QColor(80, 80, 80), 1.5));
    p.drawLine(QPointF(0, Base), QPointF(Width, Base));

    const QColor water(30, 90, 200);
    QPainterPath table;
    table.moveTo(0, WaterTableY(0));
    for (int x = 2; x <= Width; x += 2) table.lineTo(x, WaterTableY(x));
    p.strokePath(table, QPen(water, 2.2));
    WaterTableMark(p, QPointF(300, WaterTableY(300)), water);
    p.setFont(SketchFont(12));
    Label(p, QPointF(312, WaterTableY(300) - 20), "water table", water);

    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(DrainX, DrainY), 9, 9);
    p.setFont(SketchFont(12));
    Label(p, QPointF(DrainX - 16, DrainY + 12), "drain", Text);
}

void ZoneNames(QPainter& p) {
    p.setFont(SketchFont(14, true));
    Label(p, QPointF(12, LayerBoundary - 24), "1st layer", Text, true);
    Label(p, QPointF(12, RootZoneBottom - 24), "2nd layer", Text, true);
    Label(p, QPointF(12, AquiferTop - 24), "Transition zone", Text, true);
    Label(p, QPointF(12, Base - 24), "Aquifer", Text, true);

    // A bracket along the right edge spans the root zone.
    const QColor bracket(100, 80, 50);
    p.setPen(QPen(bracket, 1.5));
    const double x = Width - 10;
    p.drawLine(QPointF(x - 6, Surface + 4), QPointF(x, Surface + 4));
    p.drawLine(QPointF(x, Surface + 4), QPointF(x, RootZoneBottom - 4));
    p.drawLine(QPointF(x - 6, RootZoneBottom - 4), QPointF(x, RootZoneBottom - 4));
    p.save();
    p.translate(x - 24, (Surface + RootZoneBottom) / 2 + 36);
    p.rotate(-90);
    p.setFont(SketchFont(13, true));
    Label(p, QPointF(0, 0), "Root zone", bracket);
    p.restore();
}

void Flows(QPainter& p) {
    p.setFont(SketchFont(13));

    // At the soil surface.
    Arrow(p, QPointF(60, 26), QPointF(60, Surface - 2), Rain);
    Label(p, QPointF(20, 6), "Irrigation", Rain);
    Arrow(p, QPointF(160, 26), QPointF(160, Surface - 2), Rain);
    Label(p, QPointF(128, 6), "RainFall", Rain);
    Arrow(p, QPointF(270, 128), QPointF(270, 26), Evaporation);
    Label(p, QPointF(226, 6), "Evaporation 1", Evaporation);
    Arrow(p, QPointF(380, 200), QPointF(380, 26), Evaporation);
    Label(p, QPointF(336, 6), "Evaporation 2", Evaporation);
    Arrow(p, QPointF(470, Surface - 10), QPointF(650, Surface - 10), Rain);
    Label(p, QPointF(500, Surface - 34), "Surface drainage", Rain);

    // Between the root-zone layers and below the root zone.
    Arrow(p, QPointF(110, LayerBoundary - 24), QPointF(110, LayerBoundary + 26), Percolation);
    Label(p, QPointF(120, LayerBoundary + 4), "Percolation 1", Percolation);
    Arrow(p, QPointF(480, LayerBoundary + 26), QPointF(480, LayerBoundary - 24), Rise);
    Label(p, QPointF(490, LayerBoundary - 20), "Capillary rise 1", Rise);
    Arrow(p, QPointF(110, RootZoneBottom - 24), QPointF(110, WaterTableY(110) - 2), Percolation);
    Label(p, QPointF(120, RootZoneBottom - 20), "Percolation 2", Percolation);
    Arrow(p, QPointF(480, WaterTableY(480) - 2), QPointF(480, RootZoneBottom - 24), Rise);
    Label(p, QPointF(490, RootZoneBottom + 4), "Capillary rise 2", Rise);

    // From the drain, and between transition zone and aquifer.
    Arrow(p, QPointF(DrainX + 12, DrainY), QPointF(Width - 6, DrainY), Percolation);
    Label(p, QPointF(DrainX + 20, DrainY - 22), "Drainage", Percolation);
    Arrow(p, QPointF(230, AquiferTop + 26), QPointF(230, AquiferTop - 26), Seepage);
    Label(p, QPointF(240, AquiferTop + 6), "Upward seepage", Seepage);
    Arrow(p, QPointF(400, AquiferTop - 26), QPointF(400, AquiferTop + 26), Seepage);
    Label(p, QPointF(410, AquiferTop + 6), "Downward seepage", Seepage);

    // Through the aquifer.
    Arrow(p, QPointF(4, 382), QPointF(130, 382), Percolation);
    Label(p, QPointF(16, 358), "Inflow", Percolation);
    Arrow(p, QPointF(530, 382), QPointF(Width - 6, 382), Percolation);
    Label(p, QPointF(560, 358), "OutFlow", Percolation);
}

}  // namespace

QImage WaterMovementPicture() {
    QImage image(Width, Height, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Zones(p);
    ZoneNames(p);
    Flows(p);
    return image;
}

}  // namespace vantorel::pictures
