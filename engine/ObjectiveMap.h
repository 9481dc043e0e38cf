#pragma once
// The surface of the drainage-factor search over its whole grid, and the range of factors that
// fit the data nearly as well as the best pair.

#include <stdexcept>
#include <vector>

#include "engine/DrainageOptima.h"
#include "model/InputData.h"

namespace vantorel {

struct ObjectiveMap {
    DrainageTrialSums sums;  // the search's own sums, by DrainageTrialIndex
    bool daily = false;
    bool water_table_measured = false, discharge_measured = false;
    double input_qh1 = 0, input_qh2 = 0;
};

// A data set whose factors cannot be searched; the message says why.
class ObjectiveMapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs the search's 10000 trials on the data set as loaded or saved, whether or not a run would
// ask for the optimization; the data set itself is not changed. Throws ObjectiveMapError for a
// data set without drains or one a run would refuse. A requested stop ends it with RunInterrupted.
ObjectiveMap ComputeObjectiveMap(const InputData& data, const StopRequest* stop = nullptr);

// Whether the objective tells anything: the fits need measurements, and the balance of steps longer
// than a day is rounding noise.
bool IsMeaningful(const ObjectiveMap& map, DrainageObjective objective);

struct NearOptimalRegion {
    DrainageOptimum best;
    std::vector<char> inside;  // by trial index
    int trials = 0;
    double qh1_min = 0, qh1_max = 0, qh2_min = 0, qh2_max = 0;
    bool best_on_edge = false;  // the true optimum may lie outside the grid
};

// The trials the search may pick for the objective whose ranking value is within `percent` per cent
// of the best; empty (best.found false) for an objective that is not meaningful.
NearOptimalRegion FindNearOptimalRegion(const ObjectiveMap& map, DrainageObjective objective, double percent);

}  // namespace vantorel
