// The posterior of pairs on small grids computed by hand, its quantiles, summaries and regions.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/GridPosterior.h"

namespace vantorel {
namespace {

TEST(GridPosteriorTest, ProbabilityIsTheSumToTheMinusNNormalized) {
    // 1, 1/4, 1/16 for n = 2.
    const std::vector<double> p = PosteriorFromAbsoluteSums({1, 2, 4}, 2);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_DOUBLE_EQ(p[0], 16.0 / 21);
    EXPECT_DOUBLE_EQ(p[1], 4.0 / 21);
    EXPECT_DOUBLE_EQ(p[2], 1.0 / 21);

    // 3000 measurements: 100^-3000 is far below the smallest double, the ratio is not.
    const std::vector<double> many = PosteriorFromAbsoluteSums({100, 101}, 3000);
    const double ratio = std::exp(-3000 * std::log(1.01));
    EXPECT_NEAR(many[0], 1 / (1 + ratio), 1e-15);
    EXPECT_NEAR(many[1], ratio / (1 + ratio), 1e-15);
    EXPECT_GT(many[1], 0);
}

TEST(GridPosteriorTest, PerfectFitsShareAllUnusableSumsNoneAndNothingUsableGivesNothing) {
    EXPECT_EQ(PosteriorFromAbsoluteSums({0, 3, 0}, 5), (std::vector<double>{0.5, 0, 0.5}));
    EXPECT_EQ(PosteriorFromAbsoluteSums({NAN, 2, INFINITY, -1}, 3), (std::vector<double>{0, 1, 0, 0}));
    EXPECT_TRUE(PosteriorFromAbsoluteSums({NAN, INFINITY}, 3).empty());
    EXPECT_TRUE(PosteriorFromAbsoluteSums({1, 2}, 0).empty());
}

TEST(GridPosteriorTest, QuantileIsTheSmallestValueWhoseCumulativeWeightReachesTheLevel) {
    const std::vector<double> values = {1, 2, 3, 4};
    // 0.05 + 0.45 + 0.45 falls short of 0.95 in binary by rounding alone: 3 reaches it.
    const std::vector<double> weights = {0.05, 0.45, 0.45, 0.05};
    EXPECT_EQ(QuantileOfAscending(values, weights, 0.05), 1);
    EXPECT_EQ(QuantileOfAscending(values, weights, 0.50), 2);
    EXPECT_EQ(QuantileOfAscending(values, weights, 0.95), 3);
    EXPECT_EQ(QuantileOfAscending(values, weights, 0.96), 4);
    // Weights need not be normalized; a value without weight is never a quantile.
    EXPECT_EQ(QuantileOfAscending(values, {0, 3, 0, 1}, 0.05), 2);
    EXPECT_EQ(QuantileOfAscending(values, {0, 3, 0, 1}, 0.80), 4);
}

TEST(GridPosteriorTest, SummaryOfATwoByThreeGrid) {
    // first 1, 2 (rows); second 10, 20, 30 (columns).
    const GridPosterior grid{{1, 2}, {10, 20, 30}, {0.1, 0.2, 0.1, 0.0, 0.2, 0.4}};
    const PosteriorSummary s = SummarizePosterior(grid);
    // Marginals: first 0.4, 0.6; second 0.1, 0.4, 0.5.
    EXPECT_DOUBLE_EQ(s.first.mean, 1.6);
    EXPECT_DOUBLE_EQ(s.first.sd, std::sqrt(0.24));
    EXPECT_EQ(s.first.p05, 1);
    EXPECT_EQ(s.first.p50, 2);
    EXPECT_DOUBLE_EQ(s.second.mean, 24);
    EXPECT_DOUBLE_EQ(s.second.sd, std::sqrt(44.0));
    EXPECT_EQ(s.second.p05, 10);
    EXPECT_EQ(s.second.p50, 20);
    EXPECT_EQ(s.second.p95, 30);
    // E[xy] = 0.1*10 + 0.2*20 + 0.1*30 + 0.2*40 + 0.4*60 = 40; cov = 40 - 1.6 * 24 = 1.6.
    ASSERT_TRUE(s.correlation.has_value());
    EXPECT_NEAR(*s.correlation, 1.6 / std::sqrt(0.24 * 44), 1e-14);
    // Two rows: every pair lies on the edge.
    EXPECT_DOUBLE_EQ(s.edge_probability, 1.0);
}

TEST(GridPosteriorTest, EdgeOfAThreeByThreeGridAndNoCorrelationForACertainFactor) {
    GridPosterior grid{{1, 2, 3}, {1, 2, 3}, std::vector<double>(9, 0.0)};
    grid.probability[4] = 0.7;  // the middle
    grid.probability[3] = 0.3;  // first 2, second 1: the edge
    const PosteriorSummary s = SummarizePosterior(grid);
    EXPECT_DOUBLE_EQ(s.edge_probability, 0.3);
    EXPECT_EQ(s.first.sd, 0);
    EXPECT_FALSE(s.correlation.has_value());
    EXPECT_EQ(s.second.p05, 1);
    EXPECT_EQ(s.second.p50, 2);
}

TEST(GridPosteriorTest, HighestProbabilitySetTakesTheMostProbableFirstAndTheEarlierOfEqualOnes) {
    const std::vector<double> p = {0.1, 0.4, 0.1, 0.4, 0.0};
    EXPECT_EQ(HighestProbabilitySet(p, 0.5), (std::vector<int>{1, 3}));
    EXPECT_EQ(HighestProbabilitySet(p, 0.8), (std::vector<int>{1, 3}));
    EXPECT_EQ(HighestProbabilitySet(p, 0.85), (std::vector<int>{1, 3, 0}));
    // A pair without probability never belongs to a region.
    EXPECT_EQ(HighestProbabilitySet(p, 1.0), (std::vector<int>{1, 3, 0, 2}));
}

}  // namespace
}  // namespace vantorel
