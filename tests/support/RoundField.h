#pragma once
// A data set with round numbers for cases worked out by hand.

#include <cstdint>

#include "model/InputData.h"

namespace vantorel::test {

// A root zone of 1 m (split evenly over the layers), a transition zone of 2 m and an aquifer of
// 10 m; total porosity 50 %, effective porosity 10 % and leaching efficiency 100 % everywhere;
// irrigation efficiency 100 %; a critical depth of 0.5 m (so the capillary factor is 1); the water
// table at 1.5 m; no drains, no rice, no groundwater flow; salinities of 2 dS/m, irrigation water
// of 1 dS/m; every flow 0 and nothing measured.
InputData RoundField(int32_t steps, int32_t step_length, int32_t layers = 1);

}  // namespace vantorel::test
