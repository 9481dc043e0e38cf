// vantorel-run --uncertainty: the summary, the files as the core computes them, and every refusal.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/runner/Runner.h"
#include "engine/FactorUncertainty.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "tests/app/RunTool.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

using test::RunTool;
namespace fs = std::filesystem;

class UncertaintyExportTest : public ::testing::Test {
protected:
    std::string Example(const std::string& name) {
        const std::string path = dir_.File(name);
        fs::copy_file(test::ExamplePath(name), path, fs::copy_options::overwrite_existing);
        return path;
    }
    InputData Load(const std::string& path) {
        InputData data;
        data.FileName = path;
        test::ScriptedDialogs dialogs;
        LoadInputFile(data, dialogs);
        return data;
    }
    test::TempDir dir_;
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

bool ReadsBackBitForBit(const std::string& field, double value) {
    const double read = std::strtod(field.c_str(), nullptr);
    return std::memcmp(&read, &value, sizeof read) == 0;
}

TEST_F(UncertaintyExportTest, MonthlyExampleGivesTheSummaryAndTheCoresNumbersReadBackBitForBit) {
    const std::string monthly = Example("monthly-drained-field.inp");
    const test::ToolResult result = RunTool({"--yes", "--uncertainty", dir_.File("u"), monthly});
    ASSERT_EQ(result.status, ExitOk) << result.err;
    EXPECT_NE(result.out.find("Uncertainty of the drainage factors (drain discharge, n = 12): QH1 0.013 (90 %: "
                              "0.011-0.016), QH2 0.022 (90 %: 0.005-0.039), correlation -0.94\n"
                              "Prediction bands (5, 50 and 95 % per time step) over 182 pairs holding 99 % of the "
                              "probability\nUncertainty written to " +
                              dir_.File("u") +
                              ": posterior.csv intervals.csv bands.csv posterior.png bands-water-table-depth.png "
                              "bands-drain-discharge.png bands-salinity-layer-1.png bands-salinity-transition-zone.png "
                              "bands-salinity-aquifer.png\n"),
              std::string::npos)
        << result.out;

    InputData loaded = Load(monthly);
    ComputeDerivedValues(loaded);
    // The run took the discharge optimum; neither the posterior nor the discharge depends on the
    // leaching efficiencies.
    const FactorUncertainty u = ComputeFactorUncertainty(loaded, {DrainageObjective::DrainDischarge, {1, 1, 1, 1, 1}});
    const std::vector<std::string> posterior = test::ReadCrLfLines(dir_.File("u/posterior.csv"));
    ASSERT_EQ(posterior.size(), 10001u);
    EXPECT_EQ(posterior[0], "qh1,qh2,probability");
    EXPECT_EQ(posterior[102].substr(0, 12), "0.002,0.002,");
    int mismatches = 0;
    for (int index = 0; index < DrainageTrials; ++index) {
        mismatches += !ReadsBackBitForBit(Fields(posterior[index + 1])[2], u.posterior.probability[index]);
    }
    EXPECT_EQ(mismatches, 0);

    const std::vector<std::string> intervals = test::ReadCrLfLines(dir_.File("u/intervals.csv"));
    ASSERT_EQ(intervals.size(), 5u);
    EXPECT_EQ(intervals[0], "parameter,mean,sd,p05,p50,p95");
    EXPECT_TRUE(ReadsBackBitForBit(Fields(intervals[2])[1], u.summary.second.mean));
    EXPECT_EQ(Fields(intervals[2])[3], "0.0050000000000000001");
    EXPECT_EQ(intervals[3].substr(0, 12), "correlation,");
    EXPECT_EQ(intervals[4].substr(0, 17), "edge_probability,");
    EXPECT_EQ(Fields(intervals[4]).size(), 6u);

    const std::vector<std::string> bands = test::ReadCrLfLines(dir_.File("u/bands.csv"));
    ASSERT_EQ(bands.size(), 1u + 24 * 5);
    EXPECT_EQ(bands[0], "step,series,p05,p50,p95");
    EXPECT_EQ(bands[1].substr(0, 20), "1,water_table_depth,");
    EXPECT_EQ(bands[25].substr(0, 18), "1,drain_discharge,");
    EXPECT_EQ(bands[120].substr(0, 20), "24,salinity_aquifer,");
    EXPECT_TRUE(ReadsBackBitForBit(Fields(bands[30])[3], u.bands[1].p50[5]));
    for (const char* picture : {"posterior.png", "bands-drain-discharge.png", "bands-salinity-aquifer.png"}) {
        EXPECT_GT(fs::file_size(dir_.File(std::string("u/") + picture)), 5000u) << picture;
    }
}

TEST_F(UncertaintyExportTest, RunsWhoseFactorsAreNoFitAndCallsWithoutOneRunAreRefused) {
    const std::string monthly = Example("monthly-drained-field.inp");
    const std::string rice = Example("daily-rice-field.inp");
    const std::vector<std::vector<std::string>> usage = {
        {"--no-run", "--tables", dir_.File("t"), "--uncertainty", dir_.File("u"), monthly},
        {"--check", "--uncertainty", dir_.File("u"), monthly},
        {"--yes", "--uncertainty", dir_.File("u"), monthly, rice},
        {"--yes", "--jobs", "1", "--uncertainty", dir_.File("u"), monthly},
    };
    for (const auto& args : usage) {
        const test::ToolResult result = RunTool(args);
        EXPECT_EQ(result.status, ExitBadInput) << args[0] << ' ' << args[1];
        EXPECT_NE(result.err.find("Try 'vantorel-run --help'"), std::string::npos) << result.err;
    }
    // Before the run: no drains, or the factors not optimized.
    for (const auto& args : std::vector<std::vector<std::string>>{{"--yes", "--uncertainty", dir_.File("u"), rice},
                                                                  {"--uncertainty", dir_.File("u"), monthly}}) {
        const test::ToolResult result = RunTool(args);
        EXPECT_EQ(result.status, ExitBadInput);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, 28), "vantorel-run: --uncertainty:") << result.err;
    }
    EXPECT_FALSE(fs::exists(dir_.File("monthly-drained-field.out")) || fs::exists(dir_.File("u")));

    // After the run: without measurements the search can only take the water balance, or nothing.
    InputData unmeasured = Load(monthly);
    for (int32_t i = 1; i <= unmeasured.NrTimeSteps; ++i) {
        unmeasured.DwtMeas[i] = MissingDepthOrDischarge;
        unmeasured.DrainMeas[i] = MissingDepthOrDischarge;
    }
    unmeasured.FileName = dir_.File("unmeasured.inp");
    SaveInputFile(unmeasured);
    const test::ToolResult result = RunTool({"--yes", "--uncertainty", dir_.File("u"), unmeasured.FileName});
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_NE(result.err.find("vantorel-run: --uncertainty: " + unmeasured.FileName + ": the run "), std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(dir_.File("u")));
}

}  // namespace
}  // namespace vantorel
