// The objective map: the search's own sums over the whole grid, its optima and near-optimal regions.

#include <gtest/gtest.h>

#include <cstring>

#include "engine/ObjectiveMap.h"
#include "tests/engine/EngineRun.h"
#include "tests/engine/PlainDrainageSearch.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class ObjectiveMapLayersTest : public ::testing::TestWithParam<test::DataSetShape> {};

TEST_P(ObjectiveMapLayersTest, MapEqualsThePlainSearchLoopBitForBit) {
    const InputData data = test::MakeDataSet(GetParam());
    const ObjectiveMap map = ComputeObjectiveMap(data);

    test::EngineRun run(data);
    ComputeDerivedValues(run.input);
    run.engine.PrepareRun();
    const DrainageTrialSums plain = test::PlainDrainageSearch(run.engine, run.state);
    int differences = 0;
    for (int t = 0; t < DrainageTrials; ++t) {
        differences += !SameBits(map.sums.balance[t], plain.balance[t]) +
                       !SameBits(map.sums.water_table[t], plain.water_table[t]) +
                       !SameBits(map.sums.discharge[t], plain.discharge[t]);
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(map.input_qh1, data.QH1);
}

INSTANTIATE_TEST_SUITE_P(Layers, ObjectiveMapLayersTest,
                         ::testing::Values(test::DataSetShape{1, 12, 30, true, false, 71},
                                           test::DataSetShape{2, 40, 1, true, false, 72},
                                           test::DataSetShape{3, 20, 7, true, true, 73}));

TEST(ObjectiveMapTest, RunTakesTheMapsOptimum) {
    test::TempDir dir;
    ModelState state;
    state.Input = test::MakeDataSet({2, 40, 1, true, false, 72});
    // Depths measured from a run with a known pair: the water-table optimum is taken.
    test::EngineRun truth(state.Input);
    truth.input.QH1 = 0.041;
    truth.input.QH2 = 0.022;
    truth.WaterBalance();
    for (int32_t i = 1; i <= 40; ++i) state.Input.DwtMeas[i] = truth.run.Dwt[i];
    state.Input.FileName = dir.File("map.inp");
    ComputeDerivedValues(state.Input);
    const ObjectiveMap map = ComputeObjectiveMap(state.Input);
    test::ScriptedDialogs dialogs;
    dialogs.answers = {true, true, true};
    Engine(state, dialogs).RunCalculation();
    ASSERT_FALSE(state.Run.CalcStopped);
    ASSERT_TRUE(state.Run.QHOptBalance || state.Run.QHOptDwt || state.Run.QHOptDrain);
    const DrainageObjective chosen = state.Run.QHOptBalance ? DrainageObjective::Balance
                                     : state.Run.QHOptDwt   ? DrainageObjective::WaterTable
                                                            : DrainageObjective::DrainDischarge;
    const DrainageOptimum best = FindDrainageOptimum(map.sums, chosen);
    EXPECT_EQ(best.qh1, state.Run.QH1Used);
    EXPECT_EQ(best.qh2, state.Run.QH2Used);
}

TEST(ObjectiveMapTest, DataSetWithoutDrainsOrRefusedByARunIsNotMapped) {
    InputData data = test::MakeDataSet({1, 12, 30, false, false, 74});
    EXPECT_THROW(ComputeObjectiveMap(data), ObjectiveMapError);
    data = test::MakeDataSet({1, 12, 30, true, false, 74});
    data.D1 = 0;
    try {
        ComputeObjectiveMap(data);
        ADD_FAILURE() << "a run would refuse the data set";
    } catch (const ObjectiveMapError& error) {
        EXPECT_EQ(std::string(error.what()), "The thickness of the root zone must be greater than 0. Please adjust data.");
    }
    data.D1 = 0.4;
    data.NrTimeSteps = 13;  // one more step than the series hold
    EXPECT_THROW(ComputeObjectiveMap(data), ObjectiveMapError);
}

TEST(ObjectiveMapTest, RegionHoldsThePickableTrialsWithinThePercentage) {
    ObjectiveMap map;
    map.discharge_measured = true;
    map.sums.balance.assign(DrainageTrials, 0.25);
    map.sums.water_table.assign(DrainageTrials, 7);
    map.sums.discharge.assign(DrainageTrials, 200);
    map.sums.discharge[DrainageTrialIndex(1, 40)] = 1;  // better, but the search may not pick it
    map.sums.discharge[DrainageTrialIndex(40, 20)] = 100;
    map.sums.discharge[DrainageTrialIndex(41, 20)] = 100;  // a tie: the earlier trial is the best
    map.sums.discharge[DrainageTrialIndex(42, 30)] = 105;
    map.sums.discharge[DrainageTrialIndex(50, 3)] = 105.5;

    const NearOptimalRegion region = FindNearOptimalRegion(map, DrainageObjective::DrainDischarge, 5);
    ASSERT_TRUE(region.best.found);
    EXPECT_EQ(region.best.qh1, 0.001 * 40);
    EXPECT_EQ(region.best.qh2, 0.001 * 20);
    EXPECT_EQ(region.best.value, 100);
    EXPECT_EQ(region.trials, 3);
    EXPECT_EQ(region.qh1_min, 0.001 * 40);
    EXPECT_EQ(region.qh1_max, 0.001 * 42);
    EXPECT_EQ(region.qh2_min, 0.001 * 20);
    EXPECT_EQ(region.qh2_max, 0.001 * 30);
    EXPECT_FALSE(region.best_on_edge);
    EXPECT_TRUE(region.inside[DrainageTrialIndex(42, 30)]);
    EXPECT_FALSE(region.inside[DrainageTrialIndex(1, 40)]);
    EXPECT_EQ(FindNearOptimalRegion(map, DrainageObjective::DrainDischarge, 100).trials, 98 * 98);

    map.sums.discharge[DrainageTrialIndex(100, 50)] = 50;
    EXPECT_TRUE(FindNearOptimalRegion(map, DrainageObjective::DrainDischarge, 5).best_on_edge);

    // Without measurements, or for the balance of monthly steps, there is no region.
    EXPECT_FALSE(FindNearOptimalRegion(map, DrainageObjective::WaterTable, 5).best.found);
    EXPECT_FALSE(FindNearOptimalRegion(map, DrainageObjective::Balance, 5).best.found);
    map.daily = true;
    const NearOptimalRegion balance = FindNearOptimalRegion(map, DrainageObjective::Balance, 5);
    EXPECT_EQ(balance.best.value, 250000);  // the search's key, in millionths of a millimetre
    EXPECT_EQ(balance.trials, 99 * 99);
    EXPECT_TRUE(balance.best_on_edge);
}

}  // namespace
}  // namespace vantorel
