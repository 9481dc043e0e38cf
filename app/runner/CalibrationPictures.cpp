#include "app/runner/CalibrationPictures.h"

#include <qcustomplot.h>

#include <filesystem>

#include "engine/CalibrationTables.h"
#include "graphs/plots/LeachingCurvesPlot.h"
#include "graphs/plots/ObjectiveMapPlot.h"
#include "graphs/plots/OffscreenApplication.h"
#include "graphs/plots/PlotFiles.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

// Saves the plot as FOLDER/NAME into the pictures; false when it could not be written.
bool Save(QCustomPlot& plot, const std::string& folder, const std::string& name, PictureFiles& pictures) {
    const std::string path = (std::filesystem::path(folder) / name).string();
    try {
        SavePlotPicture(plot, path);
    } catch (const FileError& failure) {
        pictures.error = failure.what();
        return false;
    }
    pictures.files.push_back(path);
    return true;
}

}  // namespace

PictureFiles SaveObjectiveMapPictures(const ObjectiveMap& map, double percent, const RunValues& run,
                                      const std::string& folder) {
    EnsureOffscreenApplication();
    PictureFiles pictures;
    QCustomPlot plot;
    for (const DrainageObjective objective : DrainageObjectives) {
        if (!IsMeaningful(map, objective)) continue;
        BuildObjectiveMapPlot(plot, map, {objective, percent, std::pair{run.QH1Used, run.QH2Used}});
        if (!Save(plot, folder, std::string("objective-map-") + ObjectiveFileName(objective) + ".png", pictures)) break;
    }
    return pictures;
}

PictureFiles SaveLeachingCurvesPicture(const RunValues& run, const std::string& folder) {
    EnsureOffscreenApplication();
    PictureFiles pictures;
    QCustomPlot curves;
    BuildLeachingCurvesPlot(curves, run.LeachingCurves);
    Save(curves, folder, "leaching-curves.png", pictures);
    return pictures;
}

}  // namespace vantorel
