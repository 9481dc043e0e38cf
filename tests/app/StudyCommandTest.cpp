// vantorel-run --scenarios: each scenario's input file reproduces its output, the summary and
// the pictures, refused scenarios, and studies that are not run at all.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "app/runner/Pictures.h"
#include "model/CsvFile.h"
#include "model/NumberText.h"
#include "tests/app/RunTool.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

class StudyCommandTest : public ::testing::Test {
protected:
    test::ToolResult RunStudy(const std::string& study, const std::string& jobs = "2",
                              const std::vector<std::string>& more = {}) {
        test::WriteFile(dir_.File("study.csv"), study);
        std::vector<std::string> args = {"--scenarios", dir_.File("study.csv"), "--study-dir", folder_, "--jobs", jobs};
        args.insert(args.end(), more.begin(), more.end());
        args.push_back(test::ExamplePath("monthly-drained-field.inp"));
        return RunTool(args);
    }
    // Every file of the study folder by name, with its bytes.
    std::map<std::string, std::string> FolderFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            files[entry.path().filename().string()] = test::ReadFile(entry.path().string());
        }
        return files;
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
    EXPECT_FALSE(fs::exists(In("bands.csv")));
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

// Irrigation efficiencies below 30 % are drawn too, and refused; the others run.
const char* const SampledStudy =
    "name,Irrig,Si,IrrEff\r\n"
    "base,,,\r\n"
    "mc,\"*~triangular(0.8,1,1.3)\",\"~normal(1.5,0.3)\",\"~uniform(20,90)\"\r\n";

TEST_F(StudyCommandTest, ASampledStudyWritesTheSameFilesWithAnyNumberOfJobs) {
    const test::ToolResult one = RunStudy(SampledStudy, "1", {"--samples", "30", "--seed", "5"});
    const std::map<std::string, std::string> files = FolderFiles();
    const test::ToolResult two = RunStudy(SampledStudy, "2", {"--samples=30", "--seed=5"});
    EXPECT_EQ(FolderFiles(), files);
    EXPECT_EQ(two.out, one.out);
    EXPECT_EQ(one.status, ExitRunFailed) << one.err;
    EXPECT_NE(one.out.find("== mc-0030: "), std::string::npos);

    const std::vector<CsvRecord> rows = ParseCsv(files.at("summary.csv"), "summary.csv");
    ASSERT_EQ(rows.size(), 32u);
    const std::vector<std::string>& header = rows[0].fields;
    ASSERT_EQ(header.size(), 21u);
    EXPECT_EQ(std::vector<std::string>(header.end() - 3, header.end()), (std::vector<std::string>{"Irrig", "Si", "IrrEff"}));
    EXPECT_EQ(rows[1].fields[20], "");  // base samples nothing
    size_t completed = 0;
    for (size_t r = 2; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r].fields;
        const std::string name = row[0];
        const double efficiency = std::stod(row[20]);
        if (row[1] == "refused") {
            // Refused as the editors refuse it, never clamped, and nothing written.
            EXPECT_LT(efficiency, 30) << name;
            EXPECT_NE(row[2].find("Scenario " + name + ", IrrEff = "), std::string::npos) << row[2];
            EXPECT_EQ(files.count(name + ".inp"), 0u) << name;
            continue;
        }
        ASSERT_EQ(row[1], "completed") << name;
        ++completed;
        // The value as the sample's input file keeps it: with one decimal.
        EXPECT_EQ(row[20], FormatSignificant(std::round(efficiency * 10) / 10, 10)) << name;
        EXPECT_NE(files.at(name + ".inp").find("Irrigation efficiency (%)           : " + FormatFixed(efficiency, 7, 1)),
                  std::string::npos)
            << name;
        EXPECT_GT(std::stod(row[18]), 0.8 - 1e-12) << name;
    }
    EXPECT_GT(completed, 15u);
    EXPECT_LT(completed, 30u);
    EXPECT_NE(one.out.find("Sampled row mc: " + std::to_string(completed) + " of 30 samples completed\n"),
              std::string::npos);

    const std::vector<CsvRecord> bands = ParseCsv(files.at("bands.csv"), "bands.csv");
    EXPECT_EQ(bands[0].fields, (std::vector<std::string>{"name", "step", "series", "p05", "p50", "p95"}));
    EXPECT_EQ(bands.size(), 1 + 24 * 5u);  // depth, discharge, root zone, transition zone, aquifer
    for (size_t r = 1; r < bands.size(); ++r) {
        EXPECT_LE(std::stod(bands[r].fields[3]), std::stod(bands[r].fields[4]));
        EXPECT_LE(std::stod(bands[r].fields[4]), std::stod(bands[r].fields[5]));
    }
    // The irrigation efficiency decides how much percolates: less the more efficient.
    const std::string sensitivity = files.at("sensitivity.csv");
    EXPECT_EQ(sensitivity.substr(0, sensitivity.find('\r')), "name,field,result,spearman");
    const std::string percolation = "mc,IrrEff,percolation,";
    const size_t at = sensitivity.find(percolation);
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(std::stod(sensitivity.substr(at + percolation.size())), -0.8);
    EXPECT_EQ(files.count("bands-mc-salinity-layer-1.png"), DrawsPictures ? 1u : 0u);
    // Another seed draws other samples.
    RunStudy(SampledStudy, "2", {"--samples=30", "--seed=6"});
    EXPECT_NE(FolderFiles().at("summary.csv"), files.at("summary.csv"));
}

TEST_F(StudyCommandTest, SamplingThatDoesNotFitTheStudyRunsNothing) {
    const auto refusal = [&](const std::string& study, const std::vector<std::string>& more) {
        const test::ToolResult result = RunStudy(study, "2", more);
        EXPECT_EQ(result.status, ExitBadInput) << result.err;
        EXPECT_FALSE(fs::exists(folder_)) << result.err;
        return result.err;
    };
    for (const char* samples : {"0", "100001", "abc", "1.5", "-3", ""}) {
        EXPECT_NE(refusal(SampledStudy, {"--samples", samples})
                      .find("option '--samples' takes a whole number from 1 to 100000, not '" + std::string(samples) + "'"),
                  std::string::npos);
    }
    for (const char* seed : {"-1", "x", "18446744073709551616", "2.5"}) {
        EXPECT_NE(refusal(SampledStudy, {"--samples", "3", "--seed", seed}).find("option '--seed' takes a whole number"),
                  std::string::npos);
    }
    EXPECT_NE(refusal(SampledStudy, {"--seed", "3"}).find("--seed is the seed of --samples and needs it."),
              std::string::npos);
    EXPECT_NE(refusal(SampledStudy, {}).find(", line 3, column 'Irrig', scenario mc: a sampled cell needs a number of samples."),
              std::string::npos);
    EXPECT_NE(refusal("name,Si\nbase,\nfresh,1\n", {"--samples", "3"}).find("samples no cell"), std::string::npos);
    EXPECT_NE(refusal("name,Si\nmc,\"~normal(1,0)\"\n", {"--samples", "3"})
                  .find("line 2: column 'Si', scenario mc: the cell '~normal(1,0)' is not understood: the standard "
                        "deviation s must be greater than 0."),
              std::string::npos);
    EXPECT_NE(refusal("name,Si\nmc,\"~normal(1,1)\"\nmc-0002,1\n", {"--samples", "3"})
                  .find("line 3: the scenario name 'mc-0002' is given twice"),
              std::string::npos);
    EXPECT_EQ(RunTool({"--samples", "3", test::ExamplePath("monthly-drained-field.inp")}).status, ExitBadInput);
    // The seed's whole range is taken.
    EXPECT_EQ(RunStudy(SampledStudy, "2", {"--samples", "1", "--seed", "18446744073709551615"}).err.find("--seed"),
              std::string::npos);
}

}  // namespace
}  // namespace vantorel
