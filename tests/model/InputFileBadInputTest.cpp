// Damaged and absurd input files: always an error that names the file and the place, never a
// crash, and the data set stays usable.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/InputFile.h"
#include "model/TextFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileEdits.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

class InputFileBadInputTest : public ::testing::Test {
protected:
    std::vector<std::string> GoodLines(const test::DataSetShape& shape) {
        InputData data = test::MakeDataSet(shape);
        data.FileName = dir_.File("good.inp");
        SaveInputFile(data);
        return test::ReadCrLfLines(data.FileName);
    }
    // Loads the text; returns the error message, or "" when the file loaded.
    std::string LoadError(const std::string& text, InputData& data) {
        test::WriteFile(path_, text);
        data.FileName = path_;
        try {
            LoadInputFile(data, dialogs_);
        } catch (const FileError& error) {
            return error.what();
        }
        return "";
    }
    std::string LoadError(const std::vector<std::string>& lines) {
        InputData data;
        return LoadError(test::JoinCrLf(lines), data);
    }
    std::string Replaced(std::vector<std::string> lines, const std::string& start, const std::string& line) {
        lines[test::FindLine(lines, start)] = line;
        return LoadError(lines);
    }
    test::TempDir dir_;
    std::string path_ = dir_.File("bad.inp");
    test::ScriptedDialogs dialogs_;
};

TEST_F(InputFileBadInputTest, EveryTruncationAfterALineIsAnErrorWithItsPlace) {
    for (int32_t layers : {1, 2, 3}) {
        const std::vector<std::string> lines = GoodLines({layers, 3, 30, true, true, 21});
        for (size_t kept = 0; kept < lines.size(); ++kept) {
            const std::string error = LoadError(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(kept)));
            EXPECT_NE(error.find(path_), std::string::npos) << layers << " layers, " << kept << " lines: " << error;
            EXPECT_NE(error.find("line "), std::string::npos) << error;
        }
        EXPECT_EQ(LoadError(lines), "");
    }
}

TEST_F(InputFileBadInputTest, TruncationInsideALineNeverCrashes) {
    const std::string text = test::JoinCrLf(GoodLines({2, 4, 7, true, false, 22}));
    // A cut inside the last row leaves fields that read as not measured; any other cut is an error.
    const size_t last_row = text.rfind("\r\n", text.size() - 3) + 2;
    for (size_t length = 0; length < text.size(); length += 7) {
        InputData data;
        const bool loaded = LoadError(text.substr(0, length), data).empty();
        EXPECT_EQ(loaded, length > last_row) << length;
    }
}

TEST_F(InputFileBadInputTest, AbsurdCountsAreRefusedBeforeAnythingIsAllocated) {
    const std::vector<std::string> lines = GoodLines({1, 3, 30, false, false, 25});
    for (const char* steps : {"0", "-5", "2000000000", "99999999999", "abc", ""}) {
        const std::string error = Replaced(lines, " Nunber", std::string(" Nunber of time steps     : ") + steps);
        EXPECT_NE(error.find("line 6"), std::string::npos) << steps << ": " << error;
    }
    for (const char* length : {"0", "367", "2000000000", "-1"}) {
        EXPECT_NE(Replaced(lines, " Step length", std::string(" Step length (days)       : ") + length).find("line 7"),
                  std::string::npos)
            << length;
    }
    for (const char* layers : {"0", "4", "7"}) {
        EXPECT_NE(Replaced(lines, " Nr of root", std::string(" Nr of root zone layers   : ") + layers).find("line 8"),
                  std::string::npos)
            << layers;
        EXPECT_NE(Replaced(lines, " Number of layers", std::string(" Number of layers in root zone       :     ") + layers)
                      .find("line 16"),
                  std::string::npos)
            << layers;
    }
    // A count the file cannot hold: more steps than lines.
    EXPECT_NE(Replaced(lines, " Nunber", " Nunber of time steps     : 500").find("between 1 and"), std::string::npos);
}

TEST_F(InputFileBadInputTest, WhatWasReadBeforeTheErrorStaysAndTheSeriesFitTheCount) {
    std::vector<std::string> lines = GoodLines({2, 6, 30, false, false, 26});
    const InputData good = test::MakeDataSet({2, 6, 30, false, false, 26});
    lines[test::FindLine(lines, " 2nd layer")] = " 2nd layer        forty";
    InputData data;
    EXPECT_NE(LoadError(test::JoinCrLf(lines), data), "");
    EXPECT_EQ(data.Title1, good.Title1);
    EXPECT_EQ(data.NrTimeSteps, 6);
    EXPECT_EQ(data.Rain, good.Rain);
    EXPECT_EQ(data.TP1, good.TP1);
    EXPECT_EQ(data.TP2, 0);
}

TEST_F(InputFileBadInputTest, MissingFileBinaryRubbishAndEmptyFile) {
    InputData data;
    data.FileName = dir_.File("nowhere.inp");
    try {
        LoadInputFile(data, dialogs_);
        FAIL();
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(dir_.File("nowhere.inp")), std::string::npos);
    }
    std::string rubbish;
    for (int i = 0; i < 4000; ++i) rubbish += static_cast<char>((i * 7919) % 256);
    EXPECT_NE(LoadError(rubbish, data), "");
    std::filesystem::create_directory(dir_.File("folder.inp"));
    data.FileName = dir_.File("folder.inp");
    EXPECT_THROW(LoadInputFile(data, dialogs_), FileError);
}

TEST_F(InputFileBadInputTest, FailedSavesLeaveThePreviousFileAlone) {
    InputData data = test::MakeDataSet({1, 3, 30, false, false, 27});
    data.FileName = dir_.File("missing-folder/field.inp");
    EXPECT_THROW(SaveInputFile(data), FileError);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("missing-folder")));

    std::filesystem::create_directory(dir_.File("folder.inp"));
    data.FileName = dir_.File("folder.inp");
    EXPECT_THROW(SaveInputFile(data), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir_.File("folder.inp")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace vantorel
