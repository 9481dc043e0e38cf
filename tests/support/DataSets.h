#pragma once
// Invented but plausible data sets for tests, built in memory.

#include <cstdint>

#include "model/InputData.h"

namespace vantorel::test {

struct DataSetShape {
    int32_t layers = 1;
    int32_t steps = 12;
    int32_t step_length = 30;
    bool drains = false;
    bool rice = false;
    uint32_t seed = 1;
};

// Every field filled, series sized NrTimeSteps + 1; values with at most the decimals the input
// file keeps, so that a save and a load give them back exactly.
InputData MakeDataSet(const DataSetShape& shape);

}  // namespace vantorel::test
