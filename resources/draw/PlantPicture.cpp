// The Intro page's small picture: a plant standing on a layer of soil above a layer of water.

#include <QPainterPath>
#include <QRandomGenerator>

#include "resources/draw/Sketch.h"

namespace vantorel::pictures {

namespace {

constexpr int Width = 109;
constexpr int Height = 96;
constexpr double SoilTop = 54;
constexpr double WaterTop = 75;
constexpr double Stem = 52;

void Leaf(QPainter& p, QPointF base, double length, double angle_degrees) {
    p.save();
    p.translate(base);
    p.rotate(angle_degrees);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.32, length, 0);
    leaf.quadTo(length * 0.5, length * 0.32, 0, 0);
    p.setPen(QPen(QColor(30, 100, 30), 1));
    p.setBrush(QColor(70, 160, 60));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(30, 100, 30), 0.8));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
    p.restore();
}

}  // namespace

QImage PlantPicture() {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.fillRect(QRectF(0, 0, Width, SoilTop), QColor(214, 234, 252));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(92, 13), 7, 7);

    // Soil, with a few grains.
    p.fillRect(QRectF(0, SoilTop, Width, WaterTop - SoilTop), QColor(150, 105, 62));
    QRandomGenerator grains(7);
    p.setBrush(QColor(110, 75, 42));
    for (int i = 0; i < 40; ++i) {
        p.drawEllipse(QPointF(grains.bounded(Width), SoilTop + 2 + grains.bounded(int(WaterTop - SoilTop) - 3)), 0.9,
                      0.9);
    }

    // Water, with ripples.
    p.fillRect(QRectF(0, WaterTop, Width, Height - WaterTop), QColor(60, 125, 205));
    p.setPen(QPen(QColor(160, 200, 240), 1));
    p.setBrush(Qt::NoBrush);
    for (double y = WaterTop + 6; y < Height; y += 7) {
        QPainterPath ripple;
        ripple.moveTo(0, y);
        for (double x = 0; x < Width; x += 12) {
            ripple.quadTo(x + 3, y - 2, x + 6, y);
            ripple.quadTo(x + 9, y + 2, x + 12, y);
        }
        p.drawPath(ripple);
    }

    // Roots in the soil.
    p.setPen(QPen(QColor(235, 220, 190), 1));
    for (double dx : {-9.0, -4.0, 0.0, 5.0, 10.0}) {
        QPainterPath root;
        root.moveTo(Stem, SoilTop);
        root.quadTo(Stem + dx * 0.4, SoilTop + 8, Stem + dx, SoilTop + 15 + (dx == 0 ? 3 : 0));
        p.drawPath(root);
    }

    // Stem, leaves and an ear at the top.
    p.setPen(QPen(QColor(40, 120, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(Stem, SoilTop), QPointF(Stem, 16));
    Leaf(p, QPointF(Stem, 47), 22, -25);
    Leaf(p, QPointF(Stem, 44), 22, -155);
    Leaf(p, QPointF(Stem, 34), 18, -35);
    Leaf(p, QPointF(Stem, 31), 18, -145);
    Leaf(p, QPointF(Stem, 23), 13, -50);
    Leaf(p, QPointF(Stem, 21), 13, -130);
    p.setPen(QPen(QColor(150, 120, 30), 1));
    p.setBrush(QColor(225, 190, 70));
    p.drawEllipse(QPointF(Stem, 12), 3.2, 6);
    p.end();
    // The picture is kept with 256 colours.
    return WithPalette(image);
}

}  // namespace vantorel::pictures
