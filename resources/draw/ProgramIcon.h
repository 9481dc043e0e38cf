#pragma once
// The program's icon, for the desktop's menus and file managers: a field in cross-section, a crop
// above the soil, the water table with its mark and a drain below. Drawn as filled shapes on a
// 256 by 256 square, so that the scalable and the bitmap icons are the same picture.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <vector>

namespace vantorel::pictures {

struct IconShape {
    QPainterPath path;
    QColor colour;
};

// The bitmap sizes installed beside the scalable icon (packaging/CMakeLists.txt lists them too).
inline constexpr int ProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Back to front.
std::vector<IconShape> ProgramIconShapes();

// The icon at size by size pixels, transparent around the tile.
QImage ProgramIconPicture(int size);

// The icon as an SVG document.
QString ProgramIconSvg();

}  // namespace vantorel::pictures
