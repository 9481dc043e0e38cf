#pragma once
// The text of the output file (".out"): the header with the factors and efficiencies a run used,
// the column headings of the layer count, and one row per time step.

#include <cstdint>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace vantorel {

// Lines 1 to 16 (up to and including the column headings) for the output file at the path, with
// the leaching efficiencies as the fractions the final salt balance used.
std::vector<std::string> OutputHeaderLines(const ModelState& state, const std::string& path);

// One value of a step row, with the name of its series for messages.
struct OutputRowValue {
    double value;
    const char* series;
};

// The values of the row of step i in their column order; flows per time step.
std::vector<OutputRowValue> OutputRowValues(const ModelState& state, int32_t step);

// A goodness of fit that the header prints, with what it is the fit of.
struct OutputHeaderFit {
    double value;
    std::string name;  // "water table", "drain discharge", "salinity of layer 1", ...
};

// The fits of the header, which a calculation computes from sums that may overflow: the
// water-table or discharge fit of optimized drainage factors and every zone's salinity fit.
std::vector<OutputHeaderFit> OutputHeaderFits(const ModelState& state);

// The row of step i: the step number and the values, each in its own width.
std::string OutputRow(const ModelState& state, int32_t step);

}  // namespace vantorel
