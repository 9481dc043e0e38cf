// Files of earlier versions: without the depth column, with the short initial-data heading and
// without the moisture line, without the rice line; and the layer counts of lines 8 and 16.

#include <gtest/gtest.h>

#include "model/InputFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileEdits.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

constexpr const char* OlderMessage =
    "This is an older input file. Please check all the data, there may be some incomplete or incorrect data.";

class InputFileOlderLayoutTest : public ::testing::Test {
protected:
    std::vector<std::string> CurrentLines(const test::DataSetShape& shape) {
        original_ = test::MakeDataSet(shape);
        original_.FileName = dir_.File("current.inp");
        SaveInputFile(original_);
        return test::ReadCrLfLines(original_.FileName);
    }
    InputData Load(const std::vector<std::string>& lines, InputData data = InputData()) {
        test::WriteFile(dir_.File("older.inp"), test::JoinCrLf(lines));
        data.FileName = dir_.File("older.inp");
        LoadInputFile(data, dialogs_);
        return data;
    }
    test::TempDir dir_;
    test::ScriptedDialogs dialogs_;
    InputData original_;
};

TEST_F(InputFileOlderLayoutTest, RowsWithoutTheDepthColumnAreUnmeasuredAndGiveTheMessageOnce) {
    std::vector<std::string> lines = CurrentLines({1, 6, 30, true, false, 11});
    const size_t first_row = test::FindLine(lines, " Time Step") + 2;
    for (size_t row = first_row; row < first_row + 3; ++row) lines[row].resize(84);
    const InputData loaded = Load(lines);
    EXPECT_TRUE(loaded.OlderFile);
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{OlderMessage}));
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(loaded.DwtMeas[i], MissingDepthOrDischarge);
        EXPECT_EQ(loaded.DrainMeas[i], original_.DrainMeas[i]);
    }
    for (int32_t i = 4; i <= 6; ++i) EXPECT_EQ(loaded.DwtMeas[i], original_.DwtMeas[i]);
}

TEST_F(InputFileOlderLayoutTest, ShortInitialHeadingWithoutMoistureAndLayerLines) {
    for (int32_t layers : {1, 2, 3}) {
        std::vector<std::string> lines = CurrentLines({layers, 4, 30, false, false, 12});
        lines[test::FindLine(lines, "    Initial data soil")] = "    Initial data";
        lines.erase(lines.begin() + static_cast<long>(test::FindLine(lines, " Initial soil moisture")));
        if (layers == 3) lines.erase(lines.begin() + static_cast<long>(test::FindLine(lines, " Init. salt conc. 3rd")));
        if (layers >= 2) lines.erase(lines.begin() + static_cast<long>(test::FindLine(lines, " Init. salt conc. 2nd")));
        // The older soil section had no column heading above the porosities.
        lines.erase(lines.begin() + static_cast<long>(test::FindLine(lines, "              Total porosity")));
        const InputData loaded = Load(lines);
        EXPECT_EQ(loaded.MoistInit, 50) << layers;
        EXPECT_EQ(loaded.IrrEff, original_.IrrEff) << layers;
        EXPECT_EQ(loaded.S2init, original_.S1init) << layers;
        EXPECT_EQ(loaded.S3init, original_.S1init) << layers;
        EXPECT_EQ(loaded.TPa, original_.TPa) << layers;
        EXPECT_EQ(loaded.LE1, original_.LE1) << layers;
        EXPECT_EQ(loaded.SAmeas, original_.SAmeas) << layers;
    }
}

TEST_F(InputFileOlderLayoutTest, FileWithoutTheRiceLineKeepsTheRiceValues) {
    std::vector<std::string> lines = CurrentLines({2, 5, 7, true, false, 13});
    const size_t rice = test::FindLine(lines, " Is rice used");
    lines.erase(lines.begin() + static_cast<long>(rice), lines.begin() + static_cast<long>(rice) + 3);
    InputData before;
    before.RicePresent = true;
    before.InfCap = 7.5;
    before.RiceTransp = 35;
    const InputData loaded = Load(lines, before);
    EXPECT_FALSE(loaded.RicePresent);
    EXPECT_EQ(loaded.InfCap, 7.5);
    EXPECT_EQ(loaded.RiceTransp, 35);
    EXPECT_EQ(loaded.Rain, original_.Rain);
    EXPECT_EQ(loaded.S2meas, original_.S2meas);
}

TEST_F(InputFileOlderLayoutTest, LayerFlagsFollowTheInitialDataAndTheIndexTheGeneralData) {
    std::vector<std::string> lines = CurrentLines({2, 3, 30, false, false, 14});
    lines[test::FindLine(lines, " Nr of root zone layers")] = " Nr of root zone layers   : 3";
    const InputData loaded = Load(lines);
    EXPECT_EQ(loaded.NrLayers, 2);
    EXPECT_TRUE(loaded.Is2Layer);
    EXPECT_FALSE(loaded.Is3Layer);
    EXPECT_EQ(loaded.LayerIndex, 2);
}

TEST_F(InputFileOlderLayoutTest, SalinityTextsAreTheCleanedFields) {
    std::vector<std::string> lines = CurrentLines({2, 2, 30, false, false, 16});
    const size_t last = lines.size() - 1;
    lines[last - 1] = "         1    4.20       -           12.50        0.75";
    lines[last] = "         2       -    3.5                 -           -";
    test::WriteFile(dir_.File("texts.inp"), test::JoinCrLf(lines));
    InputData loaded;
    loaded.FileName = dir_.File("texts.inp");
    SalinityCellTexts texts;
    LoadInputFile(loaded, dialogs_, &texts);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], (std::vector<std::string>{"4.20", "", "12.50", "0.75"}));
    EXPECT_EQ(texts[2], (std::vector<std::string>{"", "3.5", "", ""}));
    EXPECT_EQ(loaded.S2meas[2], 3.5);
    EXPECT_EQ(loaded.STmeas[2], MissingSalinity);
}

}  // namespace
}  // namespace vantorel
