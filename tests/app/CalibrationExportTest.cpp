// vantorel-run --statistics, --objective-map and --near-optimal: the files, the refusals, and a run
// that stays as it was.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/runner/Pictures.h"
#include "app/runner/Runner.h"
#include "engine/ObjectiveMap.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "tests/app/RunTool.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

using test::RunTool;
namespace fs = std::filesystem;

class CalibrationExportTest : public ::testing::Test {
protected:
    std::string Example(const std::string& name) {
        const std::string path = dir_.File(name);
        fs::copy_file(test::ExamplePath(name), path);
        return path;
    }
    bool Exists(const std::string& name) const { return fs::exists(dir_.File(name)); }
    test::TempDir dir_;
};

TEST_F(CalibrationExportTest, OptionsWithoutARunOrWithABadPercentageAreRefused) {
    const std::string monthly = Example("monthly-drained-field.inp");
    const std::vector<std::vector<std::string>> refused = {
        {"--no-run", "--tables", dir_.File("t"), "--statistics", dir_.File("s.csv"), monthly},
        {"--check", "--statistics", dir_.File("s.csv"), monthly},
        {"--resave", dir_.File("again.inp"), "--objective-map", dir_.File("m"), monthly},
        {"--objective-map", dir_.File("m"), "--near-optimal", "0", monthly},
        {"--objective-map", dir_.File("m"), "--near-optimal", "5%", monthly},
        {"--near-optimal", "5", monthly},
    };
    for (const auto& args : refused) {
        const test::ToolResult result = RunTool(args);
        EXPECT_EQ(result.status, ExitBadInput) << args[0] << ' ' << args[1] << ' ' << args[3];
        EXPECT_NE(result.err.find("Try 'vantorel-run --help'"), std::string::npos) << result.err;
    }
    // A data set without drains is refused before anything runs.
    const std::string rice = Example("daily-rice-field.inp");
    const test::ToolResult result = RunTool({"--yes", "--objective-map", dir_.File("m"), rice});
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_NE(result.err.find("has no subsurface drainage system"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(Exists("daily-rice-field.out") || Exists("m") || Exists("s.csv") || Exists("again.inp"));
}

TEST_F(CalibrationExportTest, StatisticsGoWithTheRunAndLeaveItsFilesAsTheyWere) {
    const std::string weekly = Example("weekly-leaching-trial.inp");
    ASSERT_EQ(RunTool({"--yes", weekly}).status, ExitOk);
    const std::string plain_output = test::ReadFile(dir_.File("weekly-leaching-trial.out"));

    const test::ToolResult result = RunTool({"--yes", "--statistics", dir_.File("new/fit.csv"), "--tables",
                                             dir_.File("tables"), weekly});
    ASSERT_EQ(result.status, ExitOk) << result.err;
    EXPECT_EQ(test::ReadFile(dir_.File("weekly-leaching-trial.out")), plain_output);
    const std::vector<std::string> lines = test::ReadCrLfLines(dir_.File("new/fit.csv"));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1].substr(0, 15), "water-table,13,");
    EXPECT_EQ(lines[6].substr(0, 19), "salinity-aquifer,2,");
    EXPECT_EQ(test::ReadFile(dir_.File("tables/statistics.csv")), test::ReadFile(dir_.File("new/fit.csv")));
    EXPECT_NE(result.out.find("Fit statistics, salinity-layer-2 (n = 8): RMSE "), std::string::npos) << result.out;

    // A run that stops writes none.
    std::string text = test::ReadFile(weekly);
    test::WriteFile(dir_.File("stops.inp"), text);
    InputData stopping;
    stopping.FileName = dir_.File("stops.inp");
    test::ScriptedDialogs dialogs;
    LoadInputFile(stopping, dialogs);
    stopping.Da = 0.01;  // the water table soon falls below the aquifer
    stopping.DwtInit = 5;
    SaveInputFile(stopping);
    EXPECT_EQ(RunTool({"--statistics", dir_.File("stops.csv"), stopping.FileName}).status, ExitRunFailed);
    EXPECT_FALSE(Exists("stops.csv"));
}

bool ReadsBackBitForBit(const std::string& field, double value) {
    const double read = std::strtod(field.c_str(), nullptr);
    return std::memcmp(&read, &value, sizeof read) == 0;
}

TEST_F(CalibrationExportTest, ObjectiveMapHoldsTheSearchsOwnSumsAndThePicturesThatMeanSomething) {
    const std::string monthly = Example("monthly-drained-field.inp");
    const test::ToolResult result =
        RunTool({"--yes", "--objective-map", dir_.File("map"), "--near-optimal", "10", monthly});
    ASSERT_EQ(result.status, ExitOk) << result.err;
    EXPECT_NE(result.out.find("Objective map, drain discharge: best "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("within 10 %"), std::string::npos);

    InputData loaded;
    loaded.FileName = monthly;
    test::ScriptedDialogs dialogs;
    LoadInputFile(loaded, dialogs);
    const ObjectiveMap map = ComputeObjectiveMap(loaded);
    const std::vector<std::string> lines = test::ReadCrLfLines(dir_.File("map/objective-map.csv"));
    ASSERT_EQ(lines.size(), 10001u);
    EXPECT_EQ(lines[1].substr(0, 12), "0.001,0.001,");
    EXPECT_EQ(lines[101].substr(0, 12), "0.002,0.001,");
    int mismatches = 0;
    for (int t = 0; t < DrainageTrials; ++t) {
        std::vector<std::string> fields;
        std::string field;
        for (char c : lines[t + 1] + ",") {
            if (c != ',') {
                field += c;
                continue;
            }
            fields.push_back(field);
            field.clear();
        }
        mismatches += !ReadsBackBitForBit(fields[2], map.sums.balance[t]) +
                      !ReadsBackBitForBit(fields[3], map.sums.water_table[t]) +
                      !ReadsBackBitForBit(fields[4], map.sums.discharge[t]);
    }
    EXPECT_EQ(mismatches, 0);
    // Monthly steps: no balance picture; the leaching search ran. A build that does not draw
    // writes the same data and says that it drew no pictures.
    EXPECT_EQ(Exists("map/objective-map-water-table.png") && Exists("map/objective-map-drain-discharge.png"),
              DrawsPictures);
    EXPECT_FALSE(Exists("map/objective-map-balance.png"));
    const std::vector<std::string> curves = test::ReadCrLfLines(dir_.File("map/leaching-curves.csv"));
    ASSERT_EQ(curves.size(), 181u);
    EXPECT_EQ(curves[1].substr(0, 13), "layer-1,0.11,");
    EXPECT_EQ(Exists("map/leaching-curves.png"), DrawsPictures);
    EXPECT_EQ(result.out.find("No pictures drawn: this vantorel-run was built without drawing") != std::string::npos,
              !DrawsPictures);

    // Without the leaching search there are no curves.
    ASSERT_EQ(RunTool({"--drainage-opt", "yes", "--objective-map", dir_.File("map2"), monthly}).status, ExitOk);
    EXPECT_TRUE(Exists("map2/objective-map.csv"));
    EXPECT_FALSE(Exists("map2/leaching-curves.csv"));
}

}  // namespace
}  // namespace vantorel
