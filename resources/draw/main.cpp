// vantorel-draw-pictures PICTURES ICONS: draws the pictures of the help pages and of the calculator
// window into PICTURES (resources/pictures), where the program takes them from, and the program's
// icon into ICONS (resources/icons), from where it is installed.

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <iostream>
#include <utility>
#include <vector>

#include "resources/draw/JpegWriter.h"
#include "resources/draw/ProgramIcon.h"
#include "resources/draw/Sketch.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "Usage: vantorel-draw-pictures PICTURES ICONS\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    using namespace vantorel::pictures;
    int failures = 0;
    const std::string geometry = folder.filePath("calculator-geometry.jpg").toStdString();
    if (const std::string error = WriteJpeg(GeometryPicture(), geometry, 92); !error.empty()) {
        std::cerr << error << '\n';
        ++failures;
    }
    std::vector<std::pair<QString, QImage>> pngs = {{folder.filePath("intro-plant.png"), PlantPicture()},
                                                    {folder.filePath("water-movement.png"), WaterMovementPicture()}};
    for (const int size : ProgramIconSizes) {
        pngs.emplace_back(icons.filePath(QString("vantorel-%1.png").arg(size)), ProgramIconPicture(size));
    }
    for (const auto& [path, picture] : pngs) {
        if (!picture.save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            ++failures;
        }
    }
    QFile svg(icons.filePath("vantorel.svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(ProgramIconSvg().toUtf8()) < 0) {
        std::cerr << "cannot write " << svg.fileName().toStdString() << '\n';
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
