#pragma once
// The counts of a data set that everything else is sized by, and the messages that refuse a value
// the data set cannot take. The editors, the run and the Python module show the same texts.

#include <cstdint>
#include <optional>
#include <string>

namespace vantorel {

// The largest number of time steps the editors and grids take: far beyond any field study,
// and small enough for every series and grid to be held.
inline constexpr int32_t MaxEditorTimeSteps = 1000000;

// Shown when the number of root-zone layers is not 1, 2 or 3.
extern const char* const LayerCountMessage;

// The message refusing the value, or nothing when the data set takes it.
std::optional<std::string> TimeStepCountRefusal(int64_t steps);
std::optional<std::string> StepLengthRefusal(int64_t days);
std::optional<std::string> LayerCountRefusal(int64_t layers);

}  // namespace vantorel
