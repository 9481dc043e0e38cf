// The uncertainty of fitted drainage factors: what a run must have done to have one, and whether
// its 90 % intervals hold the true factors of synthetic fields nine times in ten.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/Engine.h"
#include "engine/FactorUncertainty.h"
#include "engine/UncertaintyTables.h"
#include "model/DerivedValues.h"
#include "tests/engine/EngineRun.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

// Laplace distributed scatter of the given scale, the same numbers on every machine.
class Scatter {
public:
    explicit Scatter(uint64_t seed) : numbers_(seed) {}
    double Next(double scale) {
        const double u = (static_cast<double>(numbers_() >> 11) + 0.5) / 9007199254740992.0 - 0.5;
        return -scale * std::copysign(std::log(1 - 2 * std::abs(u)), u);
    }
    int Between(int low, int high) {
        return low + static_cast<int>(numbers_() % static_cast<uint64_t>(high - low + 1));
    }

private:
    std::mt19937_64 numbers_;
};

// A wet daily field whose water table stays above the drains, measured every day: the model of
// the search with the true factors, plus scatter of the kind the likelihood assumes.
InputData SyntheticField(uint32_t seed, double qh1, double qh2, DrainageObjective objective, Scatter& scatter) {
    InputData data = test::MakeDataSet({1, 60, 1, true, false, seed});
    data.DwtInit = data.Dd - 0.3;
    for (int32_t i = 1; i <= data.NrTimeSteps; ++i) data.Irrig[i] = 6 + (i % 7 == 0 ? 20 : 0);
    test::EngineRun truth(data);
    ComputeDerivedValues(truth.input);
    truth.engine.PrepareRun();
    truth.run.QH1Used = qh1;
    truth.run.QH2Used = qh2;
    truth.engine.RunWaterBalance(TrialBalance);
    for (int32_t i = 1; i <= data.NrTimeSteps; ++i) {
        data.DwtMeas[i] = MissingDepthOrDischarge;
        data.DrainMeas[i] = MissingDepthOrDischarge;
        if (objective == DrainageObjective::WaterTable) {
            data.DwtMeas[i] = truth.run.Dwt[i] + scatter.Next(0.01);
        } else {
            data.DrainMeas[i] = truth.run.Drain[i] + scatter.Next(0.3);
        }
    }
    return data;
}

TEST(FactorUncertaintyTest, NinetyPerCentIntervalsHoldTheTrueFactorsOfSyntheticFieldsNineTimesInTen) {
    constexpr int Fields = 60;
    Scatter scatter(20250525);
    int qh1_held = 0, qh2_held = 0;
    for (int field = 0; field < Fields; ++field) {
        const int j = scatter.Between(8, 70), k = scatter.Between(8, 70);
        const double qh1 = 0.001 * j, qh2 = 0.001 * k;
        const DrainageObjective objective =
            field % 2 == 0 ? DrainageObjective::DrainDischarge : DrainageObjective::WaterTable;
        const InputData data = SyntheticField(static_cast<uint32_t>(100 + field), qh1, qh2, objective, scatter);
        const FactorUncertainty u = ComputeFactorUncertainty(data, {objective, {0.8, 0.8, 0.8, 0.8, 0.8}});
        qh1_held += u.summary.first.p05 <= qh1 && qh1 <= u.summary.first.p95;
        qh2_held += u.summary.second.p05 <= qh2 && qh2 <= u.summary.second.p95;
        ASSERT_EQ(u.measurements, 60);
    }
    const double rate = (qh1_held + qh2_held) / (2.0 * Fields);
    RecordProperty("coverage", std::to_string(rate));
    // 120 intervals at 90 %: the binomial spread is about 3 %.
    EXPECT_GE(rate, 0.83) << "QH1 " << qh1_held << ", QH2 " << qh2_held << " of " << Fields;
    EXPECT_LE(rate, 0.97) << "QH1 " << qh1_held << ", QH2 " << qh2_held << " of " << Fields;
    std::printf("90 %% intervals held the true QH1 in %d and the true QH2 in %d of %d fields (%.1f %%)\n", qh1_held,
                qh2_held, Fields, 100 * rate);
}

TEST(FactorUncertaintyTest, OnlyARunThatFittedItsFactorsToMeasurementsHasAnUncertainty) {
    InputData data = test::MakeDataSet({1, 24, 30, false, false, 61});
    EXPECT_TRUE(UncertaintyRefusal(data, true).has_value());
    data.DrainPresent = true;
    EXPECT_TRUE(UncertaintyRefusal(data, false).has_value());
    EXPECT_FALSE(UncertaintyRefusal(data, true).has_value());

    ModelState run;
    run.Input = data;
    run.Run.LEUsed = {0.7, 0.6, 0.5, 0.4, 0.3};
    EXPECT_THROW(UncertaintyBasisOf(run), UncertaintyError);  // the given factors
    run.Run.QHOptBalance = true;
    EXPECT_THROW(UncertaintyBasisOf(run), UncertaintyError);
    run.Run.QHOptBalance = false;
    run.Run.QHOptDwt = true;
    const UncertaintyBasis basis = UncertaintyBasisOf(run);
    EXPECT_EQ(basis.objective, DrainageObjective::WaterTable);
    EXPECT_EQ(basis.efficiencies, run.Run.LEUsed);
    run.Input.DrainPresent = false;
    EXPECT_THROW(UncertaintyBasisOf(run), UncertaintyError);
}

TEST(FactorUncertaintyTest, AnObjectiveWithoutMeasurementsOrADataSetARunRefusesHasNoneAndAStopEndsIt) {
    InputData data = test::MakeDataSet({1, 24, 30, true, false, 62});
    StopRequest stop;
    stop.Request();
    EXPECT_THROW(ComputeFactorUncertainty(data, {DrainageObjective::WaterTable, {1, 1, 1, 1, 1}}, &stop),
                 RunInterrupted);
    for (int32_t i = 1; i <= data.NrTimeSteps; ++i) data.DrainMeas[i] = MissingDepthOrDischarge;
    try {
        ComputeFactorUncertainty(data, {DrainageObjective::DrainDischarge, {1, 1, 1, 1, 1}});
        ADD_FAILURE() << "no discharge was measured";
    } catch (const UncertaintyError& error) {
        EXPECT_EQ(std::string(error.what()), "the data set has no measurements of the drain discharge.");
    }
    data.IrrEff = 0;
    EXPECT_THROW(ComputeFactorUncertainty(data, {DrainageObjective::WaterTable, {1, 1, 1, 1, 1}}), UncertaintyError);
}

TEST(FactorUncertaintyTest, SummaryWarnsWhenTheGridsEdgeHoldsMoreThanFivePerCent) {
    FactorUncertainty u;
    u.objective = DrainageObjective::WaterTable;
    u.measurements = 16;
    u.summary.first = {0.0131, 0.001, 0.011, 0.013, 0.016};
    u.summary.second = {0.02, 0.01, 0.001, 0.004, 0.0395};
    u.band_pairs = {5, 6, 7};
    u.band_probability = 0.9912;
    u.summary.edge_probability = 0.05;
    EXPECT_EQ(UncertaintySummaryLines(u),
              (std::vector<std::string>{"Uncertainty of the drainage factors (water-table depth, n = 16): QH1 0.013 "
                                        "(90 %: 0.011-0.016), QH2 0.004 (90 %: 0.001-0.040), correlation n.a.",
                                        "Prediction bands (5, 50 and 95 % per time step) over 3 pairs holding 99.1 % "
                                        "of the probability"}));
    u.summary.edge_probability = 0.0501;
    u.summary.correlation = -0.456;
    const std::vector<std::string> lines = UncertaintySummaryLines(u);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 19), ", correlation -0.46");
    EXPECT_EQ(lines[1],
              "  The grid's outer rows and columns hold 5.01 % of the probability: the factors may lie "
              "outside the grid.");
}

}  // namespace
}  // namespace vantorel
