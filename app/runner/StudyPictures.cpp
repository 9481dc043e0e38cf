#include "app/runner/StudyPictures.h"

#include <filesystem>

#include "app/runner/GraphExport.h"
#include "graphs/plots/OffscreenApplication.h"
#include "graphs/plots/StudyOverlays.h"
#include "model/TextFile.h"

namespace vantorel {

PictureFiles SaveStudyPictures(const std::vector<ScenarioResult>& results, const std::string& folder) {
    PictureFiles pictures;
    const std::vector<StudyChart> charts = StudyCharts(results);
    if (charts.empty()) return pictures;
    EnsureOffscreenApplication();
    for (const StudyChart& chart : charts) {
        const std::string path = (std::filesystem::path(folder) / (chart.stem + ".png")).string();
        try {
            SaveOverlayPicture(chart.chart, path);
        } catch (const FileError& error) {
            pictures.error = error.what();
            return pictures;
        }
        pictures.files.push_back(path);
    }
    return pictures;
}

}  // namespace vantorel
