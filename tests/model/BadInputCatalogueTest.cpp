// A catalogue of bad input for the input and output file readers and the input file's save. Each
// answer is an error that names the file and the line, or a load that the text allows; a failed
// load leaves a data set the window can still show, and a failed save leaves the previous file.
// Cases that InputFileBadInputTest and OutputFileReaderTest cover already are not repeated here.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "engine/Engine.h"
#include "model/InputFile.h"
#include "model/OutputFileReader.h"
#include "model/ResultTables.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileEdits.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

// The line an error names ("..., line 12: ..."), or 0 when it names none.
size_t ErrorLine(const std::string& message) {
    const size_t at = message.find(", line ");
    return at == std::string::npos ? 0 : std::stoul(message.substr(at + 7));
}

// The first and the last digit of a line, where it has any.
std::vector<size_t> DigitsToSpoil(const std::string& line) {
    const size_t first = line.find_first_of("0123456789");
    if (first == std::string::npos) return {};
    return {first, line.find_last_of("0123456789")};
}

size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

// Whatever a load left, the editors and tables can work with it.
void ExpectUsable(const InputData& d) {
    const size_t size = static_cast<size_t>(d.NrTimeSteps) + 1;
    for (const StepSeries* s : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr, &d.SdrGiven, &d.DwtMeas, &d.DrainMeas, &d.S1meas,
                                &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
        EXPECT_EQ(s->size(), size);
    }
    EXPECT_EQ(d.Is1Layer + d.Is2Layer + d.Is3Layer, 1);
    EXPECT_EQ(d.NrLayers, d.Is3Layer ? 3 : d.Is2Layer ? 2 : 1);
}

class BadInputCatalogueTest : public ::testing::Test {
protected:
    std::vector<std::string> InputLines(const test::DataSetShape& shape) {
        InputData data = test::MakeDataSet(shape);
        data.FileName = input_;
        SaveInputFile(data);
        return test::ReadCrLfLines(input_);
    }
    // The output file of a run of the data set; the input file stays beside it.
    std::vector<std::string> OutputLines(int32_t layers) {
        ModelState state;
        state.Input = test::MakeDataSet({layers, 4, 30, true, true, 60u + static_cast<uint32_t>(layers)});
        state.Input.FileName = input_;
        SaveInputFile(state.Input);
        Engine(state, dialogs_).RunCalculation();
        EXPECT_FALSE(state.Run.CalcStopped);
        return test::ReadCrLfLines(output_);
    }
    // The error message of loading the text as an input file over the data set, or "".
    std::string LoadInput(const std::string& text, InputData& data) {
        test::WriteFile(input_, text);
        data.FileName = input_;
        try {
            LoadInputFile(data, dialogs_);
        } catch (const FileError& error) {
            return error.what();
        }
        return "";
    }
    std::string LoadOutput(const std::string& text, ModelState& state) {
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
    // The state a failed read leaves must still give the Output page its tables.
    static void BuildAllTables(const ModelState& state) {
        for (const ResultTable& table :
             {BuildSalinityTable(state), BuildHydrologyTable(state), BuildSurfaceTable(state)}) {
            EXPECT_EQ(table.RowCount(), std::max(state.Input.NrTimeSteps, 0) + 1);
            ClipboardText(table);
        }
    }

    test::TempDir dir_;
    std::string input_ = dir_.File("field.inp");
    std::string output_ = dir_.File("field.out");
    test::ScriptedDialogs dialogs_;
};

TEST_F(BadInputCatalogueTest, EveryInputLineCutShortIsReadOrNamedAtOrAfterTheCut) {
    for (int32_t layers : {1, 2, 3}) {
        const std::vector<std::string> lines = InputLines({layers, 3, 7, true, true, 70});
        for (size_t k = 0; k < lines.size(); ++k) {
            for (const size_t length : {size_t{0}, lines[k].size() / 2, lines[k].size() - 1}) {
                if (length >= lines[k].size()) continue;
                std::vector<std::string> cut = lines;
                cut[k].resize(length);
                InputData data;
                const std::string error = LoadInput(test::JoinCrLf(cut), data);
                SCOPED_TRACE(std::to_string(layers) + " layers, line " + std::to_string(k + 1) + " cut to " +
                             std::to_string(length) + ": " + error);
                if (!error.empty()) {
                    EXPECT_NE(error.find(input_), std::string::npos);
                    EXPECT_GE(ErrorLine(error), k + 1);
                }
                if (data.NrTimeSteps == 3) ExpectUsable(data);
            }
        }
    }
}

TEST_F(BadInputCatalogueTest, ALetterForTheFirstOrLastDigitOfAnyInputLineIsNamedAtThatLine) {
    for (int32_t layers : {1, 2, 3}) {
        const std::vector<std::string> lines = InputLines({layers, 3, 30, true, true, 71});
        size_t named = 0;
        for (size_t k = 0; k < lines.size(); ++k) {
            for (const size_t digit : DigitsToSpoil(lines[k])) {
                std::vector<std::string> spoiled = lines;
                spoiled[k][digit] = 'O';
                InputData data;
                const std::string error = LoadInput(test::JoinCrLf(spoiled), data);
                // Titles, the stored file name and the step numbers of the rows are text the
                // reader does not convert.
                if (error.empty()) continue;
                ++named;
                EXPECT_EQ(ErrorLine(error), k + 1) << error;
                EXPECT_NE(error.find("'"), std::string::npos) << error;
            }
        }
        EXPECT_GT(named, 40u);
    }
}

TEST_F(BadInputCatalogueTest, NonFiniteAndOverflowingNumbersInTheTablesNameTheirRow) {
    const std::vector<std::string> lines = InputLines({2, 4, 30, true, false, 72});
    const size_t hydrology = test::FindLine(lines, " Time Step") + 2;
    const size_t soil = test::FindLine(lines, " 2nd layer");
    const size_t salinity = lines.size() - 2;
    for (const char* value : {"nan", "1e400", "-inf", "-1e999"}) {
        const std::string padded = std::string(15 - std::string(value).size(), ' ') + value;
        struct Spoil {
            size_t line, column, width;
        };
        for (const Spoil& s : {Spoil{hydrology + 1, 23, 15}, Spoil{soil, 13, 15}, Spoil{salinity, 10, 8}}) {
            std::vector<std::string> spoiled = lines;
            spoiled[s.line].replace(s.column, s.width, padded.substr(15 - s.width));
            InputData data;
            const std::string error = LoadInput(test::JoinCrLf(spoiled), data);
            EXPECT_EQ(ErrorLine(error), s.line + 1) << value << ": " << error;
            EXPECT_NE(error.find("is not a valid floating point value"), std::string::npos) << error;
            ExpectUsable(data);
        }
    }
}

TEST_F(BadInputCatalogueTest, MixedLineEndsReadAsTheSameDataSet) {
    const InputData original = test::MakeDataSet({3, 5, 7, true, true, 73});
    const std::vector<std::string> lines = InputLines({3, 5, 7, true, true, 73});
    const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string text;
    for (size_t k = 0; k < lines.size(); ++k) text += lines[k] + ends[k % 3];
    InputData data;
    EXPECT_EQ(LoadInput(text, data), "");
    test::ExpectSameFileContents(original, data);

    const std::vector<std::string> output = OutputLines(2);
    ModelState crlf, mixed;
    EXPECT_EQ(LoadOutput(test::JoinCrLf(output), crlf), "");
    text.clear();
    for (size_t k = 0; k < output.size(); ++k) text += output[k] + ends[(k + 1) % 3];
    EXPECT_EQ(LoadOutput(text, mixed), "");
    EXPECT_EQ(mixed.Run.Dwt, crlf.Run.Dwt);
    EXPECT_EQ(mixed.Input.Pond, crlf.Input.Pond);
    EXPECT_EQ(mixed.Output.LE2Out, crlf.Output.LE2Out);
}

// Found by fuzzing: a file that ended between the general data (with a layer count) and the
// initial data (which sets the layer flags) left a count of 3 with the flags of 1 layer, and the
// run allocates its day tables by the flags.
TEST_F(BadInputCatalogueTest, ALoadThatStopsAfterTheLayerCountKeepsTheFlagsAgreeing) {
    std::vector<std::string> lines = InputLines({3, 3, 30, false, false, 74});
    lines.resize(test::FindLine(lines, "    Initial data") + 2);
    InputData data = test::MakeDataSet({1, 6, 30, false, false, 75});
    EXPECT_EQ(ErrorLine(LoadInput(test::JoinCrLf(lines), data)), lines.size() + 1);
    EXPECT_EQ(data.NrLayers, 3);
    EXPECT_TRUE(data.Is3Layer && !data.Is1Layer);
    ExpectUsable(data);
}

TEST_F(BadInputCatalogueTest, ASaveOntoAFullDiskFailsAndLeavesThePreviousFileWhole) {
    InputData data = test::MakeDataSet({2, 40, 7, true, true, 76});
    data.FileName = input_;
    SaveInputFile(data);
    const std::string previous = test::ReadFile(input_);
    data.Title1 = "A longer title that the disk has no room for";
    {
        const test::FileSizeLimit full_disk(1000);
        try {
            SaveInputFile(data);
            ADD_FAILURE() << "the save succeeded";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "The file " + input_ + " could not be written: File too large.");
        }
    }
    EXPECT_EQ(test::ReadFile(input_), previous);
    EXPECT_EQ(FilesIn(dir_.Path()), 1u);  // no temporary file stays behind
}

// Refused before anything is written, naming the field, the step and the value: a value that is
// not a number, whole per cents so wide that they run into each other, a line break in a line.
TEST_F(BadInputCatalogueTest, ASaveRefusesWhatTheFileCannotHoldAndLeavesThePreviousFile) {
    InputData data = test::MakeDataSet({2, 5, 30, true, true, 80});
    data.FileName = input_;
    SaveInputFile(data);
    const std::string previous = test::ReadFile(input_);
    const auto refusal = [&](const std::function<void(InputData&)>& spoil) {
        InputData spoiled = data;
        spoil(spoiled);
        try {
            SaveInputFile(spoiled);
        } catch (const FileError& error) {
            return std::string(error.what());
        }
        return std::string("saved");
    };
    const std::string refused = "The file " + input_ + " was not written: ";
    const std::string cannot_hold = ": the input file cannot hold this value so that it reads back.";
    EXPECT_EQ(refusal([](InputData& d) { d.Rain[3] = std::nan(""); }), refused + "Rain at time step 3 = nan" + cannot_hold);
    EXPECT_EQ(refusal([](InputData& d) { d.SAmeas[5] = -HUGE_VAL; }), refused + "SAmeas at time step 5 = -inf" + cannot_hold);
    EXPECT_EQ(refusal([](InputData& d) { d.Si = HUGE_VAL; }), refused + "Si = inf" + cannot_hold);
    EXPECT_EQ(refusal([](InputData& d) { d.TP2 = d.EffPor2 = 1e20; }), refused + "EffPor2 = 1e+20" + cannot_hold);
    // Printed with their column's decimals, these would read back as not measured.
    const std::string as_missing = ": the input file would read this measurement back as not measured.";
    EXPECT_EQ(refusal([](InputData& d) { d.S1meas[2] = 0.004; }), refused + "S1meas at time step 2 = 0.004" + as_missing);
    EXPECT_EQ(refusal([](InputData& d) { d.DwtMeas[1] = -999.9999; }),
              refused + "DwtMeas at time step 1 = -999.9999" + as_missing);
    EXPECT_EQ(refusal([](InputData& d) { d.Title2 = "two\nlines"; }),
              refused + "its second title holds a line break, which a line of the file cannot hold.");
    EXPECT_EQ(test::ReadFile(input_), previous);
    EXPECT_EQ(FilesIn(dir_.Path()), 1u);
    EXPECT_EQ(UnwritableInputValue(data), std::nullopt);
    InputData unwritable = data;
    unwritable.LEt = std::nan("");
    EXPECT_EQ(BreachText(UnwritableInputValue(unwritable).value()),
              "LEt = nan: the input file cannot hold this value so that it reads back");
    // Wide but apart: a sign keeps them apart, or the next one has room for a blank.
    EXPECT_EQ(refusal([](InputData& d) { d.TP2 = 1e20, d.EffPor2 = -1e19, d.LE2 = 1e19; }), "saved");
}

// A pipe would make a load wait for a writer and a device such as /dev/zero never ends; a save
// would put a file in place of them.
TEST_F(BadInputCatalogueTest, APipeInPlaceOfAFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(input_.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(output_.c_str(), 0600), 0);
    InputData data = test::MakeDataSet({1, 4, 30, false, false, 79});
    data.FileName = input_;
    try {
        LoadInputFile(data, dialogs_);
        ADD_FAILURE() << "the load succeeded";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "The file " + input_ + " could not be read: it is not a regular file.");
    }
    EXPECT_EQ(data.NrTimeSteps, 4);
    ModelState state;
    state.Input.FileName = input_;
    EXPECT_THROW(LoadOutputFile(state, dialogs_), FileError);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    try {
        SaveInputFile(data);
        ADD_FAILURE() << "the save succeeded";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "The file " + input_ + " could not be written: it is not a regular file.");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(input_));
    EXPECT_EQ(FilesIn(dir_.Path()), 2u);
}

TEST_F(BadInputCatalogueTest, EmptyAndBinaryOutputFilesChangeNothingButTheFlag) {
    std::string rubbish;
    for (int i = 0; i < 3000; ++i) rubbish += static_cast<char>((i * 131 + 7) % 256);
    for (const std::string& text : {std::string(), rubbish, std::string("\r\n\r\n\r\n\r\n\r\n\r\n")}) {
        ModelState state;
        state.Input = test::MakeDataSet({1, 5, 30, false, false, 77});
        const std::string error = LoadOutput(text, state);
        EXPECT_NE(error.find(output_ + " could not be read, line "), std::string::npos) << error;
        EXPECT_EQ(state.Input.NrTimeSteps, 5);
        EXPECT_TRUE(state.Run.Dwt.empty());
        BuildAllTables(state);
    }
}

TEST_F(BadInputCatalogueTest, EveryOutputLineCutShortIsReadOrNamedAtOrAfterTheCut) {
    for (int32_t layers : {1, 2, 3}) {
        const std::vector<std::string> lines = OutputLines(layers);
        for (size_t k = 0; k < lines.size(); ++k) {
            for (const size_t length : {size_t{0}, lines[k].size() / 2, lines[k].size() - 1}) {
                if (length >= lines[k].size()) continue;
                std::vector<std::string> cut = lines;
                cut[k].resize(length);
                ModelState state;
                dialogs_.messages.clear();
                const std::string error = LoadOutput(test::JoinCrLf(cut), state);
                SCOPED_TRACE(std::to_string(layers) + " layers, line " + std::to_string(k + 1) + " cut to " +
                             std::to_string(length) + ": " + error);
                if (!error.empty()) {
                    EXPECT_NE(error.find(output_), std::string::npos);
                    EXPECT_GE(ErrorLine(error), k + 1);
                }
                BuildAllTables(state);
            }
        }
    }
}

TEST_F(BadInputCatalogueTest, ALetterForTheFirstOrLastDigitOfAnyOutputLineIsNamedAtThatLine) {
    for (int32_t layers : {1, 2, 3}) {
        const std::vector<std::string> lines = OutputLines(layers);
        size_t named = 0;
        for (size_t k = 0; k < lines.size(); ++k) {
            for (const size_t digit : DigitsToSpoil(lines[k])) {
                std::vector<std::string> spoiled = lines;
                spoiled[k][digit] = 'O';
                ModelState state;
                const std::string error = LoadOutput(test::JoinCrLf(spoiled), state);
                if (error.empty()) continue;
                ++named;
                EXPECT_EQ(ErrorLine(error), k + 1) << error;
            }
        }
        EXPECT_GT(named, 8u);
    }
}

TEST_F(BadInputCatalogueTest, NonFiniteNumbersAndAbsurdCountsInAnOutputFileNameTheirLine) {
    const std::vector<std::string> lines = OutputLines(1);
    const size_t first_row = test::FindLine(lines, " - -") + 1;
    const size_t layer_1 = test::FindLine(lines, " Leaching efficiency layer 1");
    struct Spoil {
        size_t line;
        std::string start, text;
    };
    const std::vector<Spoil> spoils = {
        {first_row + 1, "", "      nan"},                                   // the percolation of step 2
        {first_row + 2, "", "    1e400"},
        {layer_1, " Leaching efficiency layer 1   :", "     inf"},           // a printed efficiency
        {5, "", " 0      4    30"},                                          // no layers
    };
    for (const Spoil& s : spoils) {
        std::vector<std::string> spoiled = lines;
        if (s.start.empty()) {
            spoiled[s.line].replace(s.line == 5 ? 0 : 10, s.text.size(), s.text);
        } else {
            spoiled[s.line] = s.start + s.text;
        }
        ModelState state;
        const std::string error = LoadOutput(test::JoinCrLf(spoiled), state);
        EXPECT_EQ(ErrorLine(error), s.line + 1) << s.text << ": " << error;
        BuildAllTables(state);
    }
}

TEST_F(BadInputCatalogueTest, AStepLengthOfTwoThousandMillionInAnOutputFileIsNotUsed) {
    std::vector<std::string> lines = OutputLines(2);
    ModelState good, odd;
    EXPECT_EQ(LoadOutput(test::JoinCrLf(lines), good), "");
    lines[5].replace(0, 15, " 2      4 2000000000");
    EXPECT_EQ(LoadOutput(test::JoinCrLf(lines), odd), "");
    EXPECT_EQ(odd.Run.S2, good.Run.S2);
    EXPECT_EQ(odd.Input.Ts, good.Input.Ts);
}

TEST_F(BadInputCatalogueTest, AnOutputFileWithoutRowsNamesTheFirstMissingRow) {
    std::vector<std::string> lines = OutputLines(3);
    lines.resize(test::FindLine(lines, " - -") + 1);
    ModelState state;
    state.Input = test::MakeDataSet({3, 4, 30, true, true, 78});
    const StepSeries given = state.Input.Sdr;
    const std::string error = LoadOutput(test::JoinCrLf(lines), state);
    EXPECT_NE(error.find(output_ + " could not be read, line " + std::to_string(lines.size() + 1) + ": the file ends early"),
              std::string::npos)
        << error;
    // A file that cannot be read changes nothing: the state is the one the tables had before.
    EXPECT_TRUE(state.Run.Dwt.empty() && state.Input.NrTimeSteps == 4);
    EXPECT_TRUE(state.Input.Sdr == given && state.Input.SdrGiven == given);
    BuildAllTables(state);

    lines.pop_back();  // and without the last heading line, the rows cannot even be found
    ModelState headless;
    EXPECT_NE(LoadOutput(test::JoinCrLf(lines), headless).find("the file ends early"), std::string::npos);
}

}  // namespace
}  // namespace vantorel
