#pragma once
// What the samples of a study's sampled rows say together: per row, the 5, 50 and 95 % quantiles
// of each result series step by step over its completed samples (bands.csv), and the rank
// correlation of each sampled field with each summary value (sensitivity.csv), which shows the
// uncertain input that matters.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/PredictionBands.h"
#include "engine/StudyRun.h"

namespace vantorel {

struct SampledRow {
    std::string name;
    size_t samples = 0, completed = 0;
    std::vector<PredictionBand> bands;  // none when no sample completed; no measurements
};

// The sampled rows in the order of the results, each with the bands of the series its completed
// samples have (StudyBandSeries): the water table, the drain discharge where there are drains, and
// each zone's salinity, in the output file's units. A quantile is the smallest value of the
// samples that at least that share of them reaches.
std::vector<SampledRow> SampledRowsOf(const std::vector<ScenarioResult>& results);

// "name,step,series,p05,p50,p95", then row by row each series step by step.
std::vector<std::string> StudyBandsCsvLines(const std::vector<SampledRow>& rows);

// "name,field,result,spearman", then per sampled row, per field it samples (in the order given)
// and per summary value its completed samples all have (StudySummaryValues), the Spearman
// correlation over them; empty where it is undefined (fewer than two samples, or a side that does
// not vary).
std::vector<std::string> SensitivityCsvLines(const std::vector<ScenarioResult>& results,
                                             const std::vector<std::string>& sampled_fields);

// The files of the two tables in a study's folder.
inline constexpr const char* StudyBandsFile = "bands.csv";
inline constexpr const char* StudySensitivityFile = "sensitivity.csv";

// Writes both tables of the sampled rows into the folder. Throws FileError.
void WriteSampledRowTables(const std::string& folder, const std::vector<SampledRow>& rows,
                           const std::vector<ScenarioResult>& results, const std::vector<std::string>& sampled_fields);

// Removes the two tables of an earlier study from the folder, which a study cut short would leave
// beside a summary they do not fit.
void RemoveSampledRowTables(const std::string& folder);

// The sampled rows keep their samples' result series in memory until their bands are made: at
// most this many values.
inline constexpr int64_t MostSampledValues = int64_t{1} << 27;

// Why the samples of the expanded study would keep too many values of the base's results, or
// nothing.
std::optional<std::string> SampledValuesRefusal(const Study& expanded, const InputData& base);

}  // namespace vantorel
