// The tables as CSV files, and vantorel-run --tables with and without a run.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/runner/Runner.h"
#include "app/runner/TableExport.h"
#include "model/InputFile.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

int RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    return RunVantorel(args, out, err);
}

TEST(TableExportTest, CsvFilesHaveNamedColumnsAndEmptyFieldsForMissingMeasurements) {
    test::TempDir dir;
    ModelState state;
    state.Input.NrTimeSteps = 2;
    state.Run.S1 = {0, 4.567, 5};
    state.Input.S1meas = {0, -1, 0};
    state.Run.STr = state.Run.SAq = state.Input.STmeas = state.Input.SAmeas = {0, 1.5, 2};
    const std::string folder = dir.File("tables/new");
    ASSERT_EQ(ExportTables(state, folder), std::nullopt);
    EXPECT_EQ(test::ReadCrLfLines(folder + "/salinity.csv"),
              (std::vector<std::string>{
                  "Time step,\"Root zone salinity, calculated (dS/m)\",\"Root zone salinity, measured (dS/m)\","
                  "\"Transition zone salinity, calculated (dS/m)\",\"Transition zone salinity, measured (dS/m)\","
                  "\"Aquifer salinity, calculated (dS/m)\",\"Aquifer salinity, measured (dS/m)\"",
                  "1,4.57,,1.50,1.50,1.50,1.50", "2,5.00,0.00,2.00,2.00,2.00,2.00"}));
    EXPECT_EQ(test::ReadCrLfLines(folder + "/hydrology.csv")[2], "2,,,,,,,,");  // series not loaded: empty

    test::WriteFile(dir.File("plain"), "");
    EXPECT_NE(ExportTables(state, dir.File("plain")).value_or("").find(dir.File("plain")), std::string::npos);
}

TEST(TableExportTest, RunnerWritesTheTablesAfterARunOrFromAnExistingOutputFile) {
    test::TempDir dir;
    InputData data = test::MakeDataSet({3, 9, 30, true, false, 81});
    data.FileName = dir.File("field.inp");
    SaveInputFile(data);
    EXPECT_EQ(RunTool({"--tables", dir.File("new"), data.FileName}), ExitOk);
    EXPECT_EQ(RunTool({"--no-run", "--tables", dir.File("old"), data.FileName}), ExitOk);
    for (const char* name : {"/salinity.csv", "/hydrology.csv", "/surface.csv"}) {
        EXPECT_EQ(test::ReadCrLfLines(dir.File("new") + name).size(), 10u) << name;
        EXPECT_EQ(test::ReadFile(dir.File("new") + name), test::ReadFile(dir.File("old") + name)) << name;
    }
    test::WriteFile(dir.File("bad.out"), "OUTPUT OF Vantorel\r\n");
    for (const char* output : {"none.out", "bad.out"}) {
        EXPECT_EQ(RunTool({"--no-run", "--tables", dir.File("t"), "--output", dir.File(output), data.FileName}),
                  ExitBadInput);
    }
    EXPECT_EQ(RunTool({"--tables", dir.File("t"), "--output", dir.File("result.txt"), data.FileName}), ExitBadInput);
    EXPECT_FALSE(std::filesystem::exists(dir.File("t")));
    EXPECT_EQ(RunTool({"--no-run", "--tables", data.FileName, data.FileName}), ExitRunFailed);
}

}  // namespace
}  // namespace vantorel
