#include "engine/StudySamples.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "engine/SampledRows.h"
#include "model/TextFile.h"

namespace vantorel {

std::optional<SampledCellPlace> FirstSampledCell(const Study& study) {
    for (const Scenario& scenario : study.scenarios) {
        for (size_t c = 0; c < study.columns.size(); ++c) {
            if (scenario.changes[c].sampling) return SampledCellPlace{scenario.line, study.columns[c]->name, scenario.name};
        }
    }
    return std::nullopt;
}

std::vector<std::string> SampledFields(const Study& study) {
    std::vector<std::string> fields;
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const bool sampled = std::any_of(study.scenarios.begin(), study.scenarios.end(),
                                         [c](const Scenario& s) { return s.changes[c].sampling.has_value(); });
        if (sampled) fields.emplace_back(study.columns[c]->name);
    }
    return fields;
}

Study ExpandSamples(const Study& study, int32_t samples, uint64_t seed, const std::string& path) {
    const size_t digits = std::max<size_t>(4, std::to_string(samples).size());
    Study expanded;
    expanded.columns = study.columns;
    // Names of rows are unique, and the samples of two rows differ by their rows' names: a name
    // can only be taken twice by a row and a sample of another row.
    struct Origin {
        size_t line;
        std::string sampled_row;
    };
    std::map<std::string, Origin> named;
    const auto number = [digits](int32_t k) {
        std::string text = std::to_string(k);
        return text.insert(0, digits - text.size(), '0');
    };
    const auto take_name = [&](const std::string& name, const Origin& origin) {
        const auto [place, fresh] = named.emplace(name, origin);
        if (fresh) return;
        const Origin& sampled = origin.sampled_row.empty() ? place->second : origin;
        throw FileError("The file " + path + " could not be read, line " +
                        std::to_string(std::max(origin.line, place->second.line)) + ": the scenario name '" + name +
                        "' is given twice: the row '" + sampled.sampled_row + "' on line " +
                        std::to_string(sampled.line) + " is sampled into " + sampled.sampled_row + "-" + number(1) +
                        " .. " + sampled.sampled_row + "-" + number(samples) + ".");
    };
    for (const Scenario& row : study.scenarios) {
        if (std::none_of(row.changes.begin(), row.changes.end(), [](const CellChange& c) { return c.sampling.has_value(); })) {
            take_name(row.name, {row.line, {}});
            expanded.scenarios.push_back(row);
            continue;
        }
        const size_t first = expanded.scenarios.size();
        for (int32_t k = 1; k <= samples; ++k) {
            Scenario sample = row;
            sample.name = row.name + "-" + number(k);
            sample.sampled_row = row.name;
            take_name(sample.name, {row.line, row.name});
            expanded.scenarios.push_back(std::move(sample));
        }
        for (size_t c = 0; c < study.columns.size(); ++c) {
            const CellChange& cell = row.changes[c];
            if (!cell.sampling) continue;
            std::mt19937_64 generator = CellGenerator(seed, row.name, study.columns[c]->name);
            for (int32_t k = 0; k < samples; ++k) {
                CellChange& drawn = expanded.scenarios[first + static_cast<size_t>(k)].changes[c];
                drawn.value = SampleAt(*cell.sampling, OpenUnitInterval(generator()));
                drawn.drawn = true;
            }
        }
    }
    return expanded;
}

std::optional<uint64_t> ParseWholeNumber(std::string_view text) {
    uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return seed;
}

Study SampleStudy(const Study& study, const StudySampling& sampling, const InputData& base, const std::string& path) {
    const std::optional<SampledCellPlace> sampled = FirstSampledCell(study);
    if (!sampling.samples) {
        if (!sampled) return study;
        throw StudySamplingError("The study " + path + ", line " + std::to_string(sampled->line) + ", column '" +
                                 sampled->field + "', scenario " + sampled->scenario +
                                 ": a sampled cell needs a number of samples.");
    }
    if (!sampled) {
        throw StudySamplingError("The study " + path +
                                 " samples no cell (~uniform(a,b), ~normal(m,s), ~lognormal(m,s) or "
                                 "~triangular(a,c,b)), but a number of samples is given.");
    }
    if (*sampling.samples < 1 || *sampling.samples > MostSamples) {
        throw StudySamplingError("The number of samples must be a whole number from 1 to " +
                                 std::to_string(MostSamples) + ", not " + std::to_string(*sampling.samples) + ".");
    }
    Study expanded = ExpandSamples(study, *sampling.samples, sampling.seed, path);
    if (const auto refusal = SampledValuesRefusal(expanded, base)) {
        throw StudySamplingError("The study " + path + ": " + *refusal + ".");
    }
    return expanded;
}

}  // namespace vantorel
