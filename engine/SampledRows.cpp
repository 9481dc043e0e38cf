#include "engine/SampledRows.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "engine/ParallelFor.h"
#include "engine/RankCorrelation.h"
#include "model/NumberText.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

std::string Number(double value) { return FormatSignificant(value, 10); }

// The completed samples of each sampled row, rows in the order of their first sample.
std::vector<std::pair<SampledRow, std::vector<const ScenarioResult*>>> GroupSamples(
    const std::vector<ScenarioResult>& results) {
    std::vector<std::pair<SampledRow, std::vector<const ScenarioResult*>>> rows;
    for (const ScenarioResult& result : results) {
        if (result.sampled_row.empty()) continue;
        if (rows.empty() || rows.back().first.name != result.sampled_row) {
            SampledRow row;
            row.name = result.sampled_row;
            rows.emplace_back(std::move(row), std::vector<const ScenarioResult*>{});
        }
        ++rows.back().first.samples;
        if (result.status == RunStatus::Completed && !result.depth.empty()) rows.back().second.push_back(&result);
    }
    return rows;
}

// The series of a sample in the order of StudyBandSeries; none where it has none.
using SampleSeries = std::array<const std::vector<double>*, StudyBandSeries.size()>;
SampleSeries SeriesOf(const ScenarioResult& r) {
    SampleSeries series = {&r.depth, r.drains ? &r.drain : nullptr};
    for (int zone = 0; zone < ZoneCount; ++zone) series[2 + zone] = r.salinity[zone].empty() ? nullptr : &r.salinity[zone];
    return series;
}

std::vector<PredictionBand> Bands(const std::vector<const ScenarioResult*>& samples) {
    std::vector<PredictionBand> bands;
    if (samples.empty()) return bands;
    // The samples of a row share their steps and zones; one that would not is left out rather
    // than read past its end.
    const SampleSeries present = SeriesOf(*samples.front());
    const auto fits = [&present](const SampleSeries& other) {
        for (size_t k = 0; k < present.size(); ++k) {
            if ((present[k] == nullptr) != (other[k] == nullptr)) return false;
            if (present[k] != nullptr && present[k]->size() != other[k]->size()) return false;
        }
        return true;
    };
    std::vector<SampleSeries> series;
    for (const ScenarioResult* sample : samples) {
        if (fits(SeriesOf(*sample))) series.push_back(SeriesOf(*sample));
    }
    std::vector<size_t> kinds;
    for (size_t k = 0; k < present.size(); ++k) {
        if (present[k] != nullptr) kinds.push_back(k);
    }
    const size_t steps = samples.front()->depth.size();
    for (const size_t kind : kinds) bands.push_back(EmptyBand(StudyBandSeries[kind], steps));
    const std::vector<double> equal(series.size(), 1.0);
    ParallelFor(0, static_cast<int>(kinds.size() * steps), [&](int cell, unsigned) {
        const size_t b = static_cast<size_t>(cell) / steps, step = static_cast<size_t>(cell) % steps;
        std::vector<double> values;
        values.reserve(series.size());
        for (const SampleSeries& sample : series) values.push_back((*sample[kinds[b]])[step]);
        std::sort(values.begin(), values.end());
        SetBandQuantiles(bands[b], step, values, equal);
    });
    return bands;
}

}  // namespace

std::vector<SampledRow> SampledRowsOf(const std::vector<ScenarioResult>& results) {
    std::vector<SampledRow> rows;
    for (auto& [row, samples] : GroupSamples(results)) {
        row.completed = samples.size();
        row.bands = Bands(samples);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> StudyBandsCsvLines(const std::vector<SampledRow>& rows) {
    std::vector<std::string> lines = {"name,step,series,p05,p50,p95"};
    for (const SampledRow& row : rows) {
        for (const PredictionBand& band : row.bands) {
            for (size_t step = 0; step < band.p50.size(); ++step) {
                lines.push_back(row.name + ',' + std::to_string(step + 1) + ',' + band.series + ',' +
                                Number(band.p05[step]) + ',' + Number(band.p50[step]) + ',' + Number(band.p95[step]));
            }
        }
    }
    return lines;
}

std::vector<std::string> SensitivityCsvLines(const std::vector<ScenarioResult>& results,
                                             const std::vector<std::string>& sampled_fields) {
    std::vector<std::string> lines = {"name,field,result,spearman"};
    for (const auto& [row, samples] : GroupSamples(results)) {
        if (samples.empty()) continue;
        std::vector<std::vector<SummaryValue>> summaries;
        for (const ScenarioResult* sample : samples) summaries.push_back(StudySummaryValues(*sample));
        for (const std::string& field : sampled_fields) {
            std::vector<double> inputs;
            for (const ScenarioResult* sample : samples) {
                for (const SampledValue& value : sample->samples) {
                    if (value.field == field) inputs.push_back(value.value);
                }
            }
            if (inputs.size() != samples.size()) continue;  // the row does not sample this field
            for (size_t v = 0; v < summaries.front().size(); ++v) {
                std::vector<double> outputs;
                for (const std::vector<SummaryValue>& summary : summaries) {
                    if (summary[v].value) outputs.push_back(*summary[v].value);
                }
                if (outputs.size() != samples.size()) continue;
                const std::optional<double> rho = SpearmanCorrelation(inputs, outputs);
                lines.push_back(row.name + ',' + field + ',' + summaries.front()[v].column + ',' +
                                (rho ? Number(*rho) : std::string()));
            }
        }
    }
    return lines;
}

void WriteSampledRowTables(const std::string& folder, const std::vector<SampledRow>& rows,
                           const std::vector<ScenarioResult>& results, const std::vector<std::string>& sampled_fields) {
    const std::filesystem::path place(folder);
    WriteLinesFile((place / StudyBandsFile).string(), StudyBandsCsvLines(rows));
    WriteLinesFile((place / StudySensitivityFile).string(), SensitivityCsvLines(results, sampled_fields));
}

void RemoveSampledRowTables(const std::string& folder) {
    for (const char* table : {StudyBandsFile, StudySensitivityFile}) {
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(folder) / table, ignored);
    }
}

std::optional<std::string> SampledValuesRefusal(const Study& expanded, const InputData& base) {
    const int64_t series = 4 + base.NrLayers;  // the water table, the drain discharge, each zone
    int64_t total = 0, one_of_each_row = 0;
    std::string last_row;
    for (const Scenario& scenario : expanded.scenarios) {
        if (scenario.sampled_row.empty()) continue;
        int64_t steps = base.NrTimeSteps;
        for (size_t c = 0; c < expanded.columns.size(); ++c) {
            if (expanded.columns[c]->kind == StudyFieldKind::Repeat && scenario.changes[c].kind != CellChange::Kind::Keep) {
                steps *= static_cast<int64_t>(scenario.changes[c].value);
            }
        }
        // A sample of more steps is refused and keeps nothing.
        if (steps > MostRepeatedSteps) steps = 0;
        total += steps * series;
        if (scenario.sampled_row != last_row) one_of_each_row += steps * series;
        last_row = scenario.sampled_row;
    }
    if (total <= MostSampledValues) return std::nullopt;
    return "the samples would keep " + std::to_string(total) + " values of their results in memory for their bands, "
           "more than " + std::to_string(MostSampledValues) + ": take at most " +
           std::to_string(std::max<int64_t>(1, MostSampledValues / one_of_each_row)) + " samples";
}

}  // namespace vantorel
