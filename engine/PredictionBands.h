#pragma once
// How uncertain the predicted water table, drain discharge and salinities are, given how uncertain
// the drainage factors are: the final balances of a run for many factor pairs, and the weighted
// quantiles of their results per time step.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/StopRequest.h"
#include "model/InputData.h"
#include "model/RunValues.h"

namespace vantorel {

struct WeightedPair {
    double qh1 = 0, qh2 = 0, weight = 0;
};

// One result series over the steps 1..N, in the units of the output file (m, mm per time step,
// dS/m), with the measurements of the data set (not a number where not measured).
struct PredictionBand {
    std::string series;  // "water_table_depth", "drain_discharge", "salinity_layer_1", ...
    std::vector<double> p05, p50, p95, measured;
};

// A band of `steps` steps, every quantile and measurement not a number until it is set.
PredictionBand EmptyBand(std::string series, size_t steps);

// Sets the 5, 50 and 95 % quantiles of one step from the step's values in ascending order, each
// with its weight (QuantileOfAscending).
void SetBandQuantiles(PredictionBand& band, size_t step, const std::vector<double>& ascending,
                      const std::vector<double>& weights);

// The run's checks refused the data set, or a final run of some pair stopped or gave a value that
// is not a number.
class PredictionBandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bands of the water table, the drain discharge and the salinity of each zone the data set has,
// in that order. For every pair, the water and salt balances of a run's final stage (as
// RunCalculation runs them once its searches are done) with the pair's factors and the given
// leaching efficiencies (fractions, by Zone); then per step and series the quantiles of the pairs'
// results weighted by the pairs' weights. `data` is the data set as a run takes it (derived values
// computed) and must have drains; a data set the run's checks refuse raises PredictionBandError.
// The pairs run on all cores; the result is bit for bit that of one pair after the other. A
// requested stop ends it with RunInterrupted. When the results of all pairs would hold more than
// value_budget numbers, the steps are done in parts, each part running every pair again.
inline constexpr size_t BandValueBudget = size_t{1} << 24;
std::vector<PredictionBand> ComputePredictionBands(const InputData& data,
                                                   const std::array<double, ZoneCount>& efficiencies,
                                                   const std::vector<WeightedPair>& pairs,
                                                   const StopRequest* stop = nullptr,
                                                   size_t value_budget = BandValueBudget);

}  // namespace vantorel
