// The salt balance: the daily update, its floors, the special case of water above the surface,
// and the fit indices.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/SaltUpdate.h"
#include "tests/engine/EngineRun.h"
#include "tests/support/RoundField.h"

namespace vantorel {
namespace {

using test::EngineRun;
using test::RoundField;

TEST(SaltBalanceTest, UpdateSolvesTheSemiImplicitBalance) {
    // S + In - LE Q (S + S_new) / 2 / W with S 4, In 0.2, LE 0.5, Q 10, W 100 gives 4.
    EXPECT_DOUBLE_EQ(UpdatedSalinity(4, 20, 10, 0.5, 100), 4.0);
    // A denominator below 0.001 (water flowing in instead of out) is held at 0.001.
    EXPECT_DOUBLE_EQ(UpdatedSalinity(1, 0, -1000, 1, 100), (1 + 5.0) / 0.001);
    EXPECT_EQ(FloorAtZero(0), 0.1);
    EXPECT_EQ(FloorAtZero(-3), 0.1);
    EXPECT_EQ(FloorAtZero(0.05), 0.05);
    EXPECT_EQ(FloorBelowZero(0), 0);
    EXPECT_EQ(FloorBelowZero(-0.2), 0.1);
}

TEST(SaltBalanceTest, WaterAboveTheSurfaceBringsOnlyTheInfiltratingIrrigationSalt) {
    InputData d = RoundField(1, 1);
    d.MoistInit = 100;  // the root zone is full: all rain percolates
    d.DwtInit = 0.05;
    d.Rain[1] = 100;
    d.Irrig[1] = 0;
    EngineRun run(d);
    run.WaterAndSaltBalance();
    ASSERT_LT(run.run.Dwt[1], 0);
    // In = 100 x 1 / 500, Out = 0.5 x 100 x 2 / 500, Den = 1 + 0.5 x 100 / 500.
    EXPECT_DOUBLE_EQ(run.run.S1[1], 2 / 1.1);
}

TEST(SaltBalanceTest, FloorsOfTheUpperLayersAndOfTheZonesBelow) {
    InputData d = RoundField(1, 30);
    d.TP1 = 1;  // 10 mm of water in the root zone, flushed by 100 mm a day
    d.EffPor1 = 0.5;
    d.Rain[1] = 3000;
    d.Si = 0;
    d.S1init = 0;
    d.LE1 = 0;  // nothing leaches into the transition zone
    d.STinit = 0;
    EngineRun run(d);
    run.WaterAndSaltBalance();
    EXPECT_EQ(run.run.S1[1], 0.1);
    EXPECT_EQ(run.run.STr[1], 0);
}

TEST(SaltBalanceTest, FitIndexNeedsFourMeasurementsAndComparesTheLastDayOfEachStep) {
    InputData d = RoundField(6, 7, 2);
    d.Rain = {0, 70, 0, 140, 0, 70, 35};
    d.Irrig = {0, 70, 140, 0, 70, 0, 70};
    d.ETp = {0, 35, 35, 35, 35, 35, 35};
    d.Si = 2;
    d.S1meas = {0, 1.5, MissingSalinity, 1.8, 0, 2.2, MissingSalinity};  // 3 measurements
    d.S2meas = {0, 1.9, 2.0, MissingSalinity, 2.1, MissingSalinity, 2.3};  // 4 measurements
    d.STmeas = {0, 0.01, 0.01, 0.01, 0.01, MissingSalinity, MissingSalinity};
    EngineRun run(d);
    run.WaterAndSaltBalance();
    const RunValues& r = run.run;
    EXPECT_TRUE(r.SaltFitNA[Layer1]);
    EXPECT_EQ(r.SaltFit1, 0);
    EXPECT_FALSE(r.SaltFitNA[Layer2]);
    double squares = 0, measured = 0;
    for (int i = 1; i <= 6; ++i) {
        if (d.S2meas[i] > 0) {
            squares += (r.S2[i] - d.S2meas[i]) * (r.S2[i] - d.S2meas[i]);
            measured += d.S2meas[i] * d.S2meas[i];
        }
    }
    EXPECT_DOUBLE_EQ(r.SaltFit2, 1 - std::sqrt(squares / measured));
    // Far from tiny measurements the transition-zone index would be negative: it is held at 0.
    EXPECT_FALSE(r.SaltFitNA[TransitionZone]);
    EXPECT_EQ(r.SaltFitT, 0);
    EXPECT_TRUE(r.SaltFitNA[Layer3]);
    EXPECT_TRUE(r.SaltFitNA[Aquifer]);
}

TEST(SaltBalanceTest, LayerIndexMayBeNegative) {
    InputData d = RoundField(4, 30);
    d.Irrig = {0, 150, 150, 150, 150};
    d.Si = 3;
    d.S1meas = {0, 0.01, 0.01, 0.01, 0.01};
    EngineRun run(d);
    run.WaterAndSaltBalance();
    EXPECT_FALSE(run.run.SaltFitNA[Layer1]);
    EXPECT_LT(run.run.SaltFit1, -10);
}

}  // namespace
}  // namespace vantorel
