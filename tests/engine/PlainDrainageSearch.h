#pragma once
// The drainage-factor grid search one trial after the other: every trial is the engine's water
// balance in the trial model with the trial factors, scored from the series it leaves. The
// yardstick of the fast search.

#include "engine/DrainageGridSearch.h"
#include "engine/Engine.h"
#include "model/ModelState.h"

namespace vantorel::test {

struct TrialSums {
    double balance = 0, water_table = 0, discharge = 0;
};

// Trial j, k (QH1 = 0.001 j, QH2 = 0.001 k). The engine must have prepared its state for the run;
// the trial leaves its factors and series there.
TrialSums PlainTrial(Engine& engine, ModelState& state, int j, int k);

// Every trial of the grid, in order.
DrainageTrialSums PlainDrainageSearch(Engine& engine, ModelState& state);

}  // namespace vantorel::test
