#include "graphs/plots/StudyOverlays.h"

namespace vantorel {

std::vector<StudyChart> StudyCharts(const std::vector<ScenarioResult>& results) {
    struct Quantity {
        const char* stem;
        const char* title;
        int zone;  // -1: the water-table depth
    };
    static constexpr Quantity quantities[] = {
        {StudyPictureStems[0], "Depth of the water table", -1},
        {StudyPictureStems[1], "Salinity of root-zone layer 1", Layer1},
        {StudyPictureStems[2], "Salinity of root-zone layer 2", Layer2},
        {StudyPictureStems[3], "Salinity of root-zone layer 3", Layer3},
        {StudyPictureStems[4], "Salinity of the transition zone", TransitionZone},
        {StudyPictureStems[5], "Salinity of the aquifer", Aquifer},
    };
    std::vector<StudyChart> charts;
    for (const Quantity& q : quantities) {
        StudyChart chart{q.stem, {q.title, q.zone < 0 ? "Depth (m below the surface)" : "Salinity (dS/m)", q.zone < 0, {}, {}}};
        for (const ScenarioResult& result : results) {
            // A sampled row shows as its bands: a line per sample would bury the other scenarios.
            if (result.status != RunStatus::Completed || !result.sampled_row.empty()) continue;
            const std::vector<double>& values = q.zone < 0 ? result.depth : result.salinity[q.zone];
            if (values.empty()) continue;
            chart.chart.lines.push_back({result.name, values, result.base});
            // The scenarios share the base's start and step length.
            chart.chart.calendar = {result.start, result.ts};
        }
        if (!chart.chart.lines.empty()) charts.push_back(std::move(chart));
    }
    return charts;
}

}  // namespace vantorel
