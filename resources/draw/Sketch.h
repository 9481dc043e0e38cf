#pragma once
// Drawing helpers shared by the help pictures: arrows with labels, hatched layers, dimension
// lines. Sizes are in pixels of the picture.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace vantorel::pictures {

QFont SketchFont(int pixel_size, bool bold = false);

// A straight arrow from `from` to `to` with a filled head at `to`.
void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width = 2.5,
           double head = 9);

// A line with arrow heads at both ends, for a measure such as a depth or a spacing.
void Dimension(QPainter& painter, QPointF from, QPointF to, const QColor& colour);

// Diagonal hatching inside the rectangle, as drawings mark an impermeable layer.
void Hatch(QPainter& painter, const QRectF& area, const QColor& colour, double spacing = 8);

// Text whose top left corner is at the point, on a pale box when `boxed`, so that it stays
// readable across lines.
void Label(QPainter& painter, QPointF top_left, const QString& text, const QColor& colour = Qt::black,
           bool boxed = false);

// The usual water-table mark: a small triangle pointing down onto the line at `tip`.
void WaterTableMark(QPainter& painter, QPointF tip, const QColor& colour);

// The picture with a palette of at most 256 colours: the most frequent ones, every other pixel
// taken to its nearest, so that flat areas keep their colour exactly.
QImage WithPalette(const QImage& picture);

QImage GeometryPicture();       // the calculator's drain geometry
QImage PlantPicture();          // the Intro page's plant on soil above water
QImage WaterMovementPicture();  // the Figure page's cross-section of the water flows

}  // namespace vantorel::pictures
