#pragma once
// Running the scenarios of a study, and the results a summary and overlay graphs are made of.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/FileRun.h"
#include "engine/ScenarioStudy.h"

namespace vantorel {

// The value a sample used for a sampled field.
struct SampledValue {
    std::string field;
    double value = 0;
};

struct ScenarioResult {
    std::string name;
    bool base = false;  // every cell of its row is empty
    // A sample: the row it was drawn from, and per sampled field the value it used (a value set
    // as the scenario's input file keeps it, once it ran; a factor or an addend as drawn).
    std::string sampled_row;
    std::vector<SampledValue> samples;
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
    std::vector<double> drain;                            // the drain discharge, mm per time step
    std::array<std::vector<double>, ZoneCount> salinity;  // per zone; empty for layers the root zone lacks
    std::optional<CalendarDay> start;                     // the first day of step 1, where known
    int32_t ts = 0;
    double percolation = 0, capillary_rise = 0, evapotranspiration = 0, drain_discharge = 0, surface_drainage = 0;
};

// Makes the scenario's data set from the base, writes it to FOLDER/NAME.inp with the program's
// writer, reads it back from that file and runs it from there. A refused or interrupted scenario
// leaves no file; once `stop` is requested the run ends early, or does not start.
ScenarioResult RunScenario(const Study& study, const Scenario& scenario, const InputData& base,
                           const std::string& folder, const RunAnswers& answers, const StopRequest* stop = nullptr);

// The overlay pictures a study writes into its folder, by name without extension: the water
// table, then the salinity of each zone.
inline constexpr std::array<const char*, 1 + ZoneCount> StudyPictureStems = {
    "water-table",      "salinity-layer-1",         "salinity-layer-2",
    "salinity-layer-3", "salinity-transition-zone", "salinity-aquifer"};

// The series of a sampled row's bands (bands.csv), those its samples have in this order.
inline constexpr std::array<const char*, 2 + ZoneCount> StudyBandSeries = {
    "water_table_depth", "drain_discharge",          "salinity_layer_1", "salinity_layer_2",
    "salinity_layer_3",  "salinity_transition_zone", "salinity_aquifer"};

// The picture of one band of a sampled row, by name without extension: "bands-ROW-water-table-depth".
std::string StudyBandPictureStem(const std::string& row, const std::string& series);

// Every file a study may write into the folder: each scenario's NAME.inp and NAME.out,
// summary.csv and the pictures; with samples also bands.csv, sensitivity.csv and the pictures of
// the bands (StudyBandPictureStem).
std::vector<std::string> StudyFiles(const Study& study, const std::string& folder);

// Why the study may not run into the folder: a file it would write is the base input file or the
// study file (empty when the study has none), by whatever path. Nothing when it may.
std::optional<std::string> StudyWouldOverwriteInput(const Study& study, const std::string& base_file,
                                                    const std::string& study_file, const std::string& folder);

// The header of summary.csv, one column more for each sampled field (SampledFields), and one
// scenario's row, whose sampled columns are empty but for a sample's.
std::vector<std::string> StudySummaryHeader(const std::vector<std::string>& sampled_fields = {});
std::vector<std::string> StudySummaryRow(const ScenarioResult& result,
                                         const std::vector<std::string>& sampled_fields = {});

// The numbers of a completed scenario's summary row after its steps, by their column names
// (qh1, qh2, mean_depth, ...); nothing where the row is empty.
struct SummaryValue {
    const char* column;
    std::optional<double> value;
};
std::vector<SummaryValue> StudySummaryValues(const ScenarioResult& result);

// Writes FOLDER/summary.csv, one row per scenario in the order given. Throws FileError.
void WriteStudySummary(const std::string& path, const std::vector<ScenarioResult>& results,
                       const std::vector<std::string>& sampled_fields = {});

}  // namespace vantorel
