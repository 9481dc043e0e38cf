#pragma once
// The best pair of each objective of the drainage-factor search, chosen as the search chooses it.

#include "engine/DrainageGridSearch.h"

namespace vantorel {

enum class DrainageObjective { Balance, WaterTable, DrainDischarge };
inline constexpr DrainageObjective DrainageObjectives[] = {DrainageObjective::Balance, DrainageObjective::WaterTable,
                                                           DrainageObjective::DrainDischarge};

// The trial factors of trial index (j - 1) * 100 + (k - 1): QH1 = 0.001 j, QH2 = 0.001 k.
inline double TrialQH1(int index) { return 0.001 * (index / DrainageGridSize + 1); }
inline double TrialQH2(int index) { return 0.001 * (index % DrainageGridSize + 1); }

// Whether the search may pick this trial pair for the objective: pairs at the very low end of the
// grid are excluded.
bool MayPick(DrainageObjective objective, double qh1, double qh2);

// The value the search ranks a trial by. For the balance it is the key |sum| in whole millionths
// of a millimetre: the balance sums of steps longer than a day are zero but for rounding noise,
// and the key tells real differences from noise.
double RankingValue(const DrainageTrialSums& sums, DrainageObjective objective, int index);

struct DrainageOptimum {
    bool found = false;
    double qh1 = 0, qh2 = 0;
    int index = -1;
    double value = 0;  // the ranking value of the best trial
};

// The best trial that the search may pick, replaced only by a strictly smaller value so that the
// earlier trial wins a tie; a value that is not a number never wins.
DrainageOptimum FindDrainageOptimum(const DrainageTrialSums& sums, DrainageObjective objective);

}  // namespace vantorel
