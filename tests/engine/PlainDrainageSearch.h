#pragma once
// The drainage-factor grid search written straight from the model, one trial after the other, every
// day and every sub-step: the yardstick of the fast search.

#include "engine/DrainageGridSearch.h"
#include "model/ModelState.h"

namespace vantorel::test {

// The state must be prepared for the run; prepared_irrigation is the applied irrigation then.
DrainageTrialSums PlainDrainageSearch(const ModelState& prepared, const StepSeries& prepared_irrigation);

}  // namespace vantorel::test
