// Series files as a spreadsheet or a logger writes them, what they may not hold, and the start
// date an input file keeps.

#include <gtest/gtest.h>

#include "model/InputFile.h"
#include "model/SeriesFile.h"
#include "model/SilentDialogs.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

std::vector<std::string> Problems(std::string_view text) {
    std::vector<ImportProblem> problems;
    ParseSeriesFile(text, "s.csv", problems);
    std::vector<std::string> texts;
    for (const ImportProblem& problem : problems) texts.push_back(ProblemText(problem));
    return texts;
}

TEST(SeriesFileTest, ReadsAByteOrderMarkQuotesAndBothLineEnds) {
    std::vector<ImportProblem> problems;
    const SeriesFile file =
        ParseSeriesFile("\xEF\xBB\xBF" "date, water_table_depth ,rain\r\n2020-02-29,\"1.5\",\r\n\r\n2020-03-01,,0\n",
                        "s.csv", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(file.columns, (std::vector<SeriesQuantity>{SeriesQuantity::WaterTableDepth, SeriesQuantity::Rain}));
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.rows[0].values, (std::vector<std::optional<double>>{1.5, std::nullopt}));
    EXPECT_EQ(file.rows[1].line, 4u);
    EXPECT_EQ(file.rows[1].date, *ParseIsoDate("2020-03-01"));
}

TEST(SeriesFileTest, ListsEveryRefusedCellAndRow) {
    EXPECT_EQ(Problems("day,rain,Rain,rain\n"),
              (std::vector<std::string>{
                  "s.csv, line 1: the first column must be 'date', not 'day'",
                  "s.csv, line 1, column Rain: unknown column; the known columns are date, rain, irrigation, "
                  "evaporation, surface_drainage, drain_discharge, water_table_depth, salinity_layer_1, "
                  "salinity_layer_2, salinity_layer_3, salinity_transition_zone, salinity_aquifer, tmin, tmax, "
                  "rh_min, rh_max, rh_mean, wind_speed, sunshine_hours, solar_radiation, crop_factor",
                  "s.csv, line 1, column rain: the column is given twice",
              }));
    EXPECT_EQ(Problems("date,water_table_depth\n2021-01-01,-1000\n"),
              std::vector<std::string>{"s.csv, line 2, 2021-01-01, column water_table_depth: -1000 m is below -999"});
    EXPECT_EQ(Problems("date,rain,tmin,sunshine_hours\n"
                       "2021-02-29,1,2,3\n"
                       "1/3/2021,1,2,3\n"
                       "2021-03-01,1,2\n"
                       "2021-03-02,\"1,5\",-95,25\n"
                       "2021-03-03,nan,2,3\n"
                       "2021-03-03,1,2,3\n"),
              (std::vector<std::string>{
                  "s.csv, line 2, column date: '2021-02-29' is not a date written YYYY-MM-DD",
                  "s.csv, line 3, column date: '1/3/2021' is not a date written YYYY-MM-DD",
                  "s.csv, line 4, 2021-03-01: 3 fields where the header has 4",
                  "s.csv, line 5, 2021-03-02, column rain: '1,5' is not a number (numbers are written with a "
                  "decimal point)",
                  "s.csv, line 5, 2021-03-02, column tmin: -95 degrees C lies outside -90 to 60",
                  "s.csv, line 5, 2021-03-02, column sunshine_hours: 25 h lies outside 0 to 24",
                  "s.csv, line 6, 2021-03-03, column rain: 'nan' is not a number (numbers are written with a "
                  "decimal point)",
                  "s.csv, line 7, 2021-03-03: the date is given twice (also on line 6)",
              }));
    // A quoted line break or a terminal's escape in a cell stays within the problem's one line.
    EXPECT_EQ(Problems("d\x1Bte,rain\n"),
              std::vector<std::string>{"s.csv, line 1: the first column must be 'date', not 'd\\x1Bte'"});
    EXPECT_EQ(Problems("date,rain\n2020-01-01,\"1\r\n2\"\n"),
              std::vector<std::string>{"s.csv, line 2, 2020-01-01, column rain: '1\\r\\n2' is not a number (numbers "
                                       "are written with a decimal point)"});
    EXPECT_EQ(Problems(""), std::vector<std::string>{"s.csv: the file is empty; it needs a header row starting with 'date'"});
    EXPECT_EQ(Problems("date\n\"2020"), std::vector<std::string>{"The file s.csv could not be read, line 2: a quoted "
                                                                 "field is not closed."});
}

TEST(SeriesFileTest, StartDateLineFollowsTheSalinitiesAndReadsBack) {
    test::TempDir dir;
    InputData data = test::MakeDataSet({2});
    data.FileName = dir.File("dated.inp");
    SaveInputFile(data);
    const std::string undated = test::ReadFile(data.FileName);

    data.StartDate = ParseIsoDate("2019-10-01");
    SaveInputFile(data);
    const std::string dated = test::ReadFile(data.FileName);
    EXPECT_EQ(dated, undated + " Start date (YYYY-MM-DD)  : 2019-10-01\r\n");

    InputData loaded;
    loaded.StartDate = ParseIsoDate("2000-01-01");
    loaded.FileName = data.FileName;
    SilentDialogs dialogs;
    LoadInputFile(loaded, dialogs);
    EXPECT_EQ(loaded.StartDate, data.StartDate);

    test::WriteFile(data.FileName, undated);
    LoadInputFile(loaded, dialogs);
    EXPECT_FALSE(loaded.StartDate);

    test::WriteFile(data.FileName, undated + " Start date (YYYY-MM-DD)  : 2019-02-29\r\n");
    try {
        LoadInputFile(loaded, dialogs);
        FAIL();
    } catch (const FileError& error) {
        const size_t lines = static_cast<size_t>(std::count(undated.begin(), undated.end(), '\n')) + 1;
        EXPECT_EQ(error.what(), "The file " + data.FileName + " could not be read, line " + std::to_string(lines) +
                                    ": '2019-02-29' is not a start date written YYYY-MM-DD.");
    }
}

}  // namespace
}  // namespace vantorel
