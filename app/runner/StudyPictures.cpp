#include "app/runner/StudyPictures.h"

#include <qcustomplot.h>

#include <filesystem>

#include "app/runner/GraphExport.h"
#include "graphs/plots/OffscreenApplication.h"
#include "graphs/plots/PlotFiles.h"
#include "graphs/plots/StudyBandCharts.h"
#include "graphs/plots/StudyOverlays.h"
#include "model/TextFile.h"

namespace vantorel {

PictureFiles SaveStudyPictures(const std::vector<ScenarioResult>& results, const std::vector<SampledRow>& rows,
                               const std::string& folder) {
    PictureFiles pictures;
    const std::vector<StudyChart> charts = StudyCharts(results);
    const std::vector<StudyBandChart> bands = StudyBandCharts(rows);
    if (charts.empty() && bands.empty()) return pictures;
    EnsureOffscreenApplication();
    const auto path = [&folder](const std::string& stem) { return (std::filesystem::path(folder) / (stem + ".png")).string(); };
    try {
        for (const StudyChart& chart : charts) {
            SaveOverlayPicture(chart.chart, path(chart.stem));
            pictures.files.push_back(path(chart.stem));
        }
        QCustomPlot plot;
        for (const StudyBandChart& band : bands) {
            DrawStudyBand(plot, band);
            SavePlotPicture(plot, path(band.stem));
            pictures.files.push_back(path(band.stem));
        }
    } catch (const FileError& error) {
        pictures.error = error.what();
    }
    return pictures;
}

}  // namespace vantorel
