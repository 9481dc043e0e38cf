#include "engine/DrainageOptima.h"

#include <cmath>

namespace vantorel {

bool MayPick(DrainageObjective objective, double qh1, double qh2) {
    if (objective == DrainageObjective::Balance) return qh1 > 0.0011 && qh2 > 0.0011;
    return qh1 > 0.0022 && qh2 > 0.0022;
}

double RankingValue(const DrainageTrialSums& sums, DrainageObjective objective, int index) {
    switch (objective) {
        case DrainageObjective::Balance:
            return std::floor(std::abs(sums.balance[index]) * 1e6 + 0.5);
        case DrainageObjective::WaterTable:
            return sums.water_table[index];
        case DrainageObjective::DrainDischarge:
            return sums.discharge[index];
    }
    return 0;
}

DrainageOptimum FindDrainageOptimum(const DrainageTrialSums& sums, DrainageObjective objective) {
    DrainageOptimum best;
    double best_value = objective == DrainageObjective::Balance ? 100000 * 1e6 : 100000;
    for (int j = 1; j <= DrainageGridSize; ++j) {
        for (int k = 1; k <= DrainageGridSize; ++k) {
            const double qh1 = 0.001 * j, qh2 = 0.001 * k;
            if (!MayPick(objective, qh1, qh2)) continue;
            const int index = DrainageTrialIndex(j, k);
            const double value = RankingValue(sums, objective, index);
            if (value < best_value) {
                best_value = value;
                best = {true, qh1, qh2, index, value};
            }
        }
    }
    return best;
}

}  // namespace vantorel
