#pragma once
// What the analysis views keep of the last run made in the window: its own series' statistics and
// searches. An output file opened afterwards gives statistics only, from the values it prints.

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
    bool from_output_file = false;  // the statistics of an output file opened, not of a run
};

// Right after a completed run.
CalibrationRun KeepCalibrationRun(const ModelState& completed_run);
// An output file read back with the measurements of its input file.
CalibrationRun KeepOutputFileStatistics(const ModelState& read_files);

}  // namespace vantorel
