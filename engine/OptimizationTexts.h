#pragma once
// The questions and messages of the optimizations, word for word.

#include <string>

namespace vantorel {

inline constexpr const char* LongDrainageQuestion =
    "Do you want Vantorel to optimize the drainage capacity to find the best water balance or the best fit of "
    "simulated to observed discharge or water table data?";
inline constexpr const char* ShortDrainageQuestion =
    "Do you want Vantorel to optimize the drainage capacity to create a proper water balance?";
inline constexpr const char* LeachingQuestion =
    "There are one or more soil layers with enough data on measured salinity to optimize the leaching efficiency. "
    "Do you want to do the optimization?";
inline constexpr const char* WaterTableSecondChanceMessage =
    "The drainage factors QH1 and QH2 are optimized from the depth of the water table";
inline constexpr const char* DischargeSecondChanceMessage =
    "The drainage factors QH1 and QH2 are optimized from the drain discharge";
inline constexpr const char* NotOptimizedMessage =
    " The drainage factors could not be optimized The QH1 and QH2 values given in the input file are used.";
// Every form of the question that chooses between the water-table and the discharge optimum.
inline constexpr const char* FitChoiceQuestionStart = "The drainage capacity factors can be optimized both";

// The question proposes the better fit, the water table when both are equal; Yes takes the
// proposal.
std::string FitChoiceQuestion(double fit_dwt, double fit_drain);

}  // namespace vantorel
