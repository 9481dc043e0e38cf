// Output files read back: what a run wrote comes back to the printed decimals, the header lines
// set their flags, the older row layout is read or refused, and damaged files give errors.

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "model/InputFile.h"
#include "model/NumberText.h"
#include "model/OutputFileReader.h"
#include "model/OutputFileWriter.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileEdits.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

double Printed(double value, int width, int decimals) { return StringToFloat(FormatFixed(value, width, decimals)); }

class OutputFileReaderTest : public ::testing::Test {
protected:
    // Runs a data set (with rice, a field ponded most of the time) and returns its output lines.
    std::vector<std::string> Written(int32_t layers, int32_t steps, bool rice = false, double le_t = 80, double le_a = 80) {
        InputData data = test::MakeDataSet({layers, steps, 30, true, rice, 40u + static_cast<uint32_t>(layers)});
        if (rice) data.InfCap = 1;
        for (int32_t i = 1; i <= steps && rice; ++i) data.Irrig[i] = 360;
        data.LEt = le_t;
        data.LEa = le_a;
        data.FileName = input_;
        SaveInputFile(data);
        written_ = ModelState{data, {}, {}};
        Engine(written_, dialogs_).RunCalculation();
        EXPECT_FALSE(written_.Run.CalcStopped);
        return test::ReadCrLfLines(output_);
    }
    // Loads the lines into the state; returns the error message, or "" when the file loaded.
    std::string Load(ModelState& state, const std::string& text) {
        test::WriteFile(output_, text);
        state.Input.FileName = output_;
        try {
            LoadOutputFile(state, dialogs_);
        } catch (const FileError& error) {
            EXPECT_TRUE(state.Output.InvalidOutput);
            return error.what();
        }
        return "";
    }
    std::string Load(ModelState& state, const std::vector<std::string>& lines) { return Load(state, test::JoinCrLf(lines)); }
    test::TempDir dir_;
    std::string input_ = dir_.File("field.inp");
    std::string output_ = dir_.File("field.out");
    ModelState written_;
    test::ScriptedDialogs dialogs_;
};

TEST_F(OutputFileReaderTest, EveryLayerCountReadsBackWhatTheRunWrote) {
    for (int32_t layers : {1, 2, 3}) {
        for (bool rice : {false, true}) {
            SCOPED_TRACE(std::to_string(layers) + " layers, rice " + std::to_string(rice));
            // The lines of zones below the root zone with an efficiency of 0 are left out.
            const std::vector<std::string> lines = Written(layers, 14, rice, layers == 2 ? 0 : 80, layers == 3 ? 0 : 70);
            ModelState read;
            EXPECT_EQ(Load(read, lines), "");
            EXPECT_TRUE(dialogs_.messages.empty());
            EXPECT_TRUE(read.Input.NrLayers == layers && read.Input.Is3Layer == (layers == 3));
            EXPECT_TRUE(read.Output.StorageColumn && !read.Output.InvalidOutput);
            EXPECT_EQ(read.Input.RicePresent, rice);
            EXPECT_EQ(read.Output.LE1Out, Printed(written_.Run.LEUsed[Layer1], 8, 2));
            EXPECT_TRUE(read.Output.LEtOut == (layers == 2 ? 0 : 0.8) && read.Output.LEaOut == (layers == 3 ? 0 : 0.7));
            EXPECT_EQ(read.Run.Perc[3], Printed(written_.Run.Perc[3], 9, 1));
            // Written again from what was read (Dwt[i] is the depth at the start of step i), every
            // row is the row of the file.
            ModelState again = read;
            for (int32_t i = 1; i <= 14; ++i) again.Run.Dwt[i - 1] = read.Run.Dwt[i];
            const size_t first_row = test::FindLine(lines, " - -") + 1;
            ASSERT_EQ(lines.size(), first_row + 14);
            for (int32_t i = 1; i <= 14; ++i) EXPECT_EQ(OutputRow(again, i), lines[first_row + i - 1]);
        }
    }
}

// A value wider than its column widens the row: the columns after it shift and numbers touch.
TEST_F(OutputFileReaderTest, ValuesWiderThanTheirColumnsReadBackAsWritten) {
    for (int32_t layers : {1, 2, 3}) {
        SCOPED_TRACE(std::to_string(layers) + " layers");
        std::vector<std::string> lines = Written(layers, 4, true);
        const size_t first_row = test::FindLine(lines, " - -") + 1;
        ModelState wide = written_;
        const std::span<const OutputColumn> columns = OutputRowLayoutFor(layers).columns;
        for (size_t c = 0; c < columns.size(); ++c) {
            StepSeries& series = SeriesOf(wide, *columns[c].quantity);
            // Every other column of a row wide, and the last (ponding) of a row a fraction.
            for (size_t i = 0; i <= 4; ++i) series[i] = (c + i) % 2 ? -123456789.0 * static_cast<double>(c + 1) : 0.25;
        }
        for (int32_t i = 1; i <= 4; ++i) lines[first_row + static_cast<size_t>(i) - 1] = OutputRow(wide, i);
        ModelState read;
        EXPECT_EQ(Load(read, lines), "");
        for (int32_t i = 1; i <= 4; ++i) read.Run.Dwt[i - 1] = read.Run.Dwt[i];
        for (int32_t i = 1; i <= 4; ++i) EXPECT_EQ(OutputRow(read, i), lines[first_row + static_cast<size_t>(i) - 1]);
    }
}

TEST_F(OutputFileReaderTest, FactorAndEfficiencyLinesSetTheirValuesAndAGivenLineClearsTheFlags) {
    const std::vector<std::string> given = Written(2, 6);
    const char* const optimized[] = {
        " Drainage factors optimized    :    QH1 =  0.123 (for water balance)   QH2 = 10.045",
        " Drainage factors optimized    :    QH1 =  0.123 (for water table)   QH2 = 10.045   Data fit (%) :   87",
        " Drainage factors optimized    :    QH1 =  0.123 (for drain discharge)   QH2 = 10.045   Data fit (%) :-120",
    };
    ModelState state;
    for (int k = 0; k < 3; ++k) {
        state.Run.SaltFit2 = 42;
        std::vector<std::string> lines = given;
        lines[6] = optimized[k];
        lines[7] = " Leaching efficiency layer 1   :    0.73  (optimized),   Coeff. of determination (%) :   91";
        lines[8] = " Leaching efficiency layer 2   :    0.64  (given),       Coeff. of determination (%) :  n.a.";
        lines[9] = " Leaching eff. transit. zone   :    0.80  (given),       Coeff. of determination (%) :-1250";
        EXPECT_EQ(Load(state, lines), "");
        const RunValues& r = state.Run;
        EXPECT_TRUE(r.DrainOptWanted && r.QHOptBalance == (k == 0) && r.QHOptDwt == (k == 1) && r.QHOptDrain == (k == 2));
        EXPECT_TRUE(r.QH1Used == 0.123 && r.QH2Used == 10.045);
        EXPECT_EQ(r.FitDwt, k >= 1 ? 87 : 0);  // the given line keeps it
        EXPECT_EQ(r.FitDrain, k == 2 ? -120 : 0);
        EXPECT_TRUE(state.Output.LE1Out == 0.73 && state.Output.LEOptimizedOut[Layer1] && r.SaltFit1 == 91);
        EXPECT_TRUE(state.Output.LE2Out == 0.64 && !state.Output.LEOptimizedOut[Layer2]);
        EXPECT_EQ(r.SaltFit2, 42);  // "n.a." keeps the value
        EXPECT_EQ(r.SaltFitT, -1250);

        EXPECT_EQ(Load(state, given), "");
        EXPECT_FALSE(r.DrainOptWanted || r.QHOptBalance || r.QHOptDwt || r.QHOptDrain);
    }
}

TEST_F(OutputFileReaderTest, OlderRowsWithoutStorageAreReadOrRefusedWithoutSurfaceDrainage) {
    for (int32_t layers : {1, 2, 3}) {
        SCOPED_TRACE(std::to_string(layers) + " layers");
        const size_t storage_start = layers == 1 ? 88 : layers == 2 ? 91 : 101;  // where the writer puts it
        std::vector<std::string> lines = Written(layers, 6, true);
        ModelState full, older, refused;
        Load(full, lines);
        const size_t first_row = test::FindLine(lines, " - -") + 1;
        for (size_t k = first_row - 4; k < first_row; ++k) {
            if (lines[k].find("Storage") != std::string::npos) lines[k].replace(lines[k].find("Storage"), 7, 7, ' ');
        }
        for (size_t k = first_row; k < lines.size(); ++k) lines[k].erase(storage_start, 9);
        EXPECT_EQ(Load(older, lines), "");
        EXPECT_FALSE(older.Output.StorageColumn || older.Output.InvalidOutput);
        EXPECT_TRUE(older.Input.Sdr == full.Input.Sdr && older.Input.Pond == full.Input.Pond && older.Input.RicePresent);

        for (size_t k = first_row + 2; k < lines.size(); ++k) lines[k].resize(storage_start);
        EXPECT_EQ(Load(refused, lines), "");
        EXPECT_TRUE(refused.Output.InvalidOutput);
        EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"This is an invalid output file. Use the input file to do "
                                                              "the calculations. Program halts."});
        dialogs_.messages.clear();
        EXPECT_EQ(refused.Input.Pond, (StepSeries{0, full.Input.Pond[1], full.Input.Pond[2], 0, 0, 0, 0}));
    }
}

TEST_F(OutputFileReaderTest, AFileThatCannotBeOpenedShowsTheMessageAndChangesNothing) {
    ModelState state;
    state.Input.FileName = dir_.File("missing.inp");
    EXPECT_THROW(LoadOutputFile(state, dialogs_), FileError);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"The file " + dir_.File("missing.out") +
                                                          "could not be opened. It may be damaged or in use by "
                                                          "another program."});
    EXPECT_TRUE(state.Input.NrTimeSteps == 11 && state.Run.S1.empty() && !state.Output.InvalidOutput);
}

TEST_F(OutputFileReaderTest, TruncatedFilesAndAbsurdCountsAreErrorsWithTheirPlace) {
    for (int32_t layers : {1, 2, 3}) {
        const std::vector<std::string> lines = Written(layers, 4);
        const std::string text = test::JoinCrLf(lines);
        for (size_t length = 0; length < text.rfind("\r\n", text.size() - 3); length += 5) {
            ModelState state;
            EXPECT_NE(Load(state, text.substr(0, length)).find(output_ + " could not be read, line "), std::string::npos);
        }
    }
    const std::vector<std::string> lines = Written(1, 4);
    for (const char* counts : {" 1   2000000000    30", " 1      0    30", " 4      4    30", " 1     4.5   30", ""}) {
        std::vector<std::string> damaged = lines;
        damaged[5] = counts;
        ModelState state;
        state.Input.Sdr.assign(12, 1.0);
        EXPECT_NE(Load(state, damaged).find("line 6: "), std::string::npos) << counts;
        EXPECT_TRUE(state.Input.NrTimeSteps == 11 && state.Input.Sdr.size() == 12u) << counts;
    }
}

}  // namespace
}  // namespace vantorel
