#pragma once
// The 10000 trial water balances of the drainage-factor search, QH1 = 0.001 j and QH2 = 0.001 k
// for j, k = 1 .. 100, scored by three objectives.

#include <functional>
#include <vector>

#include "model/ModelState.h"

namespace vantorel {

inline constexpr int DrainageGridSize = 100;
inline constexpr int DrainageTrials = DrainageGridSize * DrainageGridSize;

// Trial j, k (1-based) is at index (j - 1) * 100 + (k - 1).
inline int DrainageTrialIndex(int j, int k) { return (j - 1) * DrainageGridSize + (k - 1); }

// Per trial: the balance sum, the sum of absolute water-table deviations and the sum of absolute
// discharge deviations.
struct DrainageTrialSums {
    std::vector<double> balance, water_table, discharge;
};

// Runs the trials on all cores and fills the sums, each bit for bit what the trial run in order
// gives. The trial run is the water balance with the trial factors, without the stop test, with
// the effective porosity of the step's starting depth; it needs a single day per step, since every
// day of a step repeats the first. The data set must be prepared for the run and have drains;
// prepared_irrigation is the applied irrigation the preparation left. after_quarter(q) is called
// on the calling thread once the trials up to j = 25 q are done, for q = 1, 2, 3.
void RunDrainageGrid(const ModelState& state, const StepSeries& prepared_irrigation, DrainageTrialSums& sums,
                     const std::function<void(int quarter)>& after_quarter);

}  // namespace vantorel
