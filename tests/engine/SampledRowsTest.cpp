// What the samples of a sampled row say together, on cases checked by hand: rank correlations
// with ties, quantiles over the completed samples, and the summary's columns of sampled fields.

#include <gtest/gtest.h>

#include "engine/RankCorrelation.h"
#include "engine/SampledRows.h"

namespace vantorel {
namespace {

TEST(SampledRowsTest, SpearmanCorrelatesAverageRanks) {
    EXPECT_EQ(AverageRanks({3, 1, 2, 2, 9}), (std::vector<double>{4, 1, 2.5, 2.5, 5}));
    // 1 - 6 * 2 / (4 * 15)
    EXPECT_DOUBLE_EQ(*SpearmanCorrelation({1, 2, 3, 4}, {1, 3, 2, 4}), 0.8);
    // Ranks 1, 2.5, 2.5, 4 against 1 .. 4: 4.5 / sqrt(4.5 * 5).
    EXPECT_DOUBLE_EQ(*SpearmanCorrelation({10, 20, 20, 30}, {5, 6, 7, 8}), 4.5 / std::sqrt(22.5));
    EXPECT_DOUBLE_EQ(*SpearmanCorrelation({1, 2, 3}, {9, 4, 1}), -1);
    EXPECT_DOUBLE_EQ(*SpearmanCorrelation({1, 2, 3}, {1, 8, 27}), 1);
    EXPECT_FALSE(SpearmanCorrelation({1, 2, 3}, {5, 5, 5}));
    EXPECT_FALSE(SpearmanCorrelation({7}, {5}));
}

ScenarioResult Sample(const std::string& row, int k, double efficiency, double salinity, bool completed = true) {
    ScenarioResult r;
    r.name = row + "-" + std::to_string(k);
    r.sampled_row = row;
    r.status = completed ? RunStatus::Completed : RunStatus::Refused;
    r.samples = {{"IrrEff", efficiency}};
    if (!completed) return r;
    r.drains = true;
    r.qh1 = 0.01;
    r.qh2 = 0.02;
    r.depth = {1.5 + k / 100.0, 1.6};
    r.drain = {2.0 * k, 1.0};
    r.salinity[Layer1] = {1.0, salinity};
    r.salinity[TransitionZone] = {2.0, 2.0};
    r.salinity[Aquifer] = {3.0, 3.0};
    r.percolation = 100 - efficiency;
    return r;
}

TEST(SampledRowsTest, BandsAreQuantilesOverTheCompletedSamplesOfEachRow) {
    ScenarioResult base;
    base.name = "base";
    base.status = RunStatus::Completed;
    base.depth = {9, 9};
    std::vector<ScenarioResult> results = {base};
    for (int k = 1; k <= 20; ++k) results.push_back(Sample("mc", k, 50 + k, 4));
    results.push_back(Sample("mc", 21, 0, 0, false));
    results.push_back(Sample("other", 1, 60, 5));

    const std::vector<SampledRow> rows = SampledRowsOf(results);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "mc");
    EXPECT_EQ(rows[0].samples, 21u);
    EXPECT_EQ(rows[0].completed, 20u);
    std::vector<std::string> series;
    for (const PredictionBand& band : rows[0].bands) series.push_back(band.series);
    EXPECT_EQ(series, (std::vector<std::string>{"water_table_depth", "drain_discharge", "salinity_layer_1",
                                                "salinity_transition_zone", "salinity_aquifer"}));
    // Of 20 depths 1.51 .. 1.70 the 5 % quantile is the 1st, the median the 10th, the 95 % the 19th.
    const PredictionBand& depth = rows[0].bands[0];
    EXPECT_EQ(depth.p05[0], 1.51);
    EXPECT_EQ(depth.p50[0], 1.6);
    EXPECT_EQ(depth.p95[0], 1.69);
    EXPECT_EQ(depth.p50[1], 1.6);
    EXPECT_TRUE(std::isnan(depth.measured[0]));

    const std::vector<std::string> lines = StudyBandsCsvLines(rows);
    EXPECT_EQ(lines[0], "name,step,series,p05,p50,p95");
    EXPECT_EQ(lines[1], "mc,1,water_table_depth,1.51,1.6,1.69");
    EXPECT_EQ(lines[3], "mc,1,drain_discharge,2,20,38");
    EXPECT_EQ(lines.size(), 1 + 2 * 5 + 2 * 5u);
    EXPECT_EQ(lines.back(), "other,2,salinity_aquifer,3,3,3");
}

TEST(SampledRowsTest, SensitivityRanksEachSampledFieldAgainstEachSummaryValue) {
    std::vector<ScenarioResult> results;
    const double salinities[] = {4, 3, 5, 6};
    for (int k = 1; k <= 4; ++k) results.push_back(Sample("mc", k, 60 + k, salinities[k - 1]));
    results.push_back(Sample("mc", 5, 20, 0, false));
    const std::vector<std::string> lines = SensitivityCsvLines(results, {"IrrEff", "Si"});
    const auto line = [&](const std::string& result) {
        for (const std::string& text : lines) {
            if (text.find("mc,IrrEff," + result + ",") == 0) return text;
        }
        return std::string("none");
    };
    EXPECT_EQ(lines[0], "name,field,result,spearman");
    EXPECT_EQ(line("salinity_layer_1"), "mc,IrrEff,salinity_layer_1,0.8");
    EXPECT_EQ(line("percolation"), "mc,IrrEff,percolation,-1");
    EXPECT_EQ(line("mean_depth"), "mc,IrrEff,mean_depth,1");
    EXPECT_EQ(line("qh1"), "mc,IrrEff,qh1,");  // the same in every sample
    EXPECT_EQ(line("salinity_layer_2"), "none");  // no sample has it
    // Si is no field of this row.
    EXPECT_EQ(lines.size(), 1 + 12u);
}

TEST(SampledRowsTest, TheSummaryHasAColumnPerSampledFieldWithTheValueUsed) {
    const std::vector<std::string> fields = {"IrrEff", "Si"};
    const std::vector<std::string> header = StudySummaryHeader(fields);
    ASSERT_EQ(header.size(), StudySummaryHeader().size() + 2);
    EXPECT_EQ(header.back(), "Si");
    ScenarioResult sample = Sample("mc", 1, 66, 4);
    sample.samples.push_back({"Si", 1.2345678901234});
    const std::vector<std::string> row = StudySummaryRow(sample, fields);
    EXPECT_EQ(row[row.size() - 2], "66");
    EXPECT_EQ(row.back(), "1.23456789");
    ScenarioResult plain;
    plain.name = "base";
    EXPECT_EQ(StudySummaryRow(plain, fields).back(), "");
    EXPECT_EQ(StudySummaryRow(plain, fields).size(), header.size());
}

}  // namespace
}  // namespace vantorel
