#pragma once
// What the analysis views keep of the last run made in the window: its own series' statistics and
// searches, not a file read back.

#include <string>
#include <utility>
#include <vector>

#include "engine/FitStatistics.h"

namespace vantorel {

struct CalibrationRun {
    std::string output_file;
    std::vector<FitStatistics> statistics;
    std::vector<LeachingCurve> leaching_curves;
    std::pair<double, double> drainage_factors;  // QH1 and QH2 the run used
    bool drains = false;
};

// Right after a completed run.
CalibrationRun KeepCalibrationRun(const ModelState& completed_run);

}  // namespace vantorel
