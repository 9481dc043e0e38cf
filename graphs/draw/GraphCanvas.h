#pragma once
// A drawing surface with the state of a classic desktop canvas: a brush that fills rectangles
// and lies behind every text, a font with size and colour, and a pen. Texts are placed by the
// top left corner of their cell.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>

namespace vantorel {

// A font size in points as pixels on the 96-dpi screen the graph layout was made for.
int PointsToPixels(int points);

// The graph font: Arial where it exists, else the metric-compatible Liberation Sans.
QFont GraphFont(int points);

// A title or name from a file: UTF-8 when it is valid UTF-8, else the single-byte Latin-1 text.
QString FromFileText(const std::string& text);

class GraphCanvas {
public:
    explicit GraphCanvas(QImage& picture);

    void SetBrush(QRgb colour) { brush_ = QColor(colour); }
    void SetFont(int points, QRgb colour);
    void SetFontColour(QRgb colour) { text_colour_ = QColor(colour); }
    void SetPen(QRgb colour, int width);

    // Fills with the brush from (left, top) up to, not including, (right, bottom).
    void FillRect(int left, int top, int right, int bottom);
    // Writes the text with its cell's top left corner at (x, y), opaque on the brush.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight() const;
    void Line(int x1, int y1, int x2, int y2);

private:
    QPainter painter_;
    QColor brush_ = Qt::white;
    QColor text_colour_ = Qt::black;
    QFont font_;
    QPen pen_;
};

}  // namespace vantorel
