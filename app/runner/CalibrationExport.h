#pragma once
// The calibration results of vantorel-run: the fit statistics, the drainage-factor objective map
// with its pictures, and the leaching curves.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/runner/CommandLine.h"
#include "engine/FitStatistics.h"
#include "model/ModelState.h"

namespace vantorel {

struct CalibrationOptions {
    std::optional<std::string> statistics_file;  // --statistics
    std::optional<std::string> map_folder;       // --objective-map
    double near_optimal_percent = 5;             // --near-optimal
};

// Throws UsageError for an option that cannot be taken: a percentage outside (0, 100], or an
// option that needs a run where there is none.
CalibrationOptions ReadCalibrationOptions(const CommandLine& line);

// Writes the statistics as CSV (the folder created when missing); the error naming the file, or
// nothing.
std::optional<std::string> ExportFitStatistics(const std::vector<FitStatistics>& rows, const std::string& path);

// Before a run: why the data set cannot be mapped, or nothing.
std::optional<std::string> ObjectiveMapRefusal(const CalibrationOptions& options, const InputData& loaded);

// After a completed run: writes what the options ask for and prints the map's summary; `loaded` is
// the data set as loaded, before the run. Returns the error of the first file that could not be
// written, or nothing.
std::optional<std::string> ExportCalibration(const CalibrationOptions& options, const InputData& loaded,
                                             const ModelState& completed_run,
                                             const std::vector<FitStatistics>& statistics, std::ostream& out);

}  // namespace vantorel
