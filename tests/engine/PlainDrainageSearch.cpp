#include "tests/engine/PlainDrainageSearch.h"

#include <cmath>

#include "engine/WaterTableZone.h"

namespace vantorel::test {

TrialSums PlainTrial(Engine& engine, ModelState& state, int j, int k) {
    const InputData& d = state.Input;
    RunValues& r = state.Run;
    r.QH1Used = 0.001 * j;
    r.QH2Used = 0.001 * k;
    // With one day per step the step's sums and mean discharge are the values of its last day.
    const WaterTableZones zones(d, r.Dr);
    TrialSums sums;
    engine.RunWaterBalance(TrialBalance, [&](int32_t i) {
        const double storage = d.Ts == 1 ? d.Stor[i] : 0.0;
        sums.balance = sums.balance + BalanceTerm(r.Perc[i], r.Cap[i], r.Drain[i], d.Inf, d.Out, storage,
                                                  1000 * zones.EffectivePorosity(r.Dwt[i - 1]), r.Dwt[i], r.Dwt[i - 1]);
        if (d.DwtMeas[i] > MissingDepthOrDischarge) {
            sums.water_table = sums.water_table + std::abs(r.Dwt[i] - d.DwtMeas[i]);
        }
        if (d.DrainMeas[i] > MissingDepthOrDischarge) {
            sums.discharge = sums.discharge + std::abs(r.Drain[i] - d.DrainMeas[i]);
        }
    });
    return sums;
}

DrainageTrialSums PlainDrainageSearch(Engine& engine, ModelState& state) {
    DrainageTrialSums all;
    all.balance.assign(DrainageTrials, 0);
    all.water_table.assign(DrainageTrials, 0);
    all.discharge.assign(DrainageTrials, 0);
    for (int j = 1; j <= DrainageGridSize; ++j) {
        for (int k = 1; k <= DrainageGridSize; ++k) {
            const TrialSums sums = PlainTrial(engine, state, j, k);
            const int index = DrainageTrialIndex(j, k);
            all.balance[index] = sums.balance;
            all.water_table[index] = sums.water_table;
            all.discharge[index] = sums.discharge;
        }
    }
    return all;
}

}  // namespace vantorel::test
