// Dated series into time steps: the sums and means of hand-made days, the steps a start and a
// step length give, the evaporation from the weather, and every refusal listed together.

#include <gtest/gtest.h>

#include "engine/ImportReport.h"
#include "engine/SeriesImport.h"
#include "tests/support/DataSets.h"

namespace vantorel {
namespace {

CalendarDay Day(const char* text) {
    return *ParseIsoDate(text);
}

// One row per day from the first day on, each made by the function from the day's index.
template <class Row>
std::string Days(const char* header, const char* first, int count, Row row) {
    std::string text = std::string(header) + "\r\n";
    for (int i = 0; i < count; ++i) text += IsoDateText(Day(first) + std::chrono::days(i)) + "," + row(i) + "\r\n";
    return text;
}

struct Imported {
    SeriesImport import;
    std::vector<SeriesFile> files;
    std::vector<std::string> problems;
};

Imported Import(const std::vector<std::pair<std::string, std::string>>& texts, ImportSettings settings,
                int32_t layers = 1) {
    Imported result;
    std::vector<ImportProblem> problems;
    for (const auto& [name, text] : texts) result.files.push_back(ParseSeriesFile(text, name, problems));
    result.import = ImportSeries(test::MakeDataSet({layers}), result.files, settings);
    problems.insert(problems.end(), result.import.problems.begin(), result.import.problems.end());
    for (const ImportProblem& problem : problems) result.problems.push_back(ProblemText(problem));
    return result;
}

ImportSettings Monthly(const char* start) {
    ImportSettings settings;
    settings.start = Day(start);
    settings.ts = 30;
    return settings;
}

TEST(SeriesImportTest, AddsUpCalendarMonthsAndAveragesTheReadings) {
    // 2020 is a leap year: 31, 29 and 31 days, then ten days of April, less than a step.
    const std::string weather =
        Days("date,rain,evaporation", "2020-01-01", 101, [](int i) { return std::string(i == 40 ? "2.5" : "1") + ",2"; });
    const std::string events = "date,irrigation\n2020-02-03,60\n2020-02-29,40\n2020-03-31,70\n2020-04-05,99\n";
    const std::string readings =
        "date,water_table_depth,drain_discharge,salinity_layer_1\n"
        "2020-01-10,1.2,,4\n2020-01-20,1.4,,\n2020-02-01,,2,\n2020-02-15,,4,\n2019-12-31,1.9,,\n";
    const Imported r = Import({{"weather.csv", weather}, {"events.csv", events}, {"readings.csv", readings}},
                              Monthly("2020-01-01"));
    ASSERT_EQ(r.problems, std::vector<std::string>{});
    const InputData& d = r.import.data;
    ASSERT_EQ(d.NrTimeSteps, 3);
    EXPECT_EQ(d.Ts, 30);
    EXPECT_EQ(d.StartDate, Day("2020-01-01"));
    EXPECT_EQ(d.Rain, (StepSeries{0, 31, 30.5, 31}));  // the 2.5 mm fell on February 10
    EXPECT_EQ(d.ETp, (StepSeries{0, 62, 58, 62}));
    EXPECT_EQ(d.Irrig, (StepSeries{0, 0, 100, 70}));
    EXPECT_EQ(d.Sdr, (StepSeries{0, 0, 0, 0}));
    EXPECT_EQ(d.SdrGiven, d.Sdr);
    // The mean depth per step; the discharge per day times the days of the month.
    EXPECT_EQ(d.DwtMeas, (StepSeries{-1000, 1.3, -1000, -1000}));
    EXPECT_EQ(d.DrainMeas, (StepSeries{-1000, -1000, 87, -1000}));
    EXPECT_EQ(d.S1meas, (StepSeries{-1, 4, -1, -1}));

    const std::vector<std::string> report = ImportReportLines(r.import, r.files, Monthly("2020-01-01"));
    EXPECT_EQ(report[3], "Period: 2020-01-01 to 2020-03-31, 3 steps of a calendar month (Ts 30)");
    EXPECT_EQ(report[4], "Evaporation: given");
    EXPECT_EQ(report[6], "  irrigation: 3 days, 2 of 3 steps, total 170.00 mm; 1 outside the steps, not used");
    EXPECT_EQ(report[8], "  drain_discharge: 2 readings in 1 of 3 steps");
    EXPECT_EQ(report[9], "  water_table_depth: 2 readings in 1 of 3 steps; 1 outside the steps, not used");
    EXPECT_EQ(report.back(), "Not used after the last step: 2020-04-01 to 2020-04-10 (10 days)");
}

TEST(SeriesImportTest, TakesWeeksDaysAndYearsFromTheStart) {
    const std::string weather = Days("date,rain,evaporation", "2019-10-01", 800, [](int i) {
        return std::to_string(i % 7) + ",1";
    });
    ImportSettings weeks = Monthly("2019-10-02");
    weeks.ts = 7;
    Imported r = Import({{"w.csv", weather}}, weeks);
    ASSERT_EQ(r.problems, std::vector<std::string>{});
    EXPECT_EQ(r.import.steps, 114);  // 799 days from October 2
    EXPECT_EQ(r.import.data.Rain[1], 1 + 2 + 3 + 4 + 5 + 6 + 0);

    weeks.ts = 1;
    weeks.steps = 3;
    r = Import({{"w.csv", weather}}, weeks);
    EXPECT_EQ(r.import.data.Rain, (StepSeries{0, 1, 2, 3}));
    weeks.steps = 900;
    r = Import({{"w.csv", weather}}, weeks);
    EXPECT_EQ(r.problems, std::vector<std::string>{"option --steps: the data cover only 799 whole steps from 2019-10-02, not 900"});

    // A hydrological year from October: 366 days, since it holds February 29, 2020.
    ImportSettings years = Monthly("2019-10-01");
    years.ts = 360;
    r = Import({{"w.csv", weather}}, years);
    ASSERT_EQ(r.problems, std::vector<std::string>{});
    EXPECT_EQ(r.import.steps, 2);
    EXPECT_EQ(r.import.data.ETp, (StepSeries{0, 366, 365}));
}

TEST(SeriesImportTest, ComputesTheEvaporationFromTheWeather) {
    // The weather of the worked daily example on its day, July 5 of a leap year, with the wind
    // already at 2 m; a crop factor of 0.5 on the second day.
    const std::string weather = "date,rain,tmin,tmax,rh_max,rh_min,wind_speed,sunshine_hours,crop_factor\n"
                                "2020-07-05,0,12.3,21.5,84,63,2.078,9.25,\n"
                                "2020-07-06,0,12.3,21.5,84,63,2.078,9.25,0.5\n";
    ImportSettings settings = Monthly("2020-07-05");
    settings.ts = 1;
    Imported r = Import({{"weather.csv", weather}}, settings);
    EXPECT_EQ(r.problems, (std::vector<std::string>{
                              "option --latitude: the evaporation from the weather needs the latitude",
                              "option --elevation: the Penman-Monteith evaporation needs the elevation"}));
    settings.latitude = 50.8;
    settings.elevation = 100;
    r = Import({{"weather.csv", weather}}, settings);
    ASSERT_EQ(r.problems, std::vector<std::string>{});
    EXPECT_EQ(r.import.method, EvaporationMethod::PenmanMonteith);
    EXPECT_EQ(r.import.data.ETp[1], 3.88);
    EXPECT_NEAR(r.import.data.ETp[2], 3.88 / 2, 0.01);

    // Temperatures alone: Hargreaves, the other weather named as not used.
    const std::string temperatures = "date,rain,tmin,tmax,wind_speed\n2020-07-05,0,12.3,21.5,3\n";
    r = Import({{"weather.csv", temperatures}}, settings);
    ASSERT_EQ(r.problems, std::vector<std::string>{});
    EXPECT_EQ(r.import.method, EvaporationMethod::Hargreaves);
    EXPECT_EQ(r.import.unused_weather, std::vector<std::string>{"wind_speed"});
    EXPECT_EQ(r.import.data.ETp[1], 4.06);

    // An rh_max column left empty: the pair cannot give the humidity on any day, so rh_mean alone
    // decides where the data end, however long rh_min runs.
    const std::string humidity = "date,rain,tmin,tmax,rh_max,rh_min,rh_mean,wind_speed,sunshine_hours\n"
                                 "2020-07-05,0,12.3,21.5,,63,73.5,2.078,9.25\n"
                                 "2020-07-06,0,12.3,21.5,,63,73.5,2.078,9.25\n"
                                 "2020-07-07,0,12.3,21.5,,63,,2.078,9.25\n";
    r = Import({{"weather.csv", humidity}}, settings);
    ASSERT_EQ(r.problems, std::vector<std::string>{});
    EXPECT_EQ(r.import.method, EvaporationMethod::PenmanMonteith);
    EXPECT_EQ(r.import.steps, 2);
}

TEST(SeriesImportTest, ListsEveryProblemWithItsPlace) {
    const std::string weather =
        "date,rain,evaporation,tmin,tmax\n"
        "2020-01-01,1,2,5,4\n"
        "2020-01-02,,2,,\n"
        "2020-01-05,1,2,,\n"
        "2020-01-06,-1,2,,\n";
    const std::string more = "date,rain,salinity_layer_2,rh_mean\n2020-01-05,3,,120\n2020-01-31,1,,\n";
    ImportSettings settings = Monthly("2020-01-02");
    settings.steps = 2;
    settings.wind_height = 0;
    const Imported r = Import({{"weather.csv", weather}, {"more.csv", more}}, settings);
    EXPECT_EQ(r.problems,
              (std::vector<std::string>{
                  "weather.csv, line 5, 2020-01-06, column rain: -1 is negative",
                  "more.csv, line 2, 2020-01-05, column rh_mean: 120 % lies outside 0 to 100",
                  "option --start: 2020-01-02 is not the first day of a month, as steps of calendar months need",
                  "option --wind-height: 0 lies outside 0.5 to 100 m",
                  "more.csv, line 2, 2020-01-05, column rain: a value for this date is given twice (also in "
                  "weather.csv, line 4)",
                  "weather.csv, line 2, 2020-01-01, column tmin: 5 is above tmax 4",
                  "more.csv, line 1, column salinity_layer_2: the base data set has a root zone of 1 layer",
                  "option --start: the data needed every day end on 2020-01-06, before the first step from 2020-01-02 is "
                  "complete",
              }));
}

TEST(SeriesImportTest, ListsGapsAsRunsOfDays) {
    const std::string weather = "date,rain,evaporation\n2020-01-01,1,2\n2020-01-02,,2\n2020-01-06,1,2\n2020-01-07,1,\n";
    ImportSettings days = Monthly("2020-01-01");
    days.ts = 1;
    Imported r = Import({{"weather.csv", weather}}, days);
    EXPECT_EQ(r.problems, (std::vector<std::string>{
                              "weather.csv, line 3, 2020-01-02 to 2020-01-05, column rain: no values on 4 days in a "
                              "row, but every day needs one",
                              "weather.csv, 2020-01-03 to 2020-01-05, column evaporation: no values on 3 days in a row, "
                              "but every day needs one",
                          }));
    EXPECT_EQ(r.import.steps, 6);  // the evaporation ends on January 6

    r = Import({{"w.csv", "date,irrigation\n2020-01-01,3\n"}}, days);
    EXPECT_EQ(r.problems, (std::vector<std::string>{
                              "column rain: no file has this column, which every day needs",
                              "column evaporation: no file has this column, nor tmin and tmax to compute the "
                              "evaporation from",
                          }));
}

}  // namespace
}  // namespace vantorel
