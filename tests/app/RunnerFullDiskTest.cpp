// vantorel-run on a full disk: every file it writes (the output file of a run, the tables) fails
// with a message naming it and exit status 1, and the previous file of that name stays whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/runner/Runner.h"
#include "model/InputFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

class RunnerFullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        InputData data = test::MakeDataSet({2, 40, 7, true, true, 90});
        data.FileName = input_;
        SaveInputFile(data);
    }
    // Runs with a file size limit below the size of every file the run writes; returns the exit
    // status and keeps what was printed.
    int RunOnFullDisk(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const test::FileSizeLimit full_disk(1500);
        const int status = RunVantorel(args, out, err);
        out_ = out.str();
        err_ = err.str();
        return status;
    }
    // The names in the folder, to see that no temporary file stayed behind.
    std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    test::TempDir dir_;
    std::string input_ = dir_.File("field.inp");
    std::string out_, err_;
};

TEST_F(RunnerFullDiskTest, TheOutputFileOfARun) {
    test::WriteFile(dir_.File("field.out"), "earlier output\r\n");
    EXPECT_EQ(RunOnFullDisk({input_}), ExitRunFailed);
    EXPECT_NE(out_.find("! The file " + dir_.File("field.out") + " could not be written: File too large.\n"),
              std::string::npos)
        << out_;
    EXPECT_NE(err_.find("the calculation was not completed"), std::string::npos) << err_;
    EXPECT_EQ(test::ReadFile(dir_.File("field.out")), "earlier output\r\n");
    EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"field.inp", "field.out"}));
}

TEST_F(RunnerFullDiskTest, TheTables) {
    std::ostringstream out, err;
    ASSERT_EQ(RunVantorel({"--tables", dir_.File("tables"), input_}, out, err), ExitOk) << err.str();
    const std::string salinity = test::ReadFile(dir_.File("tables/salinity.csv"));
    EXPECT_EQ(RunOnFullDisk({"--no-run", "--tables", dir_.File("tables"), input_}), ExitRunFailed);
    EXPECT_NE(err_.find(dir_.File("tables/salinity.csv") + " could not be written: File too large."),
              std::string::npos)
        << err_;
    EXPECT_EQ(test::ReadFile(dir_.File("tables/salinity.csv")), salinity);
    // The run of the first call also wrote its statistics beside the tables.
    EXPECT_EQ(Names(dir_.File("tables")),
              (std::vector<std::string>{"hydrology.csv", "salinity.csv", "statistics.csv", "surface.csv"}));
}

}  // namespace
}  // namespace vantorel
