// vantorel-draw-pictures FOLDER: draws the pictures of the help pages and of the calculator
// window into FOLDER (resources/pictures), where the program takes them from.

#include <QDir>
#include <QGuiApplication>

#include <iostream>

#include "resources/draw/JpegWriter.h"
#include "resources/draw/Sketch.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "Usage: vantorel-draw-pictures FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using namespace vantorel::pictures;
    int failures = 0;
    const std::string geometry = folder.filePath("calculator-geometry.jpg").toStdString();
    if (const std::string error = WriteJpeg(GeometryPicture(), geometry, 92); !error.empty()) {
        std::cerr << error << '\n';
        ++failures;
    }
    for (const auto& [name, picture] : {std::pair{"intro-plant.png", PlantPicture()},
                                        std::pair{"water-movement.png", WaterMovementPicture()}}) {
        const QString path = folder.filePath(name);
        if (!picture.save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
