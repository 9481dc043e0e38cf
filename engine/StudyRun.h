#pragma once
// Running the scenarios of a study, and the results a summary and overlay graphs are made of.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/FileRun.h"
#include "engine/ScenarioStudy.h"

namespace vantorel {

struct ScenarioResult {
    std::string name;
    bool base = false;  // every cell of its row is empty
    RunStatus status = RunStatus::Refused;
    std::string message;              // why it did not complete
    std::vector<std::string> dialog;  // the run's questions and messages
    std::string input, output;        // FOLDER/NAME.inp and FOLDER/NAME.out

    // The drainage factors the run used (none without a drainage system), and what is read back
    // from the output file of a completed scenario.
    bool drains = false;
    double qh1 = 0, qh2 = 0;
    int32_t layers = 0;
    std::vector<double> depth;                            // the DepthWT column, m
    std::array<std::vector<double>, ZoneCount> salinity;  // per zone; empty for layers the root zone lacks
    std::optional<CalendarDay> start;                     // the first day of step 1, where known
    int32_t ts = 0;
    double percolation = 0, capillary_rise = 0, evapotranspiration = 0, drain_discharge = 0, surface_drainage = 0;
};

// Makes the scenario's data set from the base, writes it to FOLDER/NAME.inp with the program's
// writer, reads it back from that file and runs it from there. A refused scenario writes nothing.
ScenarioResult RunScenario(const Study& study, const Scenario& scenario, const InputData& base,
                           const std::string& folder, const RunAnswers& answers);

// Why the study may not run into the folder: a scenario whose input or output file would be the
// base input file itself. Nothing when it may.
std::optional<std::string> StudyWouldOverwriteBase(const Study& study, const std::string& base_file,
                                                   const std::string& folder);

// The header of summary.csv, and one scenario's row.
std::vector<std::string> StudySummaryHeader();
std::vector<std::string> StudySummaryRow(const ScenarioResult& result);

// Writes FOLDER/summary.csv, one row per scenario in the order given. Throws FileError.
void WriteStudySummary(const std::string& path, const std::vector<ScenarioResult>& results);

}  // namespace vantorel
