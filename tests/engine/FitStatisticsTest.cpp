// The fit statistics against values worked by hand, every undefined case, and the series a run has.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/FitStatistics.h"

namespace vantorel {
namespace {

TEST(FitStatisticsTest, FourPairsWorkedByHand) {
    const FitStatistics f = ComputeFitStatistics("x", {1, 2, 3, 4}, {2, 2, 4, 3});
    EXPECT_EQ(f.n, 4);
    EXPECT_EQ(f.observed_mean, 2.5);
    EXPECT_EQ(f.simulated_mean, 2.75);
    EXPECT_DOUBLE_EQ(*f.rmse, std::sqrt(0.75));
    EXPECT_DOUBLE_EQ(*f.mae, 0.75);
    EXPECT_DOUBLE_EQ(*f.pbias_percent, -10);  // negative: the model overestimates
    EXPECT_DOUBLE_EQ(*f.nse, 0.4);            // 1 - 3 / 5
    EXPECT_DOUBLE_EQ(*f.r_squared, 6.25 / 13.75);
    const double r = 2.5 / std::sqrt(13.75), alpha = std::sqrt(0.55), beta = 1.1;
    EXPECT_DOUBLE_EQ(*f.kge, 1 - std::sqrt((r - 1) * (r - 1) + (alpha - 1) * (alpha - 1) + (beta - 1) * (beta - 1)));
}

TEST(FitStatisticsTest, UndefinedStatisticsStayEmpty) {
    // One pair: no spread to compare.
    FitStatistics f = ComputeFitStatistics("x", {2}, {3});
    EXPECT_EQ(*f.rmse, 1);
    EXPECT_EQ(*f.mae, 1);
    EXPECT_EQ(*f.pbias_percent, -50);
    EXPECT_FALSE(f.nse || f.r_squared || f.kge);

    // Equal observations, also where their mean is not exactly the value: no NSE, r or KGE.
    f = ComputeFitStatistics("x", {0.1, 0.1, 0.1}, {0.1, 0.2, 0.3});
    EXPECT_TRUE(f.rmse && f.mae && f.pbias_percent);
    EXPECT_FALSE(f.nse || f.r_squared || f.kge);

    // Equal simulated values: NSE but no r or KGE.
    f = ComputeFitStatistics("x", {1, 2, 3}, {2, 2, 2});
    EXPECT_DOUBLE_EQ(*f.nse, 0);
    EXPECT_FALSE(f.r_squared || f.kge);

    // Observations summing to 0: no PBIAS, and no KGE for their mean of 0.
    f = ComputeFitStatistics("x", {-1, 1}, {-2, 3});
    EXPECT_FALSE(f.pbias_percent || f.kge);
    EXPECT_DOUBLE_EQ(*f.nse, -1.5);
    EXPECT_DOUBLE_EQ(*f.r_squared, 1);
}

TEST(FitStatisticsTest, RunSeriesCountOnlyMeasuredStepsOfExistingZones) {
    ModelState s;
    InputData& d = s.Input;
    d.NrTimeSteps = 3;
    d.NrLayers = 1;
    d.DwtMeas = {0, 0, MissingDepthOrDischarge, 1.5};  // a measured 0 counts
    d.DrainMeas = {0, MissingDepthOrDischarge, MissingDepthOrDischarge, MissingDepthOrDischarge};
    d.S1meas = {0, MissingSalinity, 0, 2};  // a salinity of 0 does not
    d.S2meas = {0, 3, 3, 3};                // no second layer
    d.S3meas = d.STmeas = d.SAmeas = {0, MissingSalinity, MissingSalinity, MissingSalinity};
    s.Run.Dwt = {9, 0.5, 1, 1};
    s.Run.Drain = {0, 1, 1, 1, 1};
    s.Run.S1 = {0, 1, 1, 2.5};
    s.Run.S2 = s.Run.S3 = s.Run.STr = s.Run.SAq = {0, 0, 0, 0};
    const std::vector<FitStatistics> rows = RunFitStatistics(s);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].series, "water-table");
    EXPECT_EQ(rows[0].n, 2);
    EXPECT_EQ(rows[0].simulated_mean, 0.75);
    EXPECT_EQ(rows[1].series, "salinity-layer-1");
    EXPECT_EQ(rows[1].n, 1);
    EXPECT_EQ(*rows[1].rmse, 0.5);

    d.DwtMeas = {0, MissingDepthOrDischarge, MissingDepthOrDischarge, MissingDepthOrDischarge};
    d.S1meas = {0, -1, 0, -1};
    EXPECT_TRUE(RunFitStatistics(s).empty());
}

}  // namespace
}  // namespace vantorel
