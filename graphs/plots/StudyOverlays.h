#pragma once
// The overlay charts of a scenario study: the water-table depth and each zone's salinity of
// every completed scenario that is no sample of a sampled row.

#include <string>
#include <vector>

#include "engine/StudyRun.h"
#include "graphs/plots/OverlayPlot.h"

namespace vantorel {

struct StudyChart {
    std::string stem;  // the picture's file name without extension, such as "salinity-layer-1"
    OverlayChart chart;
};

// One chart per quantity that at least one completed scenario has; none when none completed.
std::vector<StudyChart> StudyCharts(const std::vector<ScenarioResult>& results);

}  // namespace vantorel
