#include "model/DataChecks.h"

#include "model/InputData.h"

namespace vantorel {

const char* const LayerCountMessage = "The number of root zone layers must be 1, 2 or 3. Please adjust data.";

std::optional<std::string> TimeStepCountRefusal(int64_t steps) {
    if (steps >= 1 && steps <= MaxEditorTimeSteps) return std::nullopt;
    return "The number of time steps must be at least 1 and at most " + std::to_string(MaxEditorTimeSteps) +
           ". Please adjust.";
}

std::optional<std::string> StepLengthRefusal(int64_t days) {
    if (days >= 1 && days <= LongestTimeStep) return std::nullopt;
    return "The step length of " + std::to_string(days) + " days is not between 1 and " +
           std::to_string(LongestTimeStep) + ". Please adjust data.";
}

std::optional<std::string> LayerCountRefusal(int64_t layers) {
    if (layers >= 1 && layers <= 3) return std::nullopt;
    return std::string(LayerCountMessage);
}

}  // namespace vantorel
