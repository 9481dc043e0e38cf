#pragma once

#include <ostream>

#include "model/InputData.h"

namespace vantorel {

// A short description of a loaded data set: titles, steps, layers, drainage, rice, measurements.
void PrintDataSummary(const InputData& data, std::ostream& out);

}  // namespace vantorel
