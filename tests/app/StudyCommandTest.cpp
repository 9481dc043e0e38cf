// vantorel-run --scenarios: each scenario's input file reproduces its output, the summary and
// the pictures, refused scenarios, and studies that are not run at all.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/runner/Pictures.h"
#include "model/CsvFile.h"
#include "tests/app/RunTool.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

class StudyCommandTest : public ::testing::Test {
protected:
    test::ToolResult RunStudy(const std::string& study, const std::string& jobs = "2") {
        test::WriteFile(dir_.File("study.csv"), study);
        return RunTool({"--scenarios", dir_.File("study.csv"), "--study-dir", folder_, "--jobs", jobs,
                        test::ExamplePath("monthly-drained-field.inp")});
    }
    std::string In(const std::string& name) const { return (fs::path(folder_) / name).string(); }
    test::TempDir dir_;
    std::string folder_ = dir_.File("results/study");
};

const char* const Study =
    "name,Irrig,Si,Repeat,DrainSpacing,DrainKa,DrainKb,DrainDepthBelow,DrainPerimeter,DrainPorosity,IrrEff\r\n"
    "base,,,,,,,,,,\r\n"
    "wetter,*1.2,,,,,,,,,\r\n"
    "fresher,,+-0.5,,,,,,,,\r\n"
    "decade,,,5,,,,,,,\r\n"
    "spacing-40,,,,40,0.8,1.5,5,0.6,6,\r\n"
    "clamped,,,,,,,,,,120\r\n";

TEST_F(StudyCommandTest, EveryScenarioRunsFromItsOwnInputFile) {
    const test::ToolResult result = RunStudy(Study);
    EXPECT_EQ(result.status, ExitRunFailed) << result.err;
    EXPECT_NE(result.out.find("== clamped: refused\n! Scenario clamped, IrrEff = 120: the irrigation efficiency"),
              std::string::npos)
        << result.out;
    EXPECT_FALSE(fs::exists(In("clamped.inp")));
    EXPECT_FALSE(fs::exists(In("clamped.out")));

    // Running a scenario's input file again gives its output file byte for byte, line 2 aside.
    for (const char* name : {"wetter", "decade", "spacing-40"}) {
        const std::string copy = dir_.File(std::string(name) + "-again.out");
        ASSERT_EQ(RunTool({"--output", copy, In(std::string(name) + ".inp")}).status, ExitOk);
        std::vector<std::string> expected = test::ReadCrLfLines(In(std::string(name) + ".out"));
        std::vector<std::string> again = test::ReadCrLfLines(copy);
        ASSERT_GT(expected.size(), 2u);
        expected[1].clear();
        again[1].clear();
        EXPECT_EQ(again, expected) << name;
    }

    const std::vector<CsvRecord> rows = ParseCsv(test::ReadFile(In("summary.csv")), "summary.csv");
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].fields.size(), 18u);
    for (size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(rows[r].fields.size(), 18u);
    const std::vector<std::string>& base = rows[1].fields;
    EXPECT_EQ(base[1], "completed");
    EXPECT_EQ(base[3], "24");
    EXPECT_EQ(base[4], "0.012");
    EXPECT_EQ(base[14], "");  // the root zone has one layer
    EXPECT_EQ(rows[4].fields[3], "120");
    EXPECT_EQ(rows[5].fields[4], "0.3732");  // the calculator's factors as the input file keeps them
    EXPECT_EQ(rows[5].fields[5], "0.0333");
    EXPECT_NE(std::stod(rows[2].fields[8]), std::stod(base[8]));  // more irrigation, more percolation
    EXPECT_EQ(rows[6].fields[1], "refused");
    EXPECT_EQ(rows[6].fields[3], "");

    for (const char* picture : {"water-table.png", "salinity-layer-1.png", "salinity-transition-zone.png",
                                "salinity-aquifer.png"}) {
        EXPECT_EQ(fs::exists(In(picture)) && fs::file_size(In(picture)) > 1000u, DrawsPictures) << picture;
    }
    EXPECT_FALSE(fs::exists(In("salinity-layer-2.png")));
    EXPECT_EQ(result.out.find("No pictures drawn") != std::string::npos, !DrawsPictures);
}

TEST_F(StudyCommandTest, SummaryDoesNotDependOnTheNumberOfJobs) {
    ASSERT_EQ(RunStudy(Study, "1").status, ExitRunFailed);
    const std::string one = test::ReadFile(In("summary.csv"));
    ASSERT_EQ(RunStudy(Study, "2").status, ExitRunFailed);
    EXPECT_EQ(test::ReadFile(In("summary.csv")), one);
}

TEST_F(StudyCommandTest, AStudyThatCannotBeReadRunsNothing) {
    const test::ToolResult result = RunStudy("name,Irrig\nbase,\nwet,*1;2\n");
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_NE(result.err.find("line 3: column 'Irrig', scenario wet: the cell '*1;2' is not understood"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(In("base.inp")));
    EXPECT_EQ(RunStudy("name,Title1\nbase,x\n").status, ExitBadInput);

    // A scenario named as the base file, in the base file's folder, would overwrite it.
    const std::string base = dir_.File("field.inp");
    fs::copy_file(test::ExamplePath("monthly-drained-field.inp"), base);
    const std::string before = test::ReadFile(base);
    test::WriteFile(dir_.File("study.csv"), "name,Irrig\nfield,*2\n");
    const test::ToolResult overwrite =
        RunTool({"--scenarios", dir_.File("study.csv"), "--study-dir", dir_.Path().string() + "/.", base});
    EXPECT_EQ(overwrite.status, ExitBadInput);
    EXPECT_NE(overwrite.err.find("would overwrite the base input file " + base), std::string::npos);
    EXPECT_EQ(test::ReadFile(base), before);
    // The same through a linked folder.
    fs::create_directory_symlink(dir_.Path(), dir_.File("alias"));
    EXPECT_EQ(RunTool({"--scenarios", dir_.File("study.csv"), "--study-dir", dir_.File("alias"), base}).status,
              ExitBadInput);
    EXPECT_EQ(test::ReadFile(base), before);
    // The summary would replace the study file.
    fs::create_directories(folder_);
    test::WriteFile(In("summary.csv"), "name,Irrig\nwet,*2\n");
    const test::ToolResult summary = RunTool({"--scenarios", dir_.File("results/./study/summary.csv"), "--study-dir",
                                              folder_, test::ExamplePath("monthly-drained-field.inp")});
    EXPECT_EQ(summary.status, ExitBadInput);
    EXPECT_NE(summary.err.find("would overwrite the study file"), std::string::npos) << summary.err;
    EXPECT_EQ(test::ReadFile(In("summary.csv")), "name,Irrig\nwet,*2\n");
    EXPECT_FALSE(fs::exists(In("wet.inp")));
    EXPECT_EQ(RunTool({"--scenarios", dir_.File("none.csv"), "--study-dir", folder_,
                       test::ExamplePath("monthly-drained-field.inp")})
                  .status,
              ExitBadInput);
    EXPECT_EQ(RunTool({"--scenarios", dir_.File("study.csv"), test::ExamplePath("monthly-drained-field.inp")}).status,
              ExitBadInput);
}

TEST_F(StudyCommandTest, ScenariosThatCannotRunLeaveNoFileAndSayWhy) {
    // NAME.inp cannot be written where a folder stands.
    fs::create_directories(In("blocked.inp"));
    // The run refuses a porosity of 0 once the scenario's file is written and read back.
    const test::ToolResult result = RunStudy("name,EffPor1\nporeless,0\nblocked,\n");
    EXPECT_EQ(result.status, ExitRunFailed);
    const std::vector<CsvRecord> rows = ParseCsv(test::ReadFile(In("summary.csv")), "summary.csv");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].fields[1], "refused");
    EXPECT_FALSE(fs::exists(In("poreless.inp")));
    EXPECT_FALSE(fs::exists(In("poreless.out")));
    EXPECT_EQ(rows[2].fields[1], "unwritable");
    EXPECT_EQ(rows[2].fields[2], "Scenario blocked: The file " + In("blocked.inp") + " could not be written: it is a folder.");
}

}  // namespace
}  // namespace vantorel
