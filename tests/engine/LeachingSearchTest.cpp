// The leaching-efficiency searches and their stage in the run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/OptimizationTexts.h"
#include "engine/SaltUpdate.h"
#include "tests/engine/EngineRun.h"
#include "tests/support/RoundField.h"
#include "model/NumberText.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

// A monthly field whose salts are leached by irrigation and come back by capillary rise.
InputData SaltyMonths(int32_t layers) {
    InputData d = test::RoundField(12, 30, layers);
    d.Dc = 2;
    d.DwtInit = 1.4;
    d.Si = 1.5;
    d.S1init = d.S2init = d.S3init = 8;
    d.STinit = 6;
    d.SAinit = 4;
    d.LE1 = d.LE2 = d.LE3 = 70;
    d.LEt = d.LEa = 90;
    d.Inf = 0.5;  // upward seepage from the aquifer
    for (int32_t i = 1; i <= 12; ++i) {
        d.Irrig[i] = i % 2 == 1 ? 240 : 30;
        d.Rain[i] = i % 3 == 0 ? 60 : 0;
        d.ETp[i] = 150;
    }
    return d;
}

// Measurements every other step from a run with the given efficiency of one zone.
void MeasureFromRun(InputData& d, double efficiency_percent, Zone zone) {
    InputData truth = d;
    double* le[ZoneCount] = {&truth.LE1, &truth.LE2, &truth.LE3, &truth.LEt, &truth.LEa};
    *le[zone] = efficiency_percent;
    test::EngineRun run(truth);
    run.WaterAndSaltBalance();
    const StepSeries* simulated[ZoneCount] = {&run.run.S1, &run.run.S2, &run.run.S3, &run.run.STr, &run.run.SAq};
    StepSeries* measured[ZoneCount] = {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas};
    for (int32_t i = 2; i <= d.NrTimeSteps; i += 2) (*measured[zone])[i] = (*simulated[zone])[i];
}

class LeachingSearchTest : public ::testing::Test {
protected:
    void Run(const InputData& data, std::deque<bool> answers) {
        state_.Input = data;
        state_.Input.FileName = dir_.File("salt.inp");
        ComputeDerivedValues(state_.Input);
        dialogs_.answers = std::move(answers);
        Engine(state_, dialogs_).RunCalculation();
        ASSERT_FALSE(state_.Run.CalcStopped);
    }
    test::TempDir dir_;
    ModelState state_;
    test::ScriptedDialogs dialogs_;
};

TEST_F(LeachingSearchTest, ZoneWithThreeMeasurementsIsSkippedOneWithFourSearched) {
    InputData d = SaltyMonths(1);
    MeasureFromRun(d, 40, TransitionZone);  // six measurements
    d.S1meas[2] = 5;
    d.S1meas[4] = 4;
    d.S1meas[6] = 3;
    Run(d, {true});
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{LeachingQuestion}));
    EXPECT_EQ(state_.Run.LEUsed[Layer1], 0.7);
    EXPECT_FALSE(state_.Run.LEOptimized[Layer1]);
    EXPECT_TRUE(state_.Run.LEOptimized[TransitionZone]);
    EXPECT_NE(state_.Run.LEUsed[TransitionZone], 0.9);
    EXPECT_TRUE(state_.Run.SaltFitNA[Layer1]);
    EXPECT_FALSE(state_.Run.SaltFitNA[TransitionZone]);
    EXPECT_EQ(dialogs_.progress, (std::vector<int>{1, 6, 7, 8, 9}));
    // The search's trials are kept as tried; its best is the efficiency used.
    ASSERT_EQ(state_.Run.LeachingCurves.size(), 1u);
    const LeachingCurve& curve = state_.Run.LeachingCurves[0];
    EXPECT_EQ(curve.zone, TransitionZone);
    ASSERT_EQ(curve.efficiency.size(), 180u);
    EXPECT_EQ(curve.efficiency[0], 0.1 + 0.01);
    const auto best = std::min_element(curve.sum_of_squares.begin(), curve.sum_of_squares.end());
    EXPECT_EQ(curve.efficiency[best - curve.sum_of_squares.begin()], state_.Run.LEUsed[TransitionZone]);
    // The data set keeps the given efficiencies.
    EXPECT_EQ(state_.Input.LEt, 90);
    const std::vector<std::string> lines = test::ReadCrLfLines(dir_.File("salt.out"));
    const std::string optimized = " Leaching eff. transit. zone   :" +
                                  FormatFixed(state_.Run.LEUsed[TransitionZone], 8, 2) +
                                  "  (optimized),   Coeff. of determination (%) :";
    EXPECT_EQ(lines.at(8).substr(0, optimized.size()), optimized);
}

TEST_F(LeachingSearchTest, LaterSearchSeesTheEfficiencyAnEarlierOneFound) {
    InputData d = SaltyMonths(2);
    MeasureFromRun(d, 35, Layer1);
    MeasureFromRun(d, 55, Layer2);
    test::EngineRun both(d);
    both.WaterBalance();
    both.engine.SearchLeachingEfficiency(2, Layer1);
    both.engine.SearchLeachingEfficiency(2, Layer2);
    ASSERT_NE(both.input.LE1, 0.7);

    test::EngineRun second_only(d);
    second_only.WaterBalance();
    second_only.input.LE1 = both.input.LE1;
    second_only.engine.SearchLeachingEfficiency(2, Layer2);
    EXPECT_EQ(second_only.input.LE2, both.input.LE2);

    test::EngineRun with_given(d);
    with_given.WaterBalance();
    with_given.engine.SearchLeachingEfficiency(2, Layer2);
    EXPECT_NE(with_given.input.LE2, both.input.LE2) << "the case must depend on the layer-1 efficiency";
}

TEST_F(LeachingSearchTest, EqualCappedSumsChooseTheFirstCandidate) {
    InputData d = SaltyMonths(1);
    for (int32_t i = 3; i <= 12; i += 3) d.S1meas[i] = 5000;
    test::EngineRun run(d);
    run.WaterBalance();
    run.engine.SearchLeachingEfficiency(1, Layer1);
    EXPECT_EQ(run.input.LE1, 0.1 + 0.01);
}

TEST_F(LeachingSearchTest, OptimumEqualToTheGivenEfficiencyIsNotMarked) {
    InputData d = SaltyMonths(1);
    d.Dc = 0.6;  // the water table stays below it: no capillary rise, the root zone feels nothing below
    MeasureFromRun(d, 12, Layer1);
    d.LE1 = 12;  // 0.12 is also the candidate 0.1 + 0.01 + 0.01, bit for bit
    Run(d, {true});
    EXPECT_EQ(state_.Run.LEUsed[Layer1], 0.12);
    EXPECT_FALSE(state_.Run.LEOptimized[Layer1]);

    // An uncapped search in which no candidate comes under 1,000,000 keeps the given efficiency.
    InputData far = SaltyMonths(1);
    for (int32_t i = 3; i <= 12; i += 3) far.STmeas[i] = 1e4;
    Run(far, {true});
    EXPECT_EQ(state_.Run.LEUsed[TransitionZone], 0.9);
    EXPECT_FALSE(state_.Run.LEOptimized[TransitionZone]);
}

TEST_F(LeachingSearchTest, NoQuestionWithThreeMeasurementsAndNoSearchAfterNo) {
    InputData d = SaltyMonths(3);
    for (StepSeries* s : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
        (*s)[1] = 3;
        (*s)[2] = 3;
        (*s)[3] = 3;
    }
    Run(d, {});
    EXPECT_TRUE(dialogs_.questions.empty());
    d.S3meas[4] = 3;
    Run(d, {false});
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{LeachingQuestion}));
    for (bool optimized : state_.Run.LEOptimized) EXPECT_FALSE(optimized);
}

// The two-layer aquifer search written out as the model has it, trial after trial: the
// transition zone's seepage term reads the aquifer's working efficiency as the trials leave it.
double PlainTwoLayerAquiferSearch(const ModelState& s) {
    const InputData& d = s.Input;
    const RunValues& r = s.Run;
    double le_a = d.LEa;
    double trial = 0.1, best = 1000000;
    const double bottom = d.D1 + d.D2 + d.Dt;
    for (int k = 1; k <= 280; ++k) {
        trial = trial + 0.01;
        double s1 = d.S1init, s2 = d.S2init, st = d.STinit, sa = d.SAinit, sum = 0;
        for (int32_t t = 1; t <= d.NrTimeSteps; ++t) {
            for (int32_t day = 1; day <= d.Ts; ++day) {
                const double p1 = r.Perc1Day(t, day), p2 = r.Perc2Day(t, day), c1 = r.Cap1Day(t, day),
                             c2 = r.Cap2Day(t, day);
                double in1 = (d.IrrSpread[t] - d.InfExcess[t]) * d.Si + c1 * s2, q1 = p1;
                if (d.IrrSpread[t] - d.InfExcess[t] < 0) in1 = c1 * s2;
                if (r.Dwt[t] < 0) {
                    in1 = r.Infil[t] * d.Si;
                    q1 = r.Infil[t];
                }
                const double n1 = FloorAtZero(UpdatedSalinity(s1, in1, q1, d.LE1, r.W1));
                const double m1 = (s1 + n1) / 2;
                s1 = n1;
                const double n2 = FloorAtZero(UpdatedSalinity(s2, p1 * m1 * d.LE1 + c2 * st, p2 + c1, d.LE2, r.W2));
                const double m2 = (s2 + n2) / 2;
                s2 = n2;
                const double nt = FloorBelowZero(
                    UpdatedSalinity(st, p2 * m2 * d.LE2 + r.Up * sa * le_a, r.Drain[t] + c2 + r.Down, d.LEt, r.Wt));
                const double mt = (st + nt) / 2;
                st = nt;
                const double na = FloorBelowZero(UpdatedSalinity(
                    sa, (bottom <= r.Dwt[t] ? p2 + r.Down : r.Down) * mt + d.Inf * d.Sinf, d.Out + r.Up, trial, r.Wa));
                sa = na;
                if (day == d.Ts && d.SAmeas[t] > 0) sum = sum + (na - d.SAmeas[t]) * (na - d.SAmeas[t]);
            }
        }
        if (sum < best) {
            best = sum;
            le_a = trial;
        }
    }
    return le_a;
}

TEST_F(LeachingSearchTest, TwoLayerAquiferSearchWithUpwardSeepageRunsInOrder) {
    InputData d = SaltyMonths(2);
    d.Inf = 4;  // strong upward seepage, so the working efficiency matters
    MeasureFromRun(d, 60, Aquifer);
    for (int32_t i = 1; i <= 12; ++i) d.SAmeas[i] = d.SAmeas[i] > 0 ? d.SAmeas[i] * 1.05 : d.SAmeas[i];
    test::EngineRun run(d);
    run.WaterBalance();
    ASSERT_GT(run.run.Up, 0);
    const double plain = PlainTwoLayerAquiferSearch(run.state);
    run.engine.SearchLeachingEfficiency(2, Aquifer);
    EXPECT_EQ(run.input.LEa, plain);
}

}  // namespace
}  // namespace vantorel
