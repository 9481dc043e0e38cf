// vantorel-run --check, --resave and --help, called in-process.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/runner/Runner.h"
#include "tests/app/RunTool.h"
#include "model/InputFile.h"
#include "model/ProgramVersion.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

using test::RunTool;
using Result = test::ToolResult;

class RunnerCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        InputData data = test::MakeDataSet({2, 8, 7, true, false, 31});
        data.Title1 = "Leaching trial";
        data.FileName = path_;
        SaveInputFile(data);
    }
    test::TempDir dir_;
    std::string path_ = dir_.File("trial.inp");
};

TEST_F(RunnerCheckTest, CheckPrintsTheSummary) {
    const Result result = RunTool({"--check", path_});
    EXPECT_EQ(result.status, ExitOk);
    EXPECT_NE(result.out.find("First title:        Leaching trial"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Time steps:         8 weekly steps of 7 days"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Root zone layers:   2"), std::string::npos);
    EXPECT_EQ(result.err, "");
}

// Files of earlier versions run whatever their values; each value an editor would not keep gets
// a line on standard error, none on standard output.
TEST_F(RunnerCheckTest, ValuesTheEditorsWouldNotKeepAreWarnedOfAndRun) {
    const Result plain_run = RunTool({"--yes", path_});
    InputData data = test::MakeDataSet({2, 8, 7, true, false, 31});
    data.Title1 = "Leaching trial";
    data.IrrEff = 20;
    data.DrainMeas[2] = data.DrainMeas[5] = -3;
    data.FileName = path_;
    SaveInputFile(data);
    const std::string warnings = "vantorel-run: " + path_ +
                                 ": warning: IrrEff = 20: the irrigation efficiency must lie between 30 and 100 %\n";
    const std::string discharge = "vantorel-run: " + path_ + ": warning: DrainMeas at time step ";
    const std::string rule = " = -3: a measured discharge is 0 or more, or -1000 when not measured\n";
    const std::string expected = warnings + discharge + "2" + rule + discharge + "5" + rule;
    const Result check = RunTool({"--check", path_});
    EXPECT_EQ(check.status, ExitOk);
    EXPECT_EQ(check.err, expected);
    EXPECT_EQ(check.out.find("warning"), std::string::npos);
    const Result run = RunTool({"--yes", path_});
    EXPECT_EQ(run.status, ExitOk);
    EXPECT_EQ(run.err, expected);
    const Result many = RunTool({"--jobs=1", path_});
    EXPECT_EQ(many.status, ExitOk);
    EXPECT_EQ(many.err.substr(many.err.find("vantorel-run")), expected);
    EXPECT_EQ(plain_run.err, "");
}

TEST_F(RunnerCheckTest, UnreadableFilesAndWrongOptionsExitWithTwo) {
    test::WriteFile(dir_.File("broken.inp"), " PROGRAM Vantorel INPUT DATA\r\n");
    Result result = RunTool({"--check", dir_.File("broken.inp")});
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_NE(result.err.find(dir_.File("broken.inp")), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("line"), std::string::npos) << result.err;

    EXPECT_EQ(RunTool({"--check", dir_.File("absent.inp")}).status, ExitBadInput);
    EXPECT_EQ(RunTool({"--bogus", path_}).status, ExitBadInput);
    EXPECT_EQ(RunTool({"--check"}).status, ExitBadInput);
    EXPECT_EQ(RunTool({"--check", path_, path_}).status, ExitBadInput);
}

TEST_F(RunnerCheckTest, ResaveWritesTheSameDataUnderTheNewName) {
    const std::string copy = dir_.File("copy.inp");
    const Result result = RunTool({"--resave", copy, path_});
    EXPECT_EQ(result.status, ExitOk) << result.err;
    std::string original = test::ReadFile(path_);
    std::string resaved = test::ReadFile(copy);
    const auto drop_line_2 = [](std::string& text) {
        const size_t start = text.find("\r\n") + 2;
        text.erase(start, text.find("\r\n", start) - start);
    };
    drop_line_2(original);
    drop_line_2(resaved);
    EXPECT_EQ(original, resaved);

    EXPECT_EQ(RunTool({"--resave=" + dir_.File("no/such/folder.inp"), path_}).status, ExitRunFailed);
}

TEST_F(RunnerCheckTest, HelpNamesEveryOption) {
    const Result result = RunTool({"--help"});
    EXPECT_EQ(result.status, ExitOk);
    for (const OptionDefinition& option : RunnerOptions()) {
        EXPECT_NE(result.out.find("--" + option.name), std::string::npos) << "--help does not explain --" << option.name;
    }
}

TEST_F(RunnerCheckTest, VersionIsAnsweredWhateverElseIsGiven) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"}, {"--version", path_},
                                                 {"--drain-factors", "--version"}}) {
        const Result result = RunTool(args);
        EXPECT_EQ(result.status, ExitOk);
        EXPECT_EQ(result.out, std::string("Vantorel ") + ProgramVersion + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(dir_.File("trial.out")));
}

}  // namespace
}  // namespace vantorel
