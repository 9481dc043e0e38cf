// Whole calculations: the output file's header and rows, the data set given back as entered, and
// the runs that must not write anything.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "model/NumberText.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/RoundField.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

class CalculationTest : public ::testing::Test {
protected:
    // Saves the data set as the window's "Save all - Run" does, then runs it.
    void SaveAndRun(const InputData& data) {
        state_.Input = data;
        state_.Input.FileName = input_path_;
        SaveInputFile(state_.Input);
        Engine(state_, dialogs_).RunCalculation();
    }
    std::vector<std::string> OutputLines() { return test::ReadCrLfLines(output_path_); }

    test::TempDir dir_;
    std::string input_path_ = dir_.File("field.inp");
    std::string output_path_ = dir_.File("field.out");
    ModelState state_;
    test::ScriptedDialogs dialogs_;
};

TEST_F(CalculationTest, HeaderReportsTheGivenFactorsAndEfficiencies) {
    InputData d = test::RoundField(5, 30, 2);
    d.DrainPresent = true;
    d.Dd = 1.5;
    d.QH1 = 0.0125;
    d.QH2 = 0.0034;
    d.LE1 = 80;
    d.LE2 = 65;
    d.LEt = 0;  // a zone without leaching has no line
    d.LEa = 100;
    d.Irrig = {0, 120, 120, 120, 120, 120};
    d.S1meas = {0, 1.5, 1.6, 1.7, 1.8, 1.9};
    SaveAndRun(d);
    ASSERT_FALSE(state_.Run.CalcStopped) << dialogs_.messages.front();
    const std::vector<std::string> lines = OutputLines();
    const std::vector<std::string> expected = {
        " Drainage factor QH1 (given) :    0.013    QH2 (given) =  0.003",
        " Leaching efficiency layer 1   :    0.80  (given),       Coeff. of determination (%) :" +
            FormatFixed(100 * state_.Run.SaltFit1, 5, 0),
        " Leaching efficiency layer 2   :    0.65  (given),       Coeff. of determination (%) :  n.a.",
        " Leaching efficiency aquifer   :    1.00  (given),       Coeff. of determination (%) :  n.a.",
        " Units:",
    };
    ASSERT_EQ(lines.size(), 19u + 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 6 + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(lines[18].substr(0, 4), " - -");
}

TEST_F(CalculationTest, RunGivesTheDataSetBackAsEnteredAndIsRepeatable) {
    for (const test::DataSetShape& shape :
         {test::DataSetShape{1, 24, 30, true, false, 41}, test::DataSetShape{2, 20, 7, true, true, 42},
          test::DataSetShape{3, 40, 1, false, true, 43}}) {
        InputData data = test::MakeDataSet(shape);
        data.LEt = 0;
        SaveAndRun(data);
        ASSERT_FALSE(state_.Run.CalcStopped) << shape.layers;
        const std::string first_output = test::ReadFile(output_path_);
        EXPECT_EQ(state_.Input.FileName, output_path_);

        InputData reread;
        reread.FileName = input_path_;
        LoadInputFile(reread, dialogs_);
        ComputeDerivedValues(reread);
        test::ExpectSameFileContents(reread, state_.Input);
        EXPECT_EQ(state_.Input.IrrSpread, reread.IrrSpread);
        EXPECT_EQ(state_.Input.DrainMeas, reread.DrainMeas);

        const std::string saved = test::ReadFile(input_path_);
        state_.Input.FileName = input_path_;
        SaveInputFile(state_.Input);
        EXPECT_EQ(test::ReadFile(input_path_), saved) << shape.layers;

        Engine(state_, dialogs_).RunCalculation();
        EXPECT_EQ(test::ReadFile(output_path_), first_output) << shape.layers;
    }
}

TEST_F(CalculationTest, StopBelowTheAquiferWritesNothingAndRestoresTheData) {
    InputData d = test::RoundField(3, 30);
    d.Da = 0.5;
    d.Out = 200;
    test::WriteFile(output_path_, "previous output\r\n");
    SaveAndRun(d);
    EXPECT_TRUE(state_.Run.CalcStopped);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(test::ReadFile(output_path_), "previous output\r\n");
    EXPECT_EQ(state_.Input.TP1, 50);
    EXPECT_EQ(state_.Input.IrrEff, 100);
    EXPECT_EQ(state_.Input.FileName, input_path_);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), std::filesystem::directory_iterator()), 2);
}

// Asks the calculation to stop once it reaches a progress position, as a Cancel button would.
class StoppingDialogs : public test::ScriptedDialogs {
public:
    StoppingDialogs(StopRequest& stop, int position) : stop_(stop), position_(position) {}
    void SetProgress(int position) override {
        ScriptedDialogs::SetProgress(position);
        if (position == position_) {
            stop_.Request();
            messages_before_stop = messages.size();
        }
    }
    size_t messages_before_stop = 0;

private:
    StopRequest& stop_;
    int position_;
};

TEST_F(CalculationTest, StopRequestEndsTheRunWithoutMessageOrOutputAndRestoresTheData) {
    InputData d = test::MakeDataSet({2, 40, 30, true, false, 41});
    d.FileName = input_path_;
    SaveInputFile(d);
    const std::string saved = test::ReadFile(input_path_);
    // Before the water balance, inside the drainage search, inside a leaching search.
    for (const int position : {0, 2, 6}) {
        test::WriteFile(output_path_, "previous output\r\n");
        state_ = ModelState();
        state_.Input = d;
        StopRequest stop;
        if (position == 0) stop.Request();
        StoppingDialogs dialogs(stop, position);
        dialogs.answers = {true, true, true, true};
        Engine engine(state_, dialogs);
        engine.SetStopRequest(stop);
        engine.RunCalculation();
        EXPECT_TRUE(state_.Run.CalcStopped) << position;
        EXPECT_TRUE(state_.Run.CalcInterrupted) << position;
        EXPECT_EQ(dialogs.messages.size(), dialogs.messages_before_stop) << position;
        EXPECT_EQ(test::ReadFile(output_path_), "previous output\r\n");
        EXPECT_EQ(state_.Input.FileName, input_path_);
        SaveInputFile(state_.Input);
        EXPECT_EQ(test::ReadFile(input_path_), saved) << position;
    }
    // The same run without a stop completes.
    state_ = ModelState();
    state_.Input = d;
    test::ScriptedDialogs dialogs;
    dialogs.answers = {true, true, true, true};
    Engine(state_, dialogs).RunCalculation();
    EXPECT_FALSE(state_.Run.CalcInterrupted);
    EXPECT_NE(test::ReadFile(output_path_), "previous output\r\n");
}

TEST_F(CalculationTest, DataThatWouldDivideByZeroIsRefusedBeforeAnythingChanges) {
    struct Case {
        void (*spoil)(InputData&);
        const char* message;
    };
    const Case cases[] = {
        {[](InputData& d) { d.Dt = 0; }, "The thickness of the transition zone must be greater than 0. Please adjust data."},
        {[](InputData& d) { d.EffPort = 0; },
         "The effective porosity of the transition zone must be greater than 0. Please adjust data."},
        {[](InputData& d) { d.TP2 = -1; }, "The total porosity of the 2nd layer must be greater than 0. Please adjust data."},
        {[](InputData& d) { d.IrrEff = 0; }, "The irrigation efficiency must be greater than 0. Please adjust data."},
    };
    for (const Case& c : cases) {
        InputData d = test::RoundField(2, 30, 3);
        c.spoil(d);
        dialogs_.messages.clear();
        state_.Input = d;
        state_.Input.FileName = input_path_;
        SaveInputFile(state_.Input);
        const InputData saved = state_.Input;
        Engine(state_, dialogs_).RunCalculation();
        EXPECT_TRUE(state_.Run.CalcStopped);
        EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{c.message}));
        EXPECT_FALSE(std::filesystem::exists(output_path_));
        test::ExpectSameFileContents(saved, state_.Input);
    }
    // The zone names of a single root-zone layer.
    InputData d = test::RoundField(2, 30, 1);
    d.D1 = 0;
    dialogs_.messages.clear();
    SaveAndRun(d);
    EXPECT_EQ(dialogs_.messages,
              (std::vector<std::string>{"The thickness of the root zone must be greater than 0. Please adjust data."}));
}

TEST_F(CalculationTest, MissingLeachingEfficiencyStopsBeforeTheSaltBalance) {
    InputData d = test::RoundField(2, 30, 2);
    d.LE2 = -1;  // left empty in the soil editor
    SaveAndRun(d);
    EXPECT_TRUE(state_.Run.CalcStopped);
    EXPECT_EQ(dialogs_.messages,
              (std::vector<std::string>{
                  "The leaching efficiency of the 2nd layer is not given and could not be optimized. Please adjust data."}));
    EXPECT_FALSE(std::filesystem::exists(output_path_));
    EXPECT_EQ(state_.Input.LE2, -1);
}

TEST_F(CalculationTest, InvalidResultsNeverReachTheOutputFile) {
    InputData d = test::RoundField(2, 1);
    d.Rain[2] = 1e308;
    d.Irrig[2] = 1e308;
    SaveAndRun(d);
    EXPECT_TRUE(state_.Run.CalcStopped);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].rfind("The calculation gave an invalid value for the ", 0), 0u) << dialogs_.messages[0];
    EXPECT_NE(dialogs_.messages[0].find(" at time step 2. Please adjust data."), std::string::npos) << dialogs_.messages[0];
    EXPECT_FALSE(std::filesystem::exists(output_path_));
    EXPECT_EQ(state_.Input.Rain[2], 1e308);
    EXPECT_EQ(state_.Input.FileName, input_path_);
}

// Salinities near the largest double are finite in the rows, but the squares of their fit are not.
TEST_F(CalculationTest, AnInfiniteFitNeverReachesTheOutputFile) {
    InputData d = test::RoundField(6, 30);
    d.Si = 1e200;
    for (int32_t i = 1; i <= 6; ++i) d.Irrig[i] = 100;
    for (int32_t i = 1; i <= 4; ++i) d.S1meas[i] = 4;
    SaveAndRun(d);
    EXPECT_TRUE(state_.Run.CalcStopped);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"The calculation gave an invalid value for the fit of the "
                                                          "salinity of the root zone. Please adjust data."});
    EXPECT_FALSE(std::filesystem::exists(output_path_));
}

TEST_F(CalculationTest, WeeklyMarkersOfMissingDischargesKeepTheirValue) {
    InputData d = test::RoundField(3, 7);
    d.DrainMeas = {0, 14, MissingDepthOrDischarge, 0};
    ModelState s;
    s.Input = d;
    ComputeDerivedValues(s.Input);
    test::ScriptedDialogs dialogs;
    Engine engine(s, dialogs);
    engine.PrepareRun();
    EXPECT_EQ(s.Input.DrainMeas, (StepSeries{0, 2, MissingDepthOrDischarge, 0}));
}

}  // namespace
}  // namespace vantorel
