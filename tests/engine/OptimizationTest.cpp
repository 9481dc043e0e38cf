// The drainage-factor optimization as a whole: its questions, the optima it accepts or rejects,
// its fits and messages, and the output header that reports them.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/DrainageGridSearch.h"
#include "engine/OptimizationTexts.h"
#include "model/InputFile.h"
#include "model/NumberText.h"
#include "tests/engine/EngineRun.h"
#include "tests/support/RoundField.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

constexpr const char* BelowAquifer =
    "The water table is below the bottom of the aquifer. Calculations stopped.  Please adjust data.";

// Thirty weeks on a drained field with irrigation every fourth week and rain every third.
InputData DrainedWeeks() {
    InputData d = test::RoundField(30, 7);
    d.DrainPresent = true;
    d.Dd = 1.6;
    d.QH1 = 0.01;
    d.QH2 = 0.01;
    d.DwtInit = 1.2;
    for (int32_t i = 1; i <= 30; ++i) {
        d.Rain[i] = i % 3 == 0 ? 140 : 0;
        d.Irrig[i] = i % 4 == 1 ? 210 : 0;
        d.ETp[i] = 35;
    }
    return d;
}

// The water table and drain discharge of the field under the given factors.
void Simulate(const InputData& data, double qh1, double qh2, StepSeries& dwt, StepSeries& drain) {
    test::EngineRun run(data);
    ComputeDerivedValues(run.input);
    run.engine.PrepareRun();
    run.run.QH1Used = qh1;
    run.run.QH2Used = qh2;
    run.engine.RunWaterBalance();
    dwt = run.run.Dwt;
    drain = run.run.Drain;
}

// Measured depths every other week, off the simulated ones by `scatter` times their distance from
// the mean, alternately up and down: the fit of the true factors is then about 1 - scatter.
void MeasureDepths(InputData& d, double scatter) {
    StepSeries dwt, drain;
    Simulate(d, 0.02, 0.01, dwt, drain);
    double mean = 0;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) mean += dwt[i];
    mean /= d.NrTimeSteps;
    for (int32_t i = 2; i <= d.NrTimeSteps; i += 2) {
        d.DwtMeas[i] = dwt[i] + (i % 4 == 0 ? scatter : -scatter) * std::abs(dwt[i] - mean);
    }
}

class OptimizationTest : public ::testing::Test {
protected:
    void Run(InputData data, std::deque<bool> answers) {
        data.FileName = input_path_;
        state_.Input = data;
        SaveInputFile(state_.Input);
        dialogs_.answers = std::move(answers);
        Engine(state_, dialogs_).RunCalculation();
    }
    std::string FactorLine() { return test::ReadCrLfLines(dir_.File("field.out")).at(6); }

    test::TempDir dir_;
    std::string input_path_ = dir_.File("field.inp");
    ModelState state_;
    test::ScriptedDialogs dialogs_;
};

TEST_F(OptimizationTest, WeeklyBalanceIsRoundingNoiseSoTheFactorsCannotBeOptimized) {
    Run(DrainedWeeks(), {true});
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{ShortDrainageQuestion}));
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{NotOptimizedMessage}));
    EXPECT_FALSE(state_.Run.QHOptBalance || state_.Run.QHOptDwt || state_.Run.QHOptDrain);
    EXPECT_FALSE(state_.Run.DrainOptWanted);
    EXPECT_EQ(state_.Run.QH1Used, 0.01);
    EXPECT_EQ(FactorLine(), " Drainage factor QH1 (given) :    0.010    QH2 (given) =  0.010");
    // The Yes to the drainage question stands for the leaching stage, which asks nothing here.
    EXPECT_EQ(dialogs_.progress, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
}

TEST_F(OptimizationTest, DailyBalanceOptimumIsTakenUnlessItIsTheInputPair) {
    InputData d = DrainedWeeks();
    d.Ts = 1;
    d.TP1 = 30;  // a root zone of 200 mm that fills and empties
    d.Dc = 2;    // capillary rise, and so the daily storage, depend on the depth of the water table
    // About as much water comes in as evaporates, so the storage sum changes sign across the grid.
    for (int32_t i = 1; i <= 30; ++i) {
        d.Rain[i] = i % 3 == 0 ? 4 : 0;
        d.Irrig[i] = i % 10 == 1 ? 30 : 0;
        d.ETp[i] = 6;
    }
    Run(d, {true});
    ASSERT_TRUE(state_.Run.QHOptBalance) << (dialogs_.messages.empty() ? "" : dialogs_.messages[0]);
    EXPECT_TRUE(dialogs_.messages.empty());
    const double qh1 = state_.Run.QH1Used, qh2 = state_.Run.QH2Used;
    EXPECT_EQ(FactorLine(), " Drainage factors optimized    :    QH1 = " + FormatFixed(qh1, 6, 3) +
                                " (for water balance)   QH2 = " + FormatFixed(qh2, 6, 3));

    // The same pair given in the input counts as not found.
    d.QH1 = qh1;
    d.QH2 = qh2;
    dialogs_.messages.clear();
    Run(d, {true});
    EXPECT_FALSE(state_.Run.QHOptBalance);
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{NotOptimizedMessage}));
}

TEST_F(OptimizationTest, FitBetweenPointTwoAndPointFiveIsTakenThroughTheSecondChance) {
    InputData d = DrainedWeeks();
    MeasureDepths(d, 0.65);
    Run(d, {true});
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{LongDrainageQuestion}));
    EXPECT_GT(state_.Run.FitDwt, 0.2);
    EXPECT_LT(state_.Run.FitDwt, 0.5);
    EXPECT_TRUE(state_.Run.QHOptDwt);
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{WaterTableSecondChanceMessage}));
    EXPECT_EQ(FactorLine(), " Drainage factors optimized    :    QH1 = " + FormatFixed(state_.Run.QH1Used, 6, 3) +
                                " (for water table)   QH2 = " + FormatFixed(state_.Run.QH2Used, 6, 3) +
                                "   Data fit (%) : " + FormatFixed(100 * state_.Run.FitDwt, 4, 0));

    // Too much scatter: no fit above 0.2, nothing to take.
    MeasureDepths(d, 0.9);
    dialogs_.messages.clear();
    Run(d, {true});
    EXPECT_FALSE(state_.Run.QHOptDwt);
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{NotOptimizedMessage}));
}

TEST_F(OptimizationTest, TwoGoodFitsAskWhichToTake) {
    InputData d = DrainedWeeks();
    MeasureDepths(d, 0.1);
    StepSeries dwt, drain;
    Simulate(d, 0.02, 0.01, dwt, drain);
    for (int32_t i = 1; i <= 30; i += 2) d.DrainMeas[i] = drain[i] * 7;
    Run(d, {true, false});
    ASSERT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(dialogs_.questions[1], FitChoiceQuestion(state_.Run.FitDwt, state_.Run.FitDrain));
    EXPECT_GT(state_.Run.FitDrain, state_.Run.FitDwt);
    // No to the proposed discharge optimum takes the water table.
    EXPECT_TRUE(state_.Run.QHOptDwt);
    EXPECT_FALSE(state_.Run.QHOptDrain);
    EXPECT_FALSE(state_.Run.OptAccepted);
}

TEST_F(OptimizationTest, FitQuestionProposesTheWaterTableOnEqualFits) {
    const std::string equal = FitChoiceQuestion(0.75, 0.75);
    EXPECT_EQ(equal,
              "The drainage capacity factors can be optimized both for the depth of the water table and the drain "
              "discharge. The goodness of fit for the water table is 75.0 % and that for the drain discharge is 75.0 "
              "%. Vantorel selects the one with the highest goodness of fit, which is the water table. Do you agree "
              "?. (if not Vantorel goes for the drain discharge.)");
}

TEST_F(OptimizationTest, FitRunBelowTheAquiferMakesThatOptimumUnusableAndSilent) {
    InputData d = DrainedWeeks();
    d.Da = 1;  // bottom at 4 m
    d.Out = 40;
    for (int32_t i = 2; i <= 30; i += 2) d.DwtMeas[i] = 1.5 + 0.1 * i;
    Run(d, {true});
    EXPECT_EQ(state_.Run.FitDwt, 0);
    EXPECT_FALSE(state_.Run.QHOptDwt);
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{NotOptimizedMessage, BelowAquifer}));
    EXPECT_TRUE(state_.Run.CalcStopped);
}

TEST_F(OptimizationTest, ObjectiveWithoutAnyUsableTrialHasNoOptimumAndNoFitRun) {
    InputData d = DrainedWeeks();
    for (int32_t i = 1; i <= 30; i += 2) {
        d.DwtMeas[i] = 1e6;
        d.DrainMeas[i] = 1e7;
    }
    Run(d, {true});
    EXPECT_EQ(state_.Run.FitDwt, 0);
    EXPECT_EQ(state_.Run.FitDrain, 0);
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{NotOptimizedMessage}));
}

TEST_F(OptimizationTest, MissingDischargesStayOutOfTheDischargeObjective) {
    InputData d = DrainedWeeks();
    for (int32_t i = 5; i <= 25; i += 5) d.DrainMeas[i] = 10;
    test::EngineRun run(d);
    ComputeDerivedValues(run.input);
    run.engine.PrepareRun();
    DrainageTrialSums sums;
    RunDrainageGrid(run.state, run.input.IrrSpread, sums, [](int) {});
    // Five measured weeks of a few mm a day each; a missing week counted as -1000 / 7 would add 140.
    for (double sum : sums.discharge) EXPECT_LT(sum, 5 * 60);
}

TEST_F(OptimizationTest, QuestionsDependOnTheMeasurementCounts) {
    InputData d = DrainedWeeks();
    for (int32_t i = 1; i <= 4; ++i) {
        d.DwtMeas[i] = 1.3;
        d.DrainMeas[i] = 7;
    }
    Run(d, {false});
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{ShortDrainageQuestion}));
    d.DrainMeas[5] = 7;
    dialogs_.questions.clear();
    Run(d, {false});
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{LongDrainageQuestion}));
    EXPECT_EQ(state_.Run.QH1Used, 0.01);

    d.DrainPresent = false;
    dialogs_.questions.clear();
    Run(d, {});
    EXPECT_TRUE(dialogs_.questions.empty());
}

}  // namespace
}  // namespace vantorel
