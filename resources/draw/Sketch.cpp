#include "resources/draw/Sketch.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace vantorel::pictures {

QFont SketchFont(int pixel_size, bool bold) {
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

namespace {

void ArrowHead(QPainter& painter, QPointF from, QPointF tip, const QColor& colour, double head) {
    const QLineF line(tip, from);
    const double angle = std::atan2(line.dy(), line.dx());
    const double spread = 0.42;
    const QPointF left = tip + QPointF(std::cos(angle + spread), std::sin(angle + spread)) * head;
    const QPointF right = tip + QPointF(std::cos(angle - spread), std::sin(angle - spread)) * head;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({tip, left, right}));
}

}  // namespace

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width, double head) {
    painter.save();
    // The shaft stops inside the head, so that its square end does not show beside the point.
    const QLineF shaft(from, to);
    const QPointF shaft_end = shaft.pointAt(std::max(0.0, 1 - head * 0.7 / shaft.length()));
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, shaft_end);
    ArrowHead(painter, from, to, colour, head);
    painter.restore();
}

void Dimension(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 1.2));
    painter.drawLine(from, to);
    ArrowHead(painter, to, from, colour, 7);
    ArrowHead(painter, from, to, colour, 7);
    painter.restore();
}

void Hatch(QPainter& painter, const QRectF& area, const QColor& colour, double spacing) {
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(colour, 1.2));
    for (double x = area.left() - area.height(); x < area.right(); x += spacing) {
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    }
    painter.restore();
}

void Label(QPainter& painter, QPointF top_left, const QString& text, const QColor& colour, bool boxed) {
    painter.save();
    const QFontMetricsF metrics(painter.font());
    const QRectF box(top_left, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    if (boxed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawRoundedRect(box.adjusted(-3, -1, 3, 1), 3, 3);
    }
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

void WaterTableMark(QPainter& painter, QPointF tip, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygonF({tip, tip + QPointF(-6, -9), tip + QPointF(6, -9)}));
    painter.drawLine(tip + QPointF(-4, 4), tip + QPointF(4, 4));
    painter.drawLine(tip + QPointF(-2, 7), tip + QPointF(2, 7));
    painter.restore();
}

QImage WithPalette(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) ++counts[rgb.pixel(x, y)];
    }
    std::vector<std::pair<int, QRgb>> by_count;
    for (const auto& [colour, count] : counts) by_count.emplace_back(count, colour);
    std::sort(by_count.rbegin(), by_count.rend());
    QList<QRgb> palette;
    for (size_t i = 0; i < by_count.size() && i < 256; ++i) palette.push_back(by_count[i].second);

    const auto distance = [](QRgb a, QRgb b) {
        const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
        return r * r + g * g + bl * bl;
    };
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = rgb.pixel(x, y);
            int best = 0;
            for (int i = 1; i < palette.size(); ++i) {
                if (distance(colour, palette[i]) < distance(colour, palette[best])) best = i;
            }
            indexed.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return indexed;
}

}  // namespace vantorel::pictures
