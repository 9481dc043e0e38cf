// Water-balance cases of one or two steps, worked out by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/EngineRun.h"
#include "tests/support/RoundField.h"

namespace vantorel {
namespace {

using test::EngineRun;
using test::RoundField;

TEST(WaterBalanceTest, MonthlyStepWithoutDrainsMovesTheWaterTableByOneDay) {
    InputData d = RoundField(1, 30);
    d.Rain[1] = 60;   // 2 mm/day
    d.Irrig[1] = 90;  // 3 mm/day
    d.ETp[1] = 120;   // 4 mm/day
    EngineRun run(d);
    run.WaterBalance();
    EXPECT_EQ(run.run.Infil[1], 5);
    EXPECT_EQ(run.run.EvapT[1], 120);  // 30 days of the full 4 mm
    EXPECT_EQ(run.run.Cap[1], 0);
    EXPECT_EQ(run.run.Perc[1], 30);  // 1 mm a day left over
    EXPECT_EQ(run.run.Drain[1], 0);
    for (int day = 1; day <= 30; ++day) EXPECT_EQ(run.run.Perc1Day(1, day), 1);
    // Every day starts again from 1.5 m: 1 mm into a drainable porosity of 10 % is 1 cm, once.
    EXPECT_NEAR(run.run.Dwt[1], 1.49, 1e-12);
    EXPECT_FALSE(run.run.CalcStopped);
}

TEST(WaterBalanceTest, CapillaryFactorBetweenAndBeyondTheCriticalDepth) {
    InputData d = RoundField(1, 30);
    d.Dc = 2;  // Dc - 0.5 Dr = 1.5
    d.Rain[1] = 30;
    d.ETp[1] = 120;
    d.DwtInit = 1.25;  // Cf = (2 - 1.25) / 1.5 = 0.5
    EngineRun halfway(d);
    halfway.WaterBalance();
    EXPECT_DOUBLE_EQ(halfway.run.EvapT[1], 30 * 2.5);  // 1 + 0.5 x (4 - 1)
    EXPECT_DOUBLE_EQ(halfway.run.Cap[1], 30 * 1.5);
    EXPECT_EQ(halfway.run.Perc[1], 0);
    EXPECT_NEAR(halfway.run.Dwt[1], 1.265, 1e-12);  // the rise lowers the water table

    for (double depth : {2.0, 2.5}) {
        d.DwtInit = depth;
        EngineRun deep(d);
        deep.WaterBalance();
        EXPECT_EQ(deep.run.EvapT[1], 30) << depth;  // only what infiltrates
        EXPECT_EQ(deep.run.Cap[1], 0) << depth;
    }

    d.Dc = 0.4;  // not below half the root zone: the factor is 1 at any depth
    d.DwtInit = 5;
    EngineRun shallow_critical(d);
    shallow_critical.WaterBalance();
    EXPECT_EQ(shallow_critical.run.EvapT[1], 120);
    EXPECT_EQ(shallow_critical.run.Cap[1], 90);
}

TEST(WaterBalanceTest, DrainDischargeAboveAndBelowDrainLevel) {
    InputData d = RoundField(1, 7);
    d.DrainPresent = true;
    d.Dd = 1.2;
    d.QH1 = 0.01;
    d.QH2 = 0.05;
    d.Rain[1] = 28;  // 4 mm/day percolate
    d.DwtInit = 1.0;
    // A head of 0.2 m drains 1000 x (0.05 x 0.04 + 0.01 x 0.2) = 4 mm/day: just what percolates.
    EngineRun balanced(d);
    balanced.WaterBalance();
    EXPECT_NEAR(balanced.run.Drain[1], 4, 1e-9);
    EXPECT_NEAR(balanced.run.Dwt[1], 1.0, 1e-12);

    d.DwtInit = 1.5;
    EngineRun below(d);
    below.WaterBalance();
    EXPECT_EQ(below.run.Drain[1], 0);
    EXPECT_NEAR(below.run.Dwt[1], 1.46, 1e-12);

    d.DwtInit = 1.0;
    d.DrainPresent = false;
    EngineRun without(d);
    without.WaterBalance();
    EXPECT_EQ(without.run.Drain[1], 0);
    EXPECT_NEAR(without.run.Dwt[1], 0.96, 1e-12);
}

TEST(WaterBalanceTest, PondedWaterDrainsOffAsFarAsTheGivenSurfaceDrainageAllows) {
    InputData d = RoundField(1, 1);
    d.DwtInit = -0.05;  // 50 mm on the surface
    d.Sdr[1] = 80;
    EngineRun all(d);
    all.WaterBalance();
    EXPECT_EQ(all.input.Sdr[1], 50);
    EXPECT_EQ(all.run.Dwt[0], 0);
    EXPECT_FALSE(std::signbit(all.run.Dwt[0])) << "the row would show -0.00";

    d.Sdr[1] = 20;
    EngineRun part(d);
    part.WaterBalance();
    EXPECT_EQ(part.input.Sdr[1], 20);
    EXPECT_NEAR(part.run.Dwt[0], -0.03, 1e-15);
}

TEST(WaterBalanceTest, HighStandingWaterDoublesTheSquaredHeadTerm) {
    InputData d = RoundField(1, 7);
    d.DrainPresent = true;
    d.Dd = 1.2;
    d.QH1 = 0.01;
    d.QH2 = 0.01;
    d.DwtInit = -0.3;  // no surface drainage given: the water stays
    EngineRun run(d);
    run.WaterBalance();
    // Worked out sub-step by sub-step: with the doubling 58.164 mm/day, without it 36.836.
    EXPECT_NEAR(run.run.Drain[1], 58.16426094421357, 1e-9);
    EXPECT_NEAR(run.run.Dwt[1], -0.24183573905578643, 1e-12);
}

TEST(WaterBalanceTest, DailyNettingOfPercolationAndCapillaryRise) {
    // The root zone is full (MoistInit 100 %), so the day's storage spills; the surface drainage
    // is taken off the irrigation and off the infiltration as well.
    InputData d = RoundField(2, 1);
    d.MoistInit = 100;
    d.Rain = {0, 10, 12};
    d.Sdr = {0, 4, 4};
    d.ETp = {0, 5, 5};
    EngineRun run(d);
    run.WaterBalance();
    // Day 1: infiltration 10 - 4 - 4 = 2, so 5 evaporates and 3 rises; 10 - 4 - 5 = 1 percolates.
    EXPECT_EQ(run.run.Infil[1], 2);
    EXPECT_EQ(run.run.EvapT[1], 5);
    EXPECT_EQ(run.run.Perc[1], 0);
    EXPECT_EQ(run.run.Cap[1], 2);
    EXPECT_EQ(run.input.Stor[1], 0);
    // Day 2: infiltration 4, 1 rises, 3 percolate: percolation wins.
    EXPECT_EQ(run.run.Perc[2], 2);
    EXPECT_EQ(run.run.Cap[2], 0);
    EXPECT_EQ(run.input.MrT[2], 400);  // MrM = 1000 x (0.5 - 0.1) x 1
}

TEST(WaterBalanceTest, DailyStorageFillsTheRootZoneFirst) {
    InputData d = RoundField(2, 1);
    d.TP1 = 11;  // MrM = 1000 x 0.01 x 1 = 10 mm, half full at the start
    d.Rain = {0, 10, 10};
    d.ETp = {0, 4, 4};
    EngineRun run(d);
    run.WaterBalance();
    // Day 1: 6 mm would be stored, but 5 + 6 exceeds 10: the zone is full and stores nothing.
    EXPECT_NEAR(run.input.MrT[1], 10, 1e-12);
    EXPECT_EQ(run.input.Stor[1], 0);
    EXPECT_EQ(run.run.Perc[1], 6);
    EXPECT_EQ(run.run.Cap[1], 0);
}

TEST(WaterBalanceTest, TwoLayerSplitLeavesTheUpperPercolationUnlimited) {
    InputData d = RoundField(1, 30, 2);
    d.D1 = 0.4;
    d.D2 = 0.6;  // R1 = -0.1, R2 = 0.1
    d.IrrEff = 50;
    d.Rain[1] = 150;  // 5 mm/day
    d.ETp[1] = 90;    // 3 mm/day
    EngineRun wet(d);
    wet.WaterBalance();
    EXPECT_NEAR(wet.run.Perc1Day(1, 1), 10 - 0.566666666666666667 * 3, 1e-12);  // 5 / 0.5 - Evap1
    EXPECT_NEAR(wet.run.Perc2Day(1, 30), 10 - 3, 1e-12);                        // minus Evap2 = 1.3
    EXPECT_EQ(wet.run.Cap1Day(1, 1), 0);

    d.Rain[1] = 15;  // 0.5 mm/day: the evaporation of layer 1 exceeds what enters
    d.ETp[1] = 15;
    EngineRun dry(d);
    dry.WaterBalance();
    EXPECT_NEAR(dry.run.Perc1Day(1, 1), 1 - 0.566666666666666667 * 0.5, 1e-12);
    d.ETp[1] = 90;
    EngineRun drier(d);
    drier.WaterBalance();
    EXPECT_LT(drier.run.Perc1Day(1, 1), 0);
    EXPECT_EQ(drier.run.Perc2Day(1, 1), 0);
}

TEST(WaterBalanceTest, ThreeLayerSplitOfEvaporationPercolationAndRise) {
    InputData d = RoundField(1, 30, 3);
    d.D1 = 0.2;
    d.D2 = 0.3;
    d.D3 = 0.5;  // AvD = 1/3: R1 = -2/15, R2 = -1/30, R3 = 1/6
    d.Dc = 3;
    d.Rain[1] = 60;  // 2 mm/day
    d.ETp[1] = 180;  // 6 mm/day
    d.DwtInit = 1.5;
    EngineRun run(d);
    run.WaterBalance();
    // Cf = (3 - 1.5) / 2.5 = 0.6: EvapT = 2 + 0.6 x 4 = 4.4, CapT = 2.4.
    const double evap = 4.4, evap1 = (0.5 - 2.0 / 15) * evap, evap2 = (1.0 / 3 - 1.0 / 30) * evap,
                 evap3 = (1.0 / 6 + 1.0 / 6) * evap;
    EXPECT_NEAR(run.run.Perc1Day(1, 1), 2 - evap1, 1e-12);  // 2 - 1.6133
    EXPECT_EQ(run.run.Perc2Day(1, 1), 0);
    EXPECT_EQ(run.run.Perc3Day(1, 1), 0);
    EXPECT_NEAR(run.run.Cap3Day(1, 1), 2.4, 1e-12);
    EXPECT_NEAR(run.run.Cap2Day(1, 1), 2.4 - evap3, 1e-12);
    EXPECT_EQ(run.run.Cap1Day(1, 1), 0);  // 0.9333 - 1.32 is below 0
    EXPECT_GT(evap2, 0);
}

TEST(WaterBalanceTest, RiceFieldPondsAtMostTwoHundredMillimetres) {
    InputData d = RoundField(2, 1);
    d.RicePresent = true;
    d.InfCap = 5;
    d.RiceTransp = 40;
    d.Irrig = {0, 300, 0};
    d.ETp = {0, 10, 10};
    d.Sdr = {0, 0, 50};
    EngineRun run(d);
    run.WaterBalance();
    // Day 1: 300 - 4 - 5 = 291 cannot infiltrate; 200 stay ponded and 91 drain off the surface.
    EXPECT_EQ(run.input.Pond[1], 200);
    EXPECT_EQ(run.input.InfExcess[1], 200);
    EXPECT_EQ(run.input.Sdr[1], 91);
    EXPECT_EQ(run.run.Infil[1], 9);
    // Day 2: X = -9 is less than the given 50, so nothing drains off; the pond stays full.
    EXPECT_EQ(run.input.Sdr[2], 0);
    EXPECT_EQ(run.input.InfExcess[2], 0);
    EXPECT_EQ(run.input.Pond[2], 200);
}

TEST(WaterBalanceTest, WaterTableBelowTheAquiferStopsTheRun) {
    InputData d = RoundField(3, 30);
    d.Da = 0.5;  // bottom at 3.5 m
    d.Out = 200;
    EngineRun run(d);
    run.WaterBalance();
    EXPECT_TRUE(run.run.CalcStopped);
    EXPECT_EQ(run.dialogs.messages,
              (std::vector<std::string>{"The water table is below the bottom of the aquifer. Calculations stopped.  "
                                        "Please adjust data."}));
    EXPECT_GT(run.run.Dwt[1], 3.5);
    EXPECT_EQ(run.run.Perc[1], 0);  // the step's sums were not stored
    EXPECT_EQ(run.run.Dwt[2], 0);

    // The next balance starts without the stop.
    run.input.Out = 0;
    run.engine.RunWaterBalance();
    EXPECT_FALSE(run.run.CalcStopped);
}

}  // namespace
}  // namespace vantorel
