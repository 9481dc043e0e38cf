#pragma once
// How firmly the measurements fix the drainage factors a run fitted to them, and what that leaves
// uncertain in the predicted water table, drain discharge and salinities. The posterior is exact on
// the search's grid: it comes from the search's own sums for all 10000 pairs.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/DrainageOptima.h"
#include "engine/GridPosterior.h"
#include "engine/PredictionBands.h"

namespace vantorel {

// The bands take the pairs that hold this much of the probability.
inline constexpr double BandProbability = 0.99;
// Above this probability on the grid's outer rows and columns the factors may lie outside it.
inline constexpr double EdgeWarningProbability = 0.05;

// There is no uncertainty to compute; the message says why.
class UncertaintyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a completed run fitted its drainage factors to, and the leaching efficiencies (fractions, by
// Zone) of its final salt balance.
struct UncertaintyBasis {
    DrainageObjective objective = DrainageObjective::DrainDischarge;
    std::array<double, ZoneCount> efficiencies{};
};

// Before a run: why a run of the data set with this answer to the drainage-factor question cannot
// give an uncertainty, or nothing.
std::optional<std::string> UncertaintyRefusal(const InputData& data, bool drainage_optimization);

// Of a completed run; throws UncertaintyError when it took the water-balance optimum, the input's
// factors or has no drains.
UncertaintyBasis UncertaintyBasisOf(const ModelState& completed_run);

struct FactorUncertainty {
    DrainageObjective objective = DrainageObjective::DrainDischarge;
    int measurements = 0;     // n, the measured steps of the objective
    GridPosterior posterior;  // first QH1, second QH2: the probabilities in the search's trial order
    PosteriorSummary summary;
    std::vector<int> band_pairs;  // trial indices, most probable first
    double band_probability = 0;
    std::vector<PredictionBand> bands;
};

// The data set as loaded (the values a save derives are derived again). Throws UncertaintyError
// when the search cannot run on it, no pair has a usable sum, or a final run fails; a requested
// stop ends it with RunInterrupted.
FactorUncertainty ComputeFactorUncertainty(const InputData& data, const UncertaintyBasis& basis,
                                           const StopRequest* stop = nullptr);

}  // namespace vantorel
