#include "graphs/draw/GraphCanvas.h"

#include <QFontMetrics>
#include <cmath>

namespace vantorel {

int PointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont GraphFont(int points) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(PointsToPixels(points));
    return font;
}

// The files are single-byte text; the window shows their titles as Latin-1 as well.
QString FromFileText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

GraphCanvas::GraphCanvas(QImage& picture) : painter_(&picture), font_(GraphFont(10)) {
    painter_.setFont(font_);
    SetPen(qRgb(0, 0, 0), 1);
}

void GraphCanvas::SetFont(int points, QRgb colour) {
    font_ = GraphFont(points);
    painter_.setFont(font_);
    text_colour_ = QColor(colour);
}

void GraphCanvas::SetPen(QRgb colour, int width) {
    pen_ = QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen_);
}

void GraphCanvas::FillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), brush_);
}

void GraphCanvas::TextOut(int x, int y, const std::string& text) {
    const QString shown = FromFileText(text);
    const QFontMetrics metrics(font_);
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()), brush_);
    painter_.setPen(text_colour_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), shown);
    painter_.setPen(pen_);
}

int GraphCanvas::TextWidth(const std::string& text) const {
    return QFontMetrics(font_).horizontalAdvance(FromFileText(text));
}

int GraphCanvas::TextHeight() const { return QFontMetrics(font_).height(); }

void GraphCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

}  // namespace vantorel
