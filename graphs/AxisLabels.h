#pragma once
// The texts of the axis labels.

#include <string>

namespace vantorel {

// The value with the axis' decimals d, right-aligned in d + 2 characters; where d decimals would
// misstate the tick (-0.25 printed "-0.2"), the fewest decimals from d + 1 to d + 2 whose label
// reads back as the value within 1e-9, else d + 2, the field growing with them.
std::string AxisLabel(double value, int decimals);

}  // namespace vantorel
