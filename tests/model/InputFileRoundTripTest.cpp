// Write, read, write again: the data set and the bytes come back.

#include <gtest/gtest.h>

#include "model/InputFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

void ExpectSameSeries(const StepSeries& expected, const StepSeries& actual, int32_t steps, const char* name) {
    ASSERT_GE(actual.size(), static_cast<size_t>(steps) + 1) << name;
    for (int32_t i = 1; i <= steps; ++i) EXPECT_EQ(expected[i], actual[i]) << name << "[" << i << "]";
}

// Every field the file holds for this layer count and these options.
void ExpectSameFileContents(const InputData& e, const InputData& a) {
    EXPECT_EQ(e.Title1, a.Title1);
    EXPECT_EQ(e.Title2, a.Title2);
    EXPECT_EQ(e.NrTimeSteps, a.NrTimeSteps);
    EXPECT_EQ(e.Ts, a.Ts);
    EXPECT_EQ(e.NrLayers, a.NrLayers);
    EXPECT_EQ(e.Is1Layer, a.Is1Layer);
    EXPECT_EQ(e.Is2Layer, a.Is2Layer);
    EXPECT_EQ(e.Is3Layer, a.Is3Layer);
    const int32_t n = e.NrTimeSteps;
    ExpectSameSeries(e.Rain, a.Rain, n, "Rain");
    ExpectSameSeries(e.Irrig, a.Irrig, n, "Irrig");
    ExpectSameSeries(e.ETp, a.ETp, n, "ETp");
    ExpectSameSeries(e.Sdr, a.Sdr, n, "Sdr");
    ExpectSameSeries(e.Sdr, a.SdrGiven, n, "SdrGiven");
    ExpectSameSeries(e.DwtMeas, a.DwtMeas, n, "DwtMeas");
    ExpectSameSeries(e.DrainMeas, a.DrainMeas, n, "DrainMeas");
    ExpectSameSeries(e.S1meas, a.S1meas, n, "S1meas");
    if (e.NrLayers >= 2) ExpectSameSeries(e.S2meas, a.S2meas, n, "S2meas");
    if (e.NrLayers == 3) ExpectSameSeries(e.S3meas, a.S3meas, n, "S3meas");
    ExpectSameSeries(e.STmeas, a.STmeas, n, "STmeas");
    ExpectSameSeries(e.SAmeas, a.SAmeas, n, "SAmeas");
    EXPECT_EQ(e.D1, a.D1);
    EXPECT_EQ(e.TP1, a.TP1);
    EXPECT_EQ(e.EffPor1, a.EffPor1);
    EXPECT_EQ(e.LE1, a.LE1);
    if (e.NrLayers >= 2) {
        EXPECT_EQ(e.D2, a.D2);
        EXPECT_EQ(e.TP2, a.TP2);
        EXPECT_EQ(e.EffPor2, a.EffPor2);
        EXPECT_EQ(e.LE2, a.LE2);
        EXPECT_EQ(e.S2init, a.S2init);
    }
    if (e.NrLayers == 3) {
        EXPECT_EQ(e.D3, a.D3);
        EXPECT_EQ(e.TP3, a.TP3);
        EXPECT_EQ(e.EffPor3, a.EffPor3);
        EXPECT_EQ(e.LE3, a.LE3);
        EXPECT_EQ(e.S3init, a.S3init);
    }
    EXPECT_EQ(e.Dt, a.Dt);
    EXPECT_EQ(e.TPt, a.TPt);
    EXPECT_EQ(e.EffPort, a.EffPort);
    EXPECT_EQ(e.LEt, a.LEt);
    EXPECT_EQ(e.Da, a.Da);
    EXPECT_EQ(e.TPa, a.TPa);
    EXPECT_EQ(e.EffPora, a.EffPora);
    EXPECT_EQ(e.LEa, a.LEa);
    EXPECT_EQ(e.DrainPresent, a.DrainPresent);
    if (e.DrainPresent) {
        EXPECT_EQ(e.Dd, a.Dd);
        EXPECT_EQ(e.QH1, a.QH1);
        EXPECT_EQ(e.QH2, a.QH2);
    }
    EXPECT_EQ(e.Si, a.Si);
    EXPECT_EQ(e.S1init, a.S1init);
    EXPECT_EQ(e.STinit, a.STinit);
    EXPECT_EQ(e.SAinit, a.SAinit);
    EXPECT_EQ(e.DwtInit, a.DwtInit);
    EXPECT_EQ(e.Dc, a.Dc);
    EXPECT_EQ(e.MoistInit, a.MoistInit);
    EXPECT_EQ(e.IrrEff, a.IrrEff);
    EXPECT_EQ(e.Inf, a.Inf);
    EXPECT_EQ(e.Out, a.Out);
    EXPECT_EQ(e.Sinf, a.Sinf);
    EXPECT_EQ(e.RicePresent, a.RicePresent);
    if (e.RicePresent) {
        EXPECT_EQ(e.InfCap, a.InfCap);
        EXPECT_EQ(e.RiceTransp, a.RiceTransp);
    }
}

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
    ExpectSameFileContents(original, loaded);
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
                         ::testing::Values(Shape{1, 30, false, false}, Shape{1, 30, true, false},
                                           Shape{1, 1, false, true}, Shape{1, 7, true, true},
                                           Shape{2, 7, false, false}, Shape{2, 30, true, false},
                                           Shape{2, 1, false, true}, Shape{2, 360, true, true},
                                           Shape{3, 30, false, false}, Shape{3, 7, true, false},
                                           Shape{3, 30, false, true}, Shape{3, 1, true, true}),
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
