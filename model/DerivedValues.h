#pragma once
// The values a save derives from the data set: measurement counts, the irrigation as applied
// (spread over dry days for daily steps) and the list of irrigated steps.

#include "model/InputData.h"

namespace vantorel {

// Recomputes NrMeasDwt, NrMeasDrain, IrrSpread, IrrSteps and IrrIntervals. Called after every
// save, and by the batch runner on a loaded file in place of a save.
void ComputeDerivedValues(InputData& data);

}  // namespace vantorel
