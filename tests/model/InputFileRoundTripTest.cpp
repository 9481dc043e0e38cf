// Write, read, write again: the data set and the bytes come back.

#include <gtest/gtest.h>

#include "model/InputFile.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

struct Shape {
    int32_t layers;
    int32_t step_length;
    bool drains;
    bool rice;
};

class InputFileRoundTripTest : public ::testing::TestWithParam<Shape> {};

TEST_P(InputFileRoundTripTest, WriteReadWriteGivesTheSameDataAndBytes) {
    const Shape shape = GetParam();
    test::TempDir dir;
    InputData original = test::MakeDataSet({shape.layers, 17, shape.step_length, shape.drains, shape.rice, 7});
    original.FileName = dir.File("first.inp");
    SaveInputFile(original);

    InputData loaded;
    loaded.FileName = dir.File("first.inp");
    test::ScriptedDialogs dialogs;
    LoadInputFile(loaded, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    test::ExpectSameFileContents(original, loaded);
    EXPECT_EQ(loaded.NrTimeStepsSaved, original.NrTimeSteps);
    EXPECT_EQ(loaded.LayerIndex, shape.layers - 1);
    EXPECT_FALSE(loaded.OlderFile);
    int32_t depths = 0;
    for (int32_t i = 1; i <= original.NrTimeSteps; ++i) depths += original.DwtMeas[i] > MissingDepthOrDischarge;
    EXPECT_EQ(loaded.NrMeasDwt, depths);

    const std::string written = test::ReadFile(dir.File("first.inp"));
    SaveInputFile(loaded);
    EXPECT_EQ(test::ReadFile(dir.File("first.inp")), written);
    loaded.FileName = dir.File("second.inp");
    SaveInputFile(loaded);
    std::vector<std::string> first = test::ReadCrLfLines(dir.File("first.inp"));
    std::vector<std::string> second = test::ReadCrLfLines(dir.File("second.inp"));
    first.at(1).clear();
    second.at(1).clear();
    EXPECT_EQ(first, second);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, InputFileRoundTripTest,
                         ::testing::Values(Shape{1, 30, false, false}, Shape{1, 7, true, true},
                                           Shape{2, 1, false, true}, Shape{2, 360, true, true},
                                           Shape{3, 7, true, false}, Shape{3, 30, false, true}),
                         [](const ::testing::TestParamInfo<Shape>& info) {
                             const Shape& s = info.param;
                             return std::to_string(s.layers) + "Layers" + std::to_string(s.step_length) + "Days" +
                                    (s.drains ? "Drains" : "") + (s.rice ? "Rice" : "");
                         });

class InputFileValuesTest : public ::testing::Test {
protected:
    InputData SaveAndLoad(InputData data, InputData loaded = InputData()) {
        data.FileName = dir_.File("values.inp");
        SaveInputFile(data);
        loaded.FileName = data.FileName;
        LoadInputFile(loaded, dialogs_);
        return loaded;
    }
    test::TempDir dir_;
    test::ScriptedDialogs dialogs_;
};

TEST_F(InputFileValuesTest, WithoutDrainsTheDrainageValuesInMemoryStayAsTheyWere) {
    InputData data = test::MakeDataSet({1, 5, 30, false, false, 3});
    InputData before;
    before.Dd = 1.23;
    before.QH1 = 0.5;
    before.QH2 = 0.25;
    before.DrainPresent = true;
    const InputData loaded = SaveAndLoad(data, before);
    EXPECT_FALSE(loaded.DrainPresent);
    EXPECT_EQ(loaded.Dd, 1.23);
    EXPECT_EQ(loaded.QH1, 0.5);
    EXPECT_EQ(loaded.QH2, 0.25);
}

TEST_F(InputFileValuesTest, ZerosNegativesAndRounding) {
    InputData data = test::MakeDataSet({1, 4, 30, true, false, 3});
    data.DrainMeas[1] = 0;
    data.DwtMeas[1] = 0;
    data.DwtMeas[2] = -0.4;  // water above the surface, possible in a hand-written file
    data.S1meas[1] = 0;
    data.TP1 = 44.6;
    data.EffPort = 7.4;
    data.QH1 = 0.012345;
    const InputData loaded = SaveAndLoad(data);
    EXPECT_EQ(loaded.DrainMeas[1], 0);
    EXPECT_EQ(loaded.DwtMeas[1], 0);
    EXPECT_EQ(loaded.DwtMeas[2], -0.4);
    EXPECT_EQ(loaded.S1meas[1], MissingSalinity);
    EXPECT_EQ(loaded.TP1, 45);
    EXPECT_EQ(loaded.EffPort, 7);
    EXPECT_EQ(loaded.QH1, 0.0123);
}

// The writer widens a column for a number that needs more characters; the number touches its
// neighbours, and the file still reads back to what was written.
TEST_F(InputFileValuesTest, ValuesWiderThanTheirColumnsReadBackAsWritten) {
    for (int32_t layers : {1, 2, 3}) {
        SCOPED_TRACE(std::to_string(layers) + " layers");
        InputData data = test::MakeDataSet({layers, 4, 30, true, true, 8});
        data.Si = -1e9;
        data.S1init = data.S2init = data.S3init = 123456789012;
        data.STinit = -12345678.5;
        data.Dd = 12345.67;
        data.QH1 = -1234.5678;
        data.IrrEff = 1e10;
        data.InfCap = 123456789.5;
        data.D1 = 1234567.89;
        data.D2 = -123456789.01;
        data.Dt = 98765432.1;
        data.TP1 = 1e14;
        data.EffPor1 = 1e17;
        data.Rain[1] = 1e12;
        data.Irrig[1] = -1e13;
        data.ETp[2] = 123456789012.25;
        data.DrainMeas[3] = 1e13;
        data.DwtMeas[4] = 123456789012.345;
        data.S1meas[1] = 1000000.25;
        data.SAmeas[2] = 1000;  // touches the transition zone's field of a three-layer reader
        data.STmeas[3] = 1e15;
        data.S1meas[4] = MissingSalinity;  // a placeholder before a number that fills its column
        data.S2meas[4] = data.STmeas[4] = 1e16;
        const InputData loaded = SaveAndLoad(data);
        test::ExpectSameFileContents(data, loaded);
        const std::string written = test::ReadFile(dir_.File("values.inp"));
        EXPECT_EQ(SaveAndLoad(loaded).Si, -1e9);
        EXPECT_EQ(test::ReadFile(dir_.File("values.inp")), written);
    }
}

TEST_F(InputFileValuesTest, RiceValuesOfAnEarlierFileSurviveAFileWithoutRice) {
    InputData before;
    before.RicePresent = true;
    before.InfCap = 3.5;
    before.RiceTransp = 55;
    const InputData loaded = SaveAndLoad(test::MakeDataSet({2, 3, 30, false, false, 9}), before);
    EXPECT_FALSE(loaded.RicePresent);
    EXPECT_EQ(loaded.InfCap, 3.5);
    EXPECT_EQ(loaded.RiceTransp, 55);
}

TEST_F(InputFileValuesTest, TitlesAreKeptByteForByte) {
    InputData data = test::MakeDataSet({1, 3, 30, false, false, 4});
    data.Title1 = "Lys\xE9 field \xB1 2 \xB0" "C ";
    data.Title2 = "  leading and trailing blanks  ";
    const InputData loaded = SaveAndLoad(data);
    EXPECT_EQ(loaded.Title1, data.Title1);
    EXPECT_EQ(loaded.Title2, data.Title2);
}

TEST_F(InputFileValuesTest, SaveRestoresAZeroStepCountFromTheSavedOne) {
    InputData data = test::MakeDataSet({1, 2, 30, false, false, 2});
    data.NrTimeSteps = 0;
    data.NrTimeStepsSaved = 2;
    EXPECT_EQ(SaveAndLoad(data).NrTimeSteps, 2);
}

TEST_F(InputFileValuesTest, SaveComputesTheDerivedValuesAndTheExtension) {
    InputData data = test::MakeDataSet({1, 6, 1, false, false, 5});
    data.Irrig = {0, 60, 0, 0, 0, 0, 0};
    data.FileName = dir_.File("derived.dat");
    SaveInputFile(data);
    EXPECT_EQ(data.FileName, dir_.File("derived.inp"));
    EXPECT_EQ(data.IrrSpread, (StepSeries{0, 12, 12, 12, 12, 12, 0}));
    EXPECT_EQ(data.IrrSteps, (std::vector<int32_t>{0, 1, 6}));
}

TEST_F(InputFileValuesTest, SaveCompletesShortMeasurementSeriesAndRefusesShortFlows) {
    InputData data = test::MakeDataSet({1, 4, 30, false, false, 6});
    data.DrainMeas.clear();  // the drainage editor was saved with "no" and never sized them
    data.S3meas.resize(2);
    const InputData loaded = SaveAndLoad(data);
    for (int32_t i = 1; i <= 4; ++i) EXPECT_EQ(loaded.DrainMeas[i], MissingDepthOrDischarge);

    const std::string path = dir_.File("values.inp");
    const std::string before = test::ReadFile(path);
    data.Rain.resize(3);
    data.FileName = path;
    EXPECT_THROW(SaveInputFile(data), FileError);
    EXPECT_EQ(test::ReadFile(path), before);
}

}  // namespace
}  // namespace vantorel
