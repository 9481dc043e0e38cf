#pragma once
// The 10000 trial water balances of the drainage-factor search, QH1 = 0.001 j and QH2 = 0.001 k
// for j, k = 1 .. 100, scored by three objectives.

#include <functional>
#include <vector>

#include "engine/StopRequest.h"
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

// A step's term of a trial's balance sum, with the values of the step's last day: percolation
// less capillary rise and drain discharge, plus groundwater inflow less outflow, plus the storage
// change and the water the water table took up (pores = 1000 x the effective porosity). It is 0
// for a balance that closes.
inline double BalanceTerm(double perc, double cap, double drain, double inf, double out, double stor, double pores,
                          double dwt, double start) {
    return perc - cap - drain + inf - out + stor + pores * (dwt - start);
}

// Runs the trials on all cores and fills the sums, each bit for bit what the water balance in the
// trial model (TrialBalance: one day per step, no stop, the porosity of the step's starting depth)
// with the trial factors gives. The data set must be prepared for the run and have drains;
// prepared_irrigation is the applied irrigation the preparation left. after_quarter(q) is called
// on the calling thread once the trials up to j = 25 q are done, for q = 1, 2, 3. A requested stop
// ends the search between rows of trials with RunInterrupted.
void RunDrainageGrid(const ModelState& state, const StepSeries& prepared_irrigation, DrainageTrialSums& sums,
                     const std::function<void(int quarter)>& after_quarter, const StopRequest* stop = nullptr);

}  // namespace vantorel
