#include "resources/draw/ProgramIcon.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRegularExpression>
#include <QTransform>

#include <tuple>

namespace vantorel::pictures {

namespace {

constexpr double Side = 256;
constexpr double TileEdge = 16;
constexpr double Corner = 40;
constexpr double SoilTop = 124;
constexpr double WaterTop = 176;
constexpr double Stem = 104;

QPainterPath Rect(double x, double y, double width, double height) {
    QPainterPath path;
    path.addRect(x, y, width, height);
    return path;
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// A pointed leaf from its base, `length` long, turned by the angle (degrees, clockwise from the
// right).
QPainterPath Leaf(QPointF base, double length, double angle) {
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.36, length, 0);
    leaf.quadTo(length * 0.5, length * 0.36, 0, 0);
    QTransform turn;
    turn.translate(base.x(), base.y());
    turn.rotate(angle);
    return turn.map(leaf);
}

// The tile from the height on down, its lower corners rounded as the tile's.
QPainterPath TileBelow(double top) {
    QPainterPath path;
    path.moveTo(TileEdge, top);
    path.lineTo(Side - TileEdge, top);
    path.arcTo(QRectF(Side - TileEdge - 2 * Corner, Side - TileEdge - 2 * Corner, 2 * Corner, 2 * Corner), 0, -90);
    path.arcTo(QRectF(TileEdge, Side - TileEdge - 2 * Corner, 2 * Corner, 2 * Corner), -90, -90);
    path.closeSubpath();
    return path;
}

QString Number(double value) { return QString::number(value, 'f', 2).remove(QRegularExpression("\\.?0+$")); }

}  // namespace

std::vector<IconShape> ProgramIconShapes() {
    QPainterPath tile;
    tile.addRoundedRect(QRectF(TileEdge, TileEdge, Side - 2 * TileEdge, Side - 2 * TileEdge), Corner, Corner);
    QPainterPathStroker border;
    border.setWidth(6);

    std::vector<IconShape> shapes = {
        {tile, QColor(206, 230, 250)},
        {Circle(QPointF(190, 66), 22), QColor(255, 200, 50)},
        {Rect(TileEdge, SoilTop, Side - 2 * TileEdge, WaterTop - SoilTop), QColor(150, 105, 62)},
        {TileBelow(WaterTop), QColor(52, 116, 200)},
    };
    // Salt in the soil moisture.
    for (const QPointF grain : {QPointF(40, 140), QPointF(70, 160), QPointF(150, 138), QPointF(186, 162),
                                QPointF(218, 142), QPointF(128, 164)}) {
        shapes.push_back({Circle(grain, 5), QColor(245, 245, 240)});
    }
    // The water-table mark on its line, and a drain pipe lying in the water.
    QPainterPath mark;
    mark.moveTo(170, WaterTop - 30);
    mark.lineTo(202, WaterTop - 30);
    mark.lineTo(186, WaterTop - 2);
    mark.closeSubpath();
    shapes.push_back({mark, QColor(20, 60, 140)});
    shapes.push_back({Circle(QPointF(70, 206), 17), QColor(60, 60, 60)});
    shapes.push_back({Circle(QPointF(70, 206), 10), QColor(235, 240, 245)});
    // The crop: stem, leaves and the ear.
    shapes.push_back({Rect(Stem - 4, 44, 8, SoilTop - 44), QColor(40, 120, 40)});
    for (const auto& [height, length, angle] :
         {std::tuple{112.0, 52.0, -28.0}, {108.0, 52.0, -152.0}, {86.0, 42.0, -38.0}, {82.0, 42.0, -142.0}}) {
        shapes.push_back({Leaf(QPointF(Stem, height), length, angle), QColor(70, 165, 60)});
    }
    QPainterPath ear;
    ear.addEllipse(QPointF(Stem, 38), 9, 18);
    shapes.push_back({ear, QColor(225, 180, 50)});
    shapes.push_back({border.createStroke(tile), QColor(40, 70, 110)});
    return shapes;
}

QImage ProgramIconPicture(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Side, size / Side);
    for (const IconShape& shape : ProgramIconShapes()) painter.fillPath(shape.path, shape.colour);
    return image;
}

QString ProgramIconSvg() {
    QString svg = QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(Side);
    for (const IconShape& shape : ProgramIconShapes()) {
        QString data;
        const QPainterPath& path = shape.path;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element element = path.elementAt(i);
            const QString point = Number(element.x) + ' ' + Number(element.y);
            if (element.isMoveTo()) {
                data += (data.isEmpty() ? "M" : " M") + point;
            } else if (element.isLineTo()) {
                data += " L" + point;
            } else if (element.isCurveTo()) {
                data += " C" + point;
            } else {
                data += ' ' + point;
            }
        }
        svg += QString("  <path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
                   .arg(shape.colour.name(), path.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd", data);
    }
    return svg + "</svg>\n";
}

}  // namespace vantorel::pictures
