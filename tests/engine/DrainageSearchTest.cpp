// The fast grid search against the water balance in the trial model, trial by trial and bit by bit.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

#include "engine/DrainageGridSearch.h"
#include "tests/engine/EngineRun.h"
#include "tests/engine/PlainDrainageSearch.h"
#include "tests/support/DataSets.h"

namespace vantorel {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

void ExpectSameSums(const DrainageTrialSums& fast, const DrainageTrialSums& plain) {
    int differences = 0;
    for (int t = 0; t < DrainageTrials && differences < 5; ++t) {
        for (const auto& [a, b, name] : {std::tuple{fast.balance[t], plain.balance[t], "balance"},
                                         std::tuple{fast.water_table[t], plain.water_table[t], "water table"},
                                         std::tuple{fast.discharge[t], plain.discharge[t], "discharge"}}) {
            if (!SameBits(a, b)) {
                ++differences;
                ADD_FAILURE() << name << " of trial " << t << ": fast " << a << ", plain " << b;
            }
        }
    }
}

struct Case {
    test::DataSetShape shape;
    double dwt_init;  // starting depth; negative stands water on the surface
};

class DrainageSearchTest : public ::testing::TestWithParam<Case> {};

// Every trial (j, k) of the fast search is the final water balance run in the trial model with
// the factors of (j, k), one trial after the other.
TEST_P(DrainageSearchTest, EveryFastTrialIsTheWaterBalanceOfTheTrialModelBitForBit) {
    InputData data = test::MakeDataSet(GetParam().shape);
    data.DwtInit = GetParam().dwt_init;
    test::EngineRun run(data);
    ComputeDerivedValues(run.input);
    run.engine.PrepareRun();
    const StepSeries prepared = run.input.IrrSpread;
    DrainageTrialSums fast;
    std::vector<int> quarters;
    RunDrainageGrid(run.state, prepared, fast, [&](int q) { quarters.push_back(q); });
    EXPECT_EQ(quarters, (std::vector<int>{1, 2, 3}));
    ExpectSameSums(fast, test::PlainDrainageSearch(run.engine, run.state));
}

INSTANTIATE_TEST_SUITE_P(
    VariedFields, DrainageSearchTest,
    ::testing::Values(Case{{1, 12, 30, true, false, 61}, 1.2}, Case{{2, 20, 7, true, false, 62}, 0.4},
                      Case{{3, 60, 1, true, false, 63}, 1.0}, Case{{1, 40, 1, true, true, 64}, 0.1},
                      Case{{2, 15, 7, true, true, 65}, -0.2}, Case{{3, 30, 1, true, false, 66}, -0.05},
                      Case{{1, 8, 360, true, false, 67}, 2.5}),
    [](const ::testing::TestParamInfo<Case>& info) {
        const test::DataSetShape& s = info.param.shape;
        return std::to_string(s.layers) + "Layers" + std::to_string(s.step_length) + "Days" + (s.rice ? "Rice" : "") +
               (info.param.dwt_init < 0 ? "Ponded" : "");
    });

}  // namespace
}  // namespace vantorel
