#pragma once

#include <ostream>

#include "model/ModelState.h"

namespace vantorel {

// After a completed run: the output file, the drainage factors used and each zone's leaching
// efficiency, as the output header reports them.
void PrintRunSummary(const ModelState& state, std::ostream& out);

}  // namespace vantorel
