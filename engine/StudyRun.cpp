#include "engine/StudyRun.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <set>

#include "engine/SampledRows.h"
#include "engine/UncertaintyTables.h"
#include "model/CsvFile.h"
#include "model/FileIdentity.h"
#include "model/InputFile.h"
#include "model/OutputFileReader.h"
#include "model/SilentDialogs.h"
#include "model/TextFile.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

double StepSum(const StepSeries& series, int32_t steps) {
    return std::accumulate(series.begin() + 1, series.begin() + 1 + steps, 0.0);
}

// The results of the output file as written; false with the reason when it cannot be read.
bool ReadResults(ScenarioResult& result) {
    SilentDialogs dialogs;
    OutputFileResults read;
    try {
        read = ReadOutputFile(result.output, dialogs);
    } catch (const FileError& error) {
        result.message = error.what();
        return false;
    }
    if (read.Invalid) {
        result.message = dialogs.last_message;
        return false;
    }
    const int32_t n = read.NrTimeSteps;
    const auto steps = [n](const StepSeries& series) { return std::vector<double>(series.begin() + 1, series.begin() + 1 + n); };
    result.layers = read.NrLayers;
    result.depth = steps(read.Series(WaterTableDepth));
    result.drain = steps(read.Series(DrainDischarge));
    for (int zone = 0; zone < ZoneCount; ++zone) {
        const bool exists = zone >= TransitionZone || zone < read.NrLayers;
        if (exists) result.salinity[zone] = steps(read.Series(ZoneSalinities[zone]));
    }
    result.percolation = StepSum(read.Series(Percolation), n);
    result.capillary_rise = StepSum(read.Series(CapillaryRise), n);
    result.evapotranspiration = StepSum(read.Series(ActualEvapotranspiration), n);
    result.drain_discharge = StepSum(read.Series(DrainDischarge), n);
    result.surface_drainage = StepSum(read.Series(SurfaceDrainage), n);
    return true;
}

// Per sampled field the value drawn; once the scenario ran, a value it set as its input file
// keeps it (rounded to the file's decimals).
std::vector<SampledValue> SampledValues(const Study& study, const Scenario& scenario, const InputData* used) {
    std::vector<SampledValue> values;
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const CellChange& change = scenario.changes[c];
        if (!change.sampling) continue;
        const StudyField& field = *study.columns[c];
        double value = change.value;
        if (used != nullptr && change.kind == CellChange::Kind::Set) {
            if (field.kind == StudyFieldKind::Number) value = used->*field.number;
            if (field.kind == StudyFieldKind::Series && used->NrTimeSteps > 0) value = (used->*field.series)[1];
        }
        values.push_back({field.name, value});
    }
    return values;
}

}  // namespace

ScenarioResult RunScenario(const Study& study, const Scenario& scenario, const InputData& base,
                           const std::string& folder, const RunAnswers& answers, const StopRequest* stop) {
    ScenarioResult result;
    result.name = scenario.name;
    result.base = IsBaseScenario(scenario);
    result.sampled_row = scenario.sampled_row;
    result.samples = SampledValues(study, scenario, nullptr);
    result.input = (std::filesystem::path(folder) / (scenario.name + ".inp")).string();
    result.output = (std::filesystem::path(folder) / (scenario.name + ".out")).string();

    if (StopRequested(stop)) {
        result.status = RunStatus::Interrupted;
        result.message = "Scenario " + scenario.name + ": not run, the study was interrupted";
        return result;
    }
    InputData variant = base;
    if (auto refusal = ApplyScenario(study, scenario, variant)) {
        result.message = *refusal;
        return result;
    }
    variant.FileName = result.input;
    try {
        SaveInputFile(variant);
    } catch (const FileError& error) {
        if (dynamic_cast<const FileWriteError*>(&error) != nullptr) result.status = RunStatus::Unwritable;
        result.message = "Scenario " + scenario.name + ": " + error.what();
        return result;
    }
    FileRunOptions options;
    options.answers = answers;
    options.stop = stop;
    ModelState state;
    FileRunResult run = RunInputFile(state, result.input, options);
    result.dialog = std::move(run.dialog);
    // A file that does not read back (changed or removed meanwhile) refuses the scenario.
    result.status = run.status == RunStatus::Unreadable ? RunStatus::Refused : run.status;
    if (run.status != RunStatus::Completed) {
        result.message = "Scenario " + scenario.name + ": " + run.message;
        // A stopped scenario keeps its input file, which shows the stop again.
        if (result.status == RunStatus::Refused || result.status == RunStatus::Interrupted) {
            std::error_code ignored;
            std::filesystem::remove(result.input, ignored);
        }
        return result;
    }
    // The header of the output file rounds the factors; the run knows them as it used them.
    result.drains = state.Input.DrainPresent;
    result.qh1 = state.Run.QH1Used;
    result.qh2 = state.Run.QH2Used;
    result.start = state.Input.StartDate;
    result.ts = state.Input.Ts;
    result.samples = SampledValues(study, scenario, &state.Input);
    if (!ReadResults(result)) result.status = RunStatus::Stopped;
    return result;
}

std::vector<std::string> StudyFiles(const Study& study, const std::string& folder) {
    const std::filesystem::path place(folder);
    std::vector<std::string> files;
    for (const Scenario& scenario : study.scenarios) {
        for (const char* extension : {".inp", ".out"}) files.push_back((place / (scenario.name + extension)).string());
    }
    files.push_back((place / "summary.csv").string());
    for (const char* stem : StudyPictureStems) files.push_back((place / (std::string(stem) + ".png")).string());
    std::set<std::string> sampled_rows;
    for (const Scenario& scenario : study.scenarios) {
        if (scenario.sampled_row.empty() || !sampled_rows.insert(scenario.sampled_row).second) continue;
        for (const char* series : StudyBandSeries) {
            files.push_back((place / (StudyBandPictureStem(scenario.sampled_row, series) + ".png")).string());
        }
    }
    if (!sampled_rows.empty()) {
        for (const char* table : {StudyBandsFile, StudySensitivityFile}) files.push_back((place / table).string());
    }
    return files;
}

std::string StudyBandPictureStem(const std::string& row, const std::string& series) {
    return "bands-" + row + "-" + BandFileName(series);
}

std::optional<std::string> StudyWouldOverwriteInput(const Study& study, const std::string& base_file,
                                                    const std::string& study_file, const std::string& folder) {
    for (const std::string& file : StudyFiles(study, folder)) {
        if (SameFile(file, base_file)) {
            return "The study would overwrite the base input file " + base_file + " with " + file +
                   "; choose another study folder or name.";
        }
        if (!study_file.empty() && SameFile(file, study_file)) {
            return "The study would overwrite the study file " + study_file + " with " + file +
                   "; choose another study folder or name.";
        }
    }
    return std::nullopt;
}

std::vector<std::string> StudySummaryHeader(const std::vector<std::string>& sampled_fields) {
    std::vector<std::string> header = {"name", "status", "message", "steps"};
    for (const SummaryValue& value : StudySummaryValues(ScenarioResult{})) header.emplace_back(value.column);
    header.insert(header.end(), sampled_fields.begin(), sampled_fields.end());
    return header;
}

std::vector<SummaryValue> StudySummaryValues(const ScenarioResult& r) {
    std::vector<SummaryValue> values = {{"qh1", {}},
                                        {"qh2", {}},
                                        {"mean_depth", {}},
                                        {"shallowest_depth", {}},
                                        {"percolation", {}},
                                        {"capillary_rise", {}},
                                        {"evapotranspiration", {}},
                                        {"drain_discharge", {}},
                                        {"surface_drainage", {}},
                                        {"salinity_layer_1", {}},
                                        {"salinity_layer_2", {}},
                                        {"salinity_layer_3", {}},
                                        {"salinity_transition_zone", {}},
                                        {"salinity_aquifer", {}}};
    if (r.status != RunStatus::Completed || r.depth.empty()) return values;
    if (r.drains) {
        values[0].value = r.qh1;
        values[1].value = r.qh2;
    }
    values[2].value = std::accumulate(r.depth.begin(), r.depth.end(), 0.0) / static_cast<double>(r.depth.size());
    values[3].value = *std::min_element(r.depth.begin(), r.depth.end());
    const double sums[] = {r.percolation, r.capillary_rise, r.evapotranspiration, r.drain_discharge, r.surface_drainage};
    for (size_t i = 0; i < std::size(sums); ++i) values[4 + i].value = sums[i];
    for (int zone = 0; zone < ZoneCount; ++zone) {
        if (!r.salinity[zone].empty()) values[9 + static_cast<size_t>(zone)].value = r.salinity[zone].back();
    }
    return values;
}

std::vector<std::string> StudySummaryRow(const ScenarioResult& r, const std::vector<std::string>& sampled_fields) {
    std::vector<std::string> row = {r.name, RunStatusName(r.status), r.message};
    const bool results = r.status == RunStatus::Completed && !r.depth.empty();
    row.push_back(results ? std::to_string(r.depth.size()) : "");
    for (const SummaryValue& value : StudySummaryValues(r)) row.push_back(value.value ? FormatSignificant(*value.value, 10) : "");
    for (const std::string& field : sampled_fields) {
        const auto used = std::find_if(r.samples.begin(), r.samples.end(), [&](const SampledValue& s) { return s.field == field; });
        row.push_back(used == r.samples.end() ? "" : FormatSignificant(used->value, 10));
    }
    return row;
}

void WriteStudySummary(const std::string& path, const std::vector<ScenarioResult>& results,
                       const std::vector<std::string>& sampled_fields) {
    AtomicFileWriter writer(path);
    writer.Line(CsvLine(StudySummaryHeader(sampled_fields)));
    for (const ScenarioResult& result : results) writer.Line(CsvLine(StudySummaryRow(result, sampled_fields)));
    writer.Commit();
}

}  // namespace vantorel
