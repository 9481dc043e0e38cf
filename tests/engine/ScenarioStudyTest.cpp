// Study files and the data set of a scenario: the cell syntax, the columns a study may change,
// Repeat, the drain geometry, and every refusal.

#include <gtest/gtest.h>

#include "engine/HooghoudtFactors.h"
#include "engine/ScenarioStudy.h"
#include "engine/StudyRun.h"
#include "model/InputFile.h"
#include "model/TextFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

std::string StudyError(const std::string& text) {
    try {
        ParseStudy(text, "study.csv");
    } catch (const FileError& error) {
        return error.what();
    }
    return "";
}

// The base data set changed by the one scenario of a study of the given header and row; the
// refusal's message, or empty.
std::string Apply(const std::string& header, const std::string& row, InputData& data) {
    const Study study = ParseStudy("name," + header + "\nx," + row + "\n", "study.csv");
    return ApplyScenario(study, study.scenarios.front(), data).value_or("");
}

InputData Drained(int32_t layers = 1) { return test::MakeDataSet({layers, 12, 30, true, false, 3}); }

TEST(ScenarioStudyTest, CellsSetMultiplyAddOrKeep) {
    const StudyField& rain = *FindStudyField("Rain");
    using Kind = CellChange::Kind;
    const auto kind_and_value = [&](const char* text) {
        const auto change = ParseStudyCell(text, rain);
        return change ? std::make_pair(change->kind, change->value) : std::make_pair(Kind::Keep, -999.0);
    };
    EXPECT_EQ(kind_and_value(""), std::make_pair(Kind::Keep, 0.0));
    EXPECT_EQ(kind_and_value("12.5"), std::make_pair(Kind::Set, 12.5));
    EXPECT_EQ(kind_and_value("*1.2"), std::make_pair(Kind::Multiply, 1.2));
    EXPECT_EQ(kind_and_value("+-0.1"), std::make_pair(Kind::Add, -0.1));
    for (const char* bad : {"1,5", "abc", "*", "+", "nan", "inf", "1e999", "* 2", "--1", "+*2", "0x10"}) {
        EXPECT_FALSE(ParseStudyCell(bad, rain)) << bad;
    }
    EXPECT_TRUE(ParseStudyCell("yes", *FindStudyField("DrainPresent")));
    EXPECT_FALSE(ParseStudyCell("Yes", *FindStudyField("DrainPresent")));
    EXPECT_TRUE(ParseStudyCell("3", *FindStudyField("Repeat")));
    for (const char* bad : {"0", "1.5", "-1", "*2", "99999999999999999999"}) {
        EXPECT_FALSE(ParseStudyCell(bad, *FindStudyField("Repeat"))) << bad;
    }
    EXPECT_FALSE(ParseStudyCell("*2", *FindStudyField("DrainSpacing")));
}

TEST(ScenarioStudyTest, RefusesAStudyItCannotReadNamingTheColumnOrCell) {
    EXPECT_EQ(StudyError("name,Rain\nwet,*x\n"),
              "The file study.csv could not be read, line 2: column 'Rain', scenario wet: the cell '*x' is not understood.");
    EXPECT_EQ(StudyError("name,Rainfall\na,1\n"),
              "The file study.csv could not be read, line 1: column 2 'Rainfall' is not a field a scenario can change.");
    EXPECT_NE(StudyError("name,NrTimeSteps\na,1\n").find("counts, measured series and titles cannot be changed"),
              std::string::npos);
    EXPECT_NE(StudyError("name,Rain,Rain\na,1,2\n").find("given twice"), std::string::npos);
    EXPECT_NE(StudyError("scenario,Rain\na,1\n").find("the first column must be 'name'"), std::string::npos);
    EXPECT_NE(StudyError("name,Rain\na,1,2\n").find("the row has 3 cells"), std::string::npos);
    EXPECT_NE(StudyError("name,Rain\na,1\na,2\n").find("'a' is given twice"), std::string::npos);
    for (const char* name : {".hidden", "", "a/b", "a b", "wet;rm"}) {
        EXPECT_NE(StudyError(std::string("name,Rain\n\"") + name + "\",1\n").find("is not a file name"), std::string::npos)
            << name;
    }
    EXPECT_NE(StudyError("name,Rain\n").find("no scenario"), std::string::npos);
    EXPECT_NE(StudyError("").find("empty"), std::string::npos);
    // A spreadsheet's byte-order mark, CR LF, CR alone and a blank line are fine.
    EXPECT_EQ(StudyError("\xEF\xBB\xBFname,Rain\r\n\r\nbase,\r\nwet,*2\r\n"), "");
    EXPECT_EQ(StudyError("name,Rain\rbase,\r\rwet,*2\r"), "");
    EXPECT_EQ(StudyError("name,Rain\rwet,*x\r"),
              "The file study.csv could not be read, line 2: column 'Rain', scenario wet: the cell '*x' is not understood.");
    // A control character of a cell would break the message's line or steer the terminal.
    EXPECT_EQ(StudyError("name,Rain\nwet,\"*2\n\x1b[2J\"\n"),
              "The file study.csv could not be read, line 2: column 'Rain', scenario wet: the cell '*2\\n\\x1B[2J' is "
              "not understood.");
    EXPECT_NE(StudyError("name,\"Rain\tfall\"\na,1\n").find("column 2 'Rain\\tfall' is not"), std::string::npos);
}

TEST(ScenarioStudyTest, ChangesEverySeriesStepAndEachField) {
    InputData base = Drained();
    InputData d = base;
    ASSERT_EQ(Apply("Rain,Sdr,Si,IrrEff,DrainPresent", "*2,+1,+-0.25,60,no", d), "");
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        EXPECT_EQ(d.Rain[i], base.Rain[i] * 2);
        EXPECT_EQ(d.Sdr[i], base.Sdr[i] + 1);
        EXPECT_EQ(d.SdrGiven[i], d.Sdr[i]);
    }
    EXPECT_EQ(d.Si, base.Si - 0.25);
    EXPECT_EQ(d.IrrEff, 60);
    EXPECT_FALSE(d.DrainPresent);
    EXPECT_EQ(d.QH1, base.QH1);
}

TEST(ScenarioStudyTest, RepeatComesFirstAndKeepsMeasurementsInTheFirstCycle) {
    InputData base = Drained();
    base.DwtMeas[5] = 1.25;
    base.S1meas[7] = 4.5;
    InputData d = base;
    ASSERT_EQ(Apply("Rain,Repeat", "*2,3", d), "");
    ASSERT_EQ(d.NrTimeSteps, 36);
    EXPECT_EQ(d.NrTimeStepsSaved, 36);
    ASSERT_EQ(d.Rain.size(), 37u);
    for (int32_t i = 1; i <= 36; ++i) {
        EXPECT_EQ(d.Rain[i], base.Rain[(i - 1) % 12 + 1] * 2) << i;
        EXPECT_EQ(d.ETp[i], base.ETp[(i - 1) % 12 + 1]) << i;
    }
    EXPECT_EQ(d.DwtMeas[5], 1.25);
    EXPECT_EQ(d.DwtMeas[17], MissingDepthOrDischarge);
    EXPECT_EQ(d.S1meas[7], 4.5);
    EXPECT_EQ(d.S1meas[19], MissingSalinity);
    EXPECT_EQ(d.DrainMeas.size(), 37u);

    InputData huge = base;
    EXPECT_NE(Apply("Repeat", "100000", huge).find("Repeat = 100000: the repeated series would have more than"),
              std::string::npos);
}

TEST(ScenarioStudyTest, DrainGeometryGivesTheCalculatorsFactors) {
    const std::string geometry = "DrainSpacing,DrainKa,DrainKb,DrainDepthBelow,DrainPerimeter,DrainPorosity";
    InputData d = Drained();
    ASSERT_EQ(Apply(geometry, "40,0.8,1.5,5,0.6,6", d), "");
    const DrainageFactors factors = ComputeDrainageFactors({0.8, 1.5, 5, 0.6, 6, 40});
    EXPECT_EQ(d.QH1, factors.QH1);
    EXPECT_EQ(d.QH2, factors.QH2);

    const auto refusal = [&](const std::string& header, const std::string& row) {
        InputData data = Drained();
        return Apply(header, row, data);
    };
    EXPECT_EQ(refusal(geometry, "40,0.8,,5,0.6,6"), "Scenario x: DrainSpacing needs a value for DrainKb");
    EXPECT_EQ(refusal(geometry + ",QH1", "40,0.8,1.5,5,0.6,6,0.1"),
              "Scenario x: QH1 and QH2 are computed from DrainSpacing and cannot be given beside it");
    EXPECT_EQ(refusal(geometry, ",0.8,1.5,5,0.6,6"), "Scenario x: DrainKa is given without DrainSpacing");
    EXPECT_EQ(refusal(geometry, "40,0,1.5,5,0.6,6"), "Scenario x, DrainKa = 0: Ka should be greater than zero");
    EXPECT_EQ(refusal(geometry, "40,0.8,1.5,5,0.6,30"),
              "Scenario x, DrainPorosity = 30: One or more data values are incorrect (the porosity must lie strictly "
              "between 1 and 30 %)");
    EXPECT_EQ(refusal("DrainPresent," + geometry, "no,40,0.8,1.5,5,0.6,6"),
              "Scenario x: DrainSpacing is changed, but the data set has no drainage system (DrainPresent no)");
}

TEST(ScenarioStudyTest, RefusesWhatTheEditorsOrTheRunRefuseWithoutClamping) {
    const auto refusal = [](const std::string& header, const std::string& row, int32_t layers = 1, bool rice = false) {
        InputData data = test::MakeDataSet({layers, 12, 30, true, rice, 3});
        data.D1 = 0.5;
        data.Dt = 2;
        return Apply(header, row, data);
    };
    EXPECT_EQ(refusal("IrrEff", "120"), "Scenario x, IrrEff = 120: the irrigation efficiency must lie between 30 and 100 %");
    EXPECT_EQ(refusal("Dd", "-0.1"), "Scenario x, Dd = -0.1: Then drain depth value is invalid. Please adjust.");
    EXPECT_NE(refusal("Dd", "0.4").find("Dd = 0.4: The drain depth must be greater than the total thickness"),
              std::string::npos);
    EXPECT_NE(refusal("Dd", "2.6").find("Dd = 2.6: The drain depth must be less than"), std::string::npos);
    EXPECT_EQ(refusal("Dd", "2.5"), "");
    EXPECT_EQ(refusal("Dd", "0.5"), "");
    EXPECT_EQ(refusal("QH1,QH2", "0,0"),
              "Scenario x, QH1 = 0: The drainage recation factors QH1 and QH2 need to be given a value.");
    EXPECT_EQ(refusal("D1", "0"), "Scenario x: The thickness of the root zone must be greater than 0. Please adjust data.");
    EXPECT_EQ(refusal("D3", "0.3"), "Scenario x: D3 is changed, but the root zone has only 1 layer");
    EXPECT_EQ(refusal("TP2", "40", 2), "");
    EXPECT_EQ(refusal("InfCap", "5"), "Scenario x: InfCap is changed, but no rice is grown (RicePresent no)");
    EXPECT_EQ(refusal("RicePresent,InfCap", "yes,5"), "");
    EXPECT_EQ(refusal("DrainPresent,Dd", "no,1"),
              "Scenario x: Dd is changed, but the data set has no drainage system (DrainPresent no)");
    EXPECT_NE(refusal("Rain", "*1e308").find("Scenario x: Rain becomes a number too large to store at time step"),
              std::string::npos);
    EXPECT_EQ(refusal("TP1,EffPor1", "1e20,1e20"),
              "Scenario x, EffPor1 = 1e+20: the input file cannot hold this value so that it reads back");
    EXPECT_EQ(refusal("TP3", "-1", 3), "Scenario x, TP3 = -1: The soil data for the 3rd layer are not complete. "
                                       "Calculations cannot be done");
}

TEST(ScenarioStudyTest, RefusesABaseWithAMeasurementTheEditorsWouldNotKeep) {
    InputData data = Drained();
    data.DrainMeas[4] = -0.5;
    EXPECT_EQ(Apply("Si", "2", data),
              "Scenario x, DrainMeas at time step 4 = -0.5: a measured discharge is 0 or more, or -1000 when not "
              "measured");
}

// A scenario's data set is written as NAME.inp and run from there.
TEST(ScenarioStudyTest, AScenarioRunsWithTheValueItSetsHoweverWide) {
    test::TempDir dir;
    const Study study = ParseStudy("name,Si\nsalty,-1e9\n", "study.csv");
    const ScenarioResult result = RunScenario(study, study.scenarios.front(), Drained(), dir.Path().string(), {});
    InputData read;
    read.FileName = result.input;
    test::ScriptedDialogs dialogs;
    LoadInputFile(read, dialogs);
    EXPECT_EQ(read.Si, -1e9);
}

}  // namespace
}  // namespace vantorel
