#pragma once
// Monte Carlo studies: a row that samples cells (~normal(m,s), ...) runs as many scenarios, each
// with values drawn for its sampled cells before anything runs, so that the same seed gives the
// same scenarios whatever runs them and in whatever order.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ScenarioStudy.h"

namespace vantorel {

// The most samples a sampled row may be run with.
inline constexpr int32_t MostSamples = 100'000;

// How a study is sampled: the samples of each sampled row (none for a study that samples no
// cell) and the seed of the draws.
struct StudySampling {
    std::optional<int32_t> samples;
    uint64_t seed = 1;
};

// A seed or a count of samples: a whole number from 0 to 18446744073709551615 written in digits
// alone; nothing for any other text.
std::optional<uint64_t> ParseWholeNumber(std::string_view text);

// A sampling that does not fit the study; the message says why.
class StudySamplingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the study samples a cell first: the line, the field and the scenario; nothing when it
// samples none.
struct SampledCellPlace {
    size_t line = 0;
    std::string field, scenario;
};
std::optional<SampledCellPlace> FirstSampledCell(const Study& study);

// The fields of the columns that sample a cell in some row, in column order.
std::vector<std::string> SampledFields(const Study& study);

// The study with every row that samples a cell replaced, in its place, by `samples` scenarios
// NAME-0001, NAME-0002, ... (at least four digits), each cell drawn from its own generator
// (CellGenerator: the seed, the row's name, the field), sample k from the generator's k-th
// output. Throws FileError naming the file and the line when a sample's name is taken by another
// scenario.
Study ExpandSamples(const Study& study, int32_t samples, uint64_t seed, const std::string& path);

// The study of the file `path` as it runs from `base`: with its samples drawn when it samples
// cells. Throws StudySamplingError when samples are given for a study that samples no cell, or
// not given for one that does, when their number is not 1 to MostSamples or the samples would keep
// too many values (SampledValuesRefusal); FileError as ExpandSamples.
Study SampleStudy(const Study& study, const StudySampling& sampling, const InputData& base, const std::string& path);

}  // namespace vantorel
