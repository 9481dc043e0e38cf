// vantorel-run FILE.inp: the run, its output file, its messages and its exit statuses.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/runner/Pictures.h"
#include "app/runner/Runner.h"
#include "tests/app/RunTool.h"
#include "model/InputFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/RoundField.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

using test::RunTool;
using Result = test::ToolResult;

class RunnerRunTest : public ::testing::Test {
protected:
    void Write(InputData data) {
        data.FileName = input_;
        SaveInputFile(data);
    }
    test::TempDir dir_;
    std::string input_ = dir_.File("field.inp");
};

TEST_F(RunnerRunTest, WritesTheOutputNextToTheInputOrWhereAsked) {
    Write(test::MakeDataSet({2, 10, 30, true, false, 51}));
    Result result = RunTool({input_});
    EXPECT_EQ(result.status, ExitOk) << result.err;
    EXPECT_TRUE(std::filesystem::exists(dir_.File("field.out")));
    EXPECT_NE(result.out.find("Output file:         " + dir_.File("field.out")), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("(given)"), std::string::npos);

    result = RunTool({"--output", dir_.File("elsewhere.out"), input_});
    EXPECT_EQ(result.status, ExitOk) << result.err;
    const std::string elsewhere = test::ReadFile(dir_.File("elsewhere.out"));
    std::string next_to = test::ReadFile(dir_.File("field.out"));
    EXPECT_NE(elsewhere.find("Name of this file :" + dir_.File("elsewhere.out")), std::string::npos);
    EXPECT_EQ(elsewhere.substr(elsewhere.find("\r\n\r\n")), next_to.substr(next_to.find("\r\n\r\n")));

    // Never over the input file, by whatever path.
    const std::string before = test::ReadFile(input_);
    result = RunTool({"--output", dir_.Path().string() + "/./field.inp", input_});
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_NE(result.err.find("would overwrite the input file"), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadFile(input_), before);
}

TEST_F(RunnerRunTest, StoppedRunsPrintTheMessageAndExitWithOne) {
    InputData d = test::RoundField(3, 30);
    d.Da = 0.5;
    d.Out = 200;
    Write(d);
    const Result result = RunTool({input_});
    EXPECT_EQ(result.status, ExitRunFailed);
    EXPECT_NE(result.out.find("! The water table is below the bottom of the aquifer. Calculations stopped.  Please "
                              "adjust data.\n"),
              std::string::npos)
        << result.out;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("field.out")));
}

TEST_F(RunnerRunTest, AnswersMustBeYesOrNo) {
    Write(test::RoundField(2, 30));
    EXPECT_EQ(RunTool({"--drainage-opt=maybe", input_}).status, ExitBadInput);
    EXPECT_EQ(RunTool({"--fit-choice", input_}).status, ExitBadInput);  // the file name is taken as the value
    EXPECT_EQ(RunTool({"--leaching-opt=no", "--yes", input_}).status, ExitOk);
}

TEST_F(RunnerRunTest, AThreadCountThatCannotBeTakenIsSaidAndLeftAside) {
    Write(test::RoundField(1, 30));
    ::setenv("VANTOREL_THREADS", "four", 1);
    const Result result = RunTool({input_});
    ::unsetenv("VANTOREL_THREADS");
    EXPECT_EQ(result.status, ExitOk);
    EXPECT_NE(result.err.find("VANTOREL_THREADS='four' is not a whole number from 1"), std::string::npos) << result.err;
}

TEST_F(RunnerRunTest, GraphsOfTheRunOrOfAnExistingOutputFile) {
    Write(test::MakeDataSet({2, 12, 30, true, false, 52}));
    const std::string pictures = dir_.File("pictures");
    Result result = RunTool({"--graphs", pictures, input_});
    if (!DrawsPictures) {
        // Refused before anything runs: no output file either.
        EXPECT_EQ(result.status, ExitBadInput);
        EXPECT_NE(result.err.find("--graphs draws pictures, but this vantorel-run was built without drawing"),
                  std::string::npos)
            << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir_.File("field.out")));
        return;
    }
    EXPECT_EQ(result.status, ExitOk) << result.err;
    // The set of graphs per layer count is GraphExportTest's; here, the run's two layers reach it.
    EXPECT_TRUE(std::filesystem::exists(pictures + "/salinity-layer-2.bmp"));
    EXPECT_FALSE(std::filesystem::exists(pictures + "/salinity-layer-3.bmp"));

    result = RunTool({"--no-run", "--graphs=" + dir_.File("png"), "--graph-format=png", input_});
    EXPECT_EQ(result.status, ExitOk) << result.err;
    EXPECT_TRUE(std::filesystem::exists(dir_.File("png/water-table.png")));

    EXPECT_EQ(RunTool({"--graphs", pictures, "--graph-format=gif", input_}).status, ExitBadInput);
    EXPECT_EQ(RunTool({"--no-run", input_}).status, ExitBadInput);
    test::WriteFile(dir_.File("blocked"), "a file where the folder should be");
    EXPECT_EQ(RunTool({"--no-run", "--graphs", dir_.File("blocked"), input_}).status, ExitRunFailed);
}

}  // namespace
}  // namespace vantorel
