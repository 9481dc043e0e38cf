// vantorel-run on many files: one block per file in the order given, the manifest, --skip-done,
// shards (also under GNU parallel), refused option values, and results that do not depend on
// the number of jobs.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>

#include "model/CsvFile.h"
#include "model/InputFile.h"
#include "model/Sha256.h"
#include "tests/app/RunTool.h"
#include "tests/support/DataSets.h"
#include "tests/support/RoundField.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

class ManyRunsTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, InputData data) {
        data.FileName = dir_.File(name);
        SaveInputFile(data);
        return data.FileName;
    }
    // Two completed fields, one refused (no root-zone thickness), one stopped (the water table
    // drains below the aquifer), one missing.
    std::vector<std::string> MixedFiles() {
        InputData refused = test::MakeDataSet({1, 12, 30, false, false, 2});
        refused.D1 = 0;
        InputData stopped = test::RoundField(3, 30);
        stopped.Da = 0.5;
        stopped.Out = 200;
        return {Write("a.inp", test::MakeDataSet({2, 24, 30, true, false, 1})), Write("refused.inp", refused),
                Write("stopped.inp", stopped), dir_.File("missing.inp"),
                Write("b.inp", test::MakeDataSet({3, 52, 7, true, true, 4}))};
    }
    std::vector<CsvRecord> Manifest() {
        return ParseCsv(test::ReadFile(dir_.File("manifest.csv")), "manifest.csv");
    }
    test::TempDir dir_;
};

TEST_F(ManyRunsTest, ManifestRecordsEveryFileInOrderAndTheHighestStatusWins) {
    const std::vector<std::string> files = MixedFiles();
    std::vector<std::string> args = {"--jobs", "2", "--manifest", dir_.File("manifest.csv"), "--yes"};
    args.insert(args.end(), files.begin(), files.end());
    const test::ToolResult result = RunTool(args);
    EXPECT_EQ(result.status, ExitBadInput);

    // The blocks come in the order given, each headed by its file.
    size_t previous = 0;
    for (const std::string& file : files) {
        const size_t at = result.out.find("== " + file + ": ");
        ASSERT_NE(at, std::string::npos) << result.out;
        EXPECT_GE(at, previous);
        previous = at;
    }
    EXPECT_NE(result.out.find("5 files, 2 completed, 1 stopped, 1 refused, 1 unreadable"), std::string::npos);
    EXPECT_NE(result.err.find("vantorel-run: " + files[1] + ": refused: The thickness of the root zone"),
              std::string::npos)
        << result.err;

    const std::vector<CsvRecord> rows = Manifest();
    ASSERT_EQ(rows.size(), 6u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"completed", "0"}, {"refused", "1"}, {"stopped", "1"}, {"unreadable", "2"}, {"completed", "0"}};
    for (size_t i = 0; i < files.size(); ++i) {
        const std::vector<std::string>& row = rows[i + 1].fields;
        ASSERT_EQ(row.size(), 8u);
        EXPECT_EQ(row[0], files[i]);
        // Only a completed run wrote its output file.
        EXPECT_EQ(row[1], expected[i].first == "completed" ? fs::path(files[i]).replace_extension(".out").string() : "");
        EXPECT_EQ(std::make_pair(row[2], row[3]), expected[i]) << files[i];
        EXPECT_EQ(row[7], "1.0.0");
        EXPECT_GE(std::stod(row[4]), 0.0);
    }
    EXPECT_EQ(rows[1].fields[6], Sha256Hex(test::ReadFile(files[0])));
    EXPECT_EQ(rows[1].fields[5], "");
    EXPECT_EQ(rows[2].fields[5], "The thickness of the root zone must be greater than 0. Please adjust data.");
    EXPECT_EQ(rows[3].fields[5],
              "The water table is below the bottom of the aquifer. Calculations stopped.  Please adjust data.");
    EXPECT_NE(rows[4].fields[5].find("missing.inp could not be opened"), std::string::npos);
    EXPECT_EQ(rows[4].fields[6], "");
    EXPECT_FALSE(fs::exists(dir_.File("refused.out")));

    // Without the unreadable file the highest status is that of the refused and stopped ones.
    EXPECT_EQ(RunTool({files[0], files[1], files[4]}).status, ExitRunFailed);
    EXPECT_EQ(RunTool({files[0], files[4]}).status, ExitOk);
}

TEST_F(ManyRunsTest, ResultsDoNotDependOnTheNumberOfJobs) {
    std::vector<std::string> files;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        files.push_back(Write("f" + std::to_string(seed) + ".inp", test::MakeDataSet({static_cast<int32_t>(1 + seed % 3), 24, 30, true, false, seed})));
    }
    std::map<std::string, std::string> outputs[2];
    std::string printed[2];
    for (const int jobs : {1, 2}) {
        std::vector<std::string> args = {"--yes", "--jobs", std::to_string(jobs)};
        args.insert(args.end(), files.begin(), files.end());
        const test::ToolResult result = RunTool(args);
        EXPECT_EQ(result.status, ExitOk) << result.err;
        printed[jobs - 1] = result.out;
        for (const std::string& file : files) {
            outputs[jobs - 1][file] = test::ReadFile(fs::path(file).replace_extension(".out").string());
        }
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(printed[0], printed[1]);
}

TEST_F(ManyRunsTest, SkipDoneLeavesUpToDateOutputsAlone) {
    const std::string a = Write("a.inp", test::MakeDataSet({1, 12, 30, false, false, 1}));
    const std::string b = Write("b.inp", test::MakeDataSet({1, 12, 30, false, false, 2}));
    ASSERT_EQ(RunTool({a, b}).status, ExitOk);
    const auto a_time = fs::last_write_time(dir_.File("a.out"));
    // b's input is now newer than its output.
    fs::last_write_time(b, fs::last_write_time(dir_.File("b.out")) + std::chrono::seconds(5));

    const test::ToolResult result = RunTool({"--skip-done", "--manifest", dir_.File("manifest.csv"), a, b});
    EXPECT_EQ(result.status, ExitOk);
    EXPECT_EQ(fs::last_write_time(dir_.File("a.out")), a_time);
    const std::vector<CsvRecord> rows = Manifest();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].fields[2], "skipped");
    EXPECT_EQ(rows[1].fields[3], "0");
    EXPECT_EQ(rows[2].fields[2], "completed");
}

TEST_F(ManyRunsTest, RefusesBadValuesBeforeRunningAnything) {
    const std::string a = Write("a.inp", test::MakeDataSet({1, 12, 30, false, false, 1}));
    const std::string b = Write("b.inp", test::MakeDataSet({1, 12, 30, false, false, 2}));
    const std::vector<std::vector<std::string>> refused = {
        {"--jobs", "0", a},         {"--jobs", "two", a},        {"--shard", "0/3", a},      {"--shard", "4/3", a},
        {"--shard", "1", a},        {"--shard", "1/x", a},       {"--jobs", "2"},            {a, dir_.File("./a.inp")},
        {a, dir_.File("a")},        {"--output", "x.out", a, b}, {"--tables", "t", a, b},    {"--graphs", "g", "--jobs", "1", a},
        {a, dir_.File("alias/a.inp")}, {"--manifest", dir_.File("alias/b.inp"), a, b},
    };
    fs::create_directory_symlink(dir_.Path(), dir_.File("alias"));
    for (const std::vector<std::string>& args : refused) {
        const test::ToolResult result = RunTool(args);
        EXPECT_EQ(result.status, ExitBadInput) << args.front() << ' ' << args.back();
        EXPECT_NE(result.err.find("vantorel-run: "), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir_.File("a.out")));
    EXPECT_EQ(test::ReadFile(b).substr(0, 8), " PROGRAM");
}

TEST_F(ManyRunsTest, AFileThatCannotBeWrittenIsUnwritableAndALongNameIsWritten) {
    // The longest name of a file system: the temporary file beside it must not be longer.
    const std::string long_name = Write(std::string(251, 'n') + ".inp", test::MakeDataSet({1, 12, 30, false, false, 1}));
    const std::string blocked = Write("blocked.inp", test::MakeDataSet({1, 12, 30, false, false, 2}));
    fs::create_directory(dir_.File("blocked.out"));
    const test::ToolResult result = RunTool({"--manifest", dir_.File("manifest.csv"), long_name, blocked});
    EXPECT_EQ(result.status, ExitRunFailed);
    const std::vector<CsvRecord> rows = Manifest();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].fields[2], "completed") << rows[1].fields[5];
    EXPECT_TRUE(fs::is_regular_file(rows[1].fields[1]));
    EXPECT_EQ(rows[2].fields[1], "");
    EXPECT_EQ(rows[2].fields[2], "unwritable");
    EXPECT_EQ(rows[2].fields[3], "1");
    EXPECT_EQ(rows[2].fields[5], "The file " + dir_.File("blocked.out") + " could not be written: it is a folder.");
    EXPECT_NE(result.out.find("2 files, 1 completed, 1 unwritable"), std::string::npos) << result.out;
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.Path())) ++files;
    EXPECT_EQ(files, 5u);  // the two inputs, their outputs and the manifest: no temporary file
}

TEST_F(ManyRunsTest, ShardsTakeEveryNthFileAndTogetherRunEachOnce) {
    std::vector<std::string> files;
    for (uint32_t seed = 1; seed <= 7; ++seed) {
        files.push_back(Write("f" + std::to_string(seed) + ".inp", test::MakeDataSet({1, 12, 30, false, false, seed})));
    }
    std::vector<std::string> args = {"--shard", "2/3", "--manifest", dir_.File("manifest.csv")};
    args.insert(args.end(), files.begin(), files.end());
    ASSERT_EQ(RunTool(args).status, ExitOk);
    const std::vector<CsvRecord> rows = Manifest();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].fields[0], files[1]);
    EXPECT_EQ(rows[2].fields[0], files[4]);

    // Three shards as three GNU parallel jobs, each its own process, as on three machines.
    std::string command = "cd '" + dir_.Path().string() + "' && parallel --will-cite --jobs 3 '" VANTOREL_RUN_BINARY
                          " --jobs 1 --shard {}/3 --manifest shard-{}.csv f1.inp f2.inp f3.inp f4.inp f5.inp f6.inp "
                          "f7.inp >/dev/null' ::: 1 2 3";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::multiset<std::string> ran;
    for (const char* shard : {"shard-1.csv", "shard-2.csv", "shard-3.csv"}) {
        const std::vector<CsvRecord> shard_rows = ParseCsv(test::ReadFile(dir_.File(shard)), shard);
        for (size_t i = 1; i < shard_rows.size(); ++i) {
            EXPECT_EQ(shard_rows[i].fields[2], "completed");
            ran.insert(shard_rows[i].fields[0]);
        }
    }
    EXPECT_EQ(ran, (std::multiset<std::string>{"f1.inp", "f2.inp", "f3.inp", "f4.inp", "f5.inp", "f6.inp", "f7.inp"}));
}

}  // namespace
}  // namespace vantorel
