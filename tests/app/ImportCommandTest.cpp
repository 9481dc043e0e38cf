// vantorel-run --import: dated series into a data set saved beside its base, the tables of its run
// with dates, and the refusals that leave nothing written.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/InputFile.h"
#include "tests/app/RunTool.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

struct ImportFixture : ::testing::Test {
    void SetUp() override {
        InputData base = test::MakeDataSet({1, 12, 30, true, false, 5});
        base.FileName = dir.File("base.inp");
        SaveInputFile(base);
        // Ten weeks of days from a Monday, and readings on some of them.
        std::string weather = "date,rain,tmin,tmax\n";
        for (int day = 0; day < 70; ++day) {
            const CalendarDay date = *ParseIsoDate("2024-01-01") + std::chrono::days(day);
            weather += IsoDateText(date) + "," + (day % 5 == 0 ? "6" : "0") + ",8,19\n";
        }
        test::WriteFile(dir.File("weather.csv"), weather);
        test::WriteFile(dir.File("readings.csv"), "date,water_table_depth\r\n2024-01-03,1.5\r\n2024-01-05,1.7\r\n");
    }
    std::vector<std::string> Import(std::vector<std::string> more) {
        std::vector<std::string> args = {"--import", dir.File("weather.csv"), "--import", dir.File("readings.csv"),
                                         "--start", "2024-01-01", "--latitude", "30"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    test::TempDir dir;
};

TEST_F(ImportFixture, SavesTheDataSetReportsItAndItsTablesCarryDates) {
    const test::ToolResult imported =
        test::RunTool(Import({"--step", "week", "--resave", dir.File("new.inp"), dir.File("base.inp")}));
    ASSERT_EQ(imported.status, ExitOk) << imported.err;
    EXPECT_EQ(imported.out,
              "Read " + dir.File("weather.csv") + ": 70 rows\nRead " + dir.File("readings.csv") +
                  ": 2 rows\n"
                  "Period: 2024-01-01 to 2024-03-10, 10 steps of a week (Ts 7)\n"
                  "Evaporation: crop factor 1 x ET0 by Hargreaves, total 166.48 mm\n"
                  "  latitude 30\n"
                  "  rain: 70 days, 10 of 10 steps, total 84.00 mm\n"
                  "  water_table_depth: 2 readings in 1 of 10 steps\n"
                  "  tmin, tmax: 70 days\n"
                  "Saved " + dir.File("new.inp") + "\n");
    EXPECT_TRUE(test::ReadFile(dir.File("new.inp")).ends_with(" Start date (YYYY-MM-DD)  : 2024-01-01\r\n"));
    EXPECT_NE(test::RunTool({"--check", dir.File("new.inp")}).out.find("\nDates:              2024-01-01 to 2024-03-10\n"),
              std::string::npos);

    const test::ToolResult run = test::RunTool({"--tables", dir.File("tables"), dir.File("new.inp")});
    ASSERT_EQ(run.status, ExitOk) << run.err;
    const std::vector<std::string> hydrology = test::ReadCrLfLines(dir.File("tables/hydrology.csv"));
    ASSERT_EQ(hydrology.size(), 11u);
    EXPECT_TRUE(hydrology[0].starts_with("date,Time step,"));
    EXPECT_TRUE(hydrology[1].starts_with("2024-01-01,1,12,"));
    EXPECT_TRUE(hydrology[10].starts_with("2024-03-04,10,6,")) << hydrology[10];
    // A data set without a start date keeps its tables as they were.
    ASSERT_EQ(test::RunTool({"--tables", dir.File("plain"), dir.File("base.inp")}).status, ExitOk);
    EXPECT_TRUE(test::ReadCrLfLines(dir.File("plain/surface.csv"))[0].starts_with("Time step,"));
}

TEST_F(ImportFixture, RefusesWithoutWritingAnything) {
    const auto refused = [&](const std::vector<std::string>& args, const std::string& message) {
        const test::ToolResult result = test::RunTool(args);
        EXPECT_EQ(result.status, ExitBadInput);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("new.inp")));
    };
    refused(Import({dir.File("base.inp")}), "--import needs --resave NEW.inp");
    refused({"--start", "2024-01-01", dir.File("base.inp")}, "are taken only with --import");
    refused(Import({"--step", "fortnight", "--resave", dir.File("new.inp"), dir.File("base.inp")}),
            "option '--step' takes day, week, month or year, not 'fortnight'");
    refused(Import({"--elevation", "1,5", "--resave", dir.File("new.inp"), dir.File("base.inp")}),
            "option '--elevation' takes a number with a decimal point, not '1,5'");
    test::WriteFile(dir.File("readings.csv"), "date,water_table_depth,salinity_layer_3\n2024-01-3,1.5,\n");
    refused(Import({"--step", "month", "--resave", dir.File("new.inp"), dir.File("base.inp")}),
            "vantorel-run: the series were not imported, nothing was written:\n" + dir.File("readings.csv") +
                ", line 2, column date: '2024-01-3' is not a date written YYYY-MM-DD\n" + dir.File("readings.csv") +
                ", line 1, column salinity_layer_3: the base data set has a root zone of 1 layer\n");
}

}  // namespace
}  // namespace vantorel
