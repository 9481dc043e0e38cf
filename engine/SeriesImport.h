#pragma once
// A data set from dated series: the days of one or more series files added up (fluxes) or
// averaged (readings) into the time steps that begin on a start date, the evaporation computed
// from the weather where it is not given, and everything that is not a series taken from a base
// data set. Every problem is collected; when there is any, nothing is imported.

#include <optional>
#include <string>
#include <vector>

#include "model/CalendarDate.h"
#include "model/ImportProblems.h"
#include "model/InputData.h"
#include "model/SeriesFile.h"

namespace vantorel {

struct ImportSettings {
    CalendarDay start;
    int32_t ts = 30;               // days per step: 30 calendar months, 360 twelve of them
    std::optional<int32_t> steps;  // fewer steps than the data cover
    std::optional<double> latitude;   // degrees, south negative
    std::optional<double> elevation;  // m above sea level
    double wind_height = 2;           // m above the ground
    double crop_factor = 1;           // for the days without a crop_factor value
};

// Problems with the settings themselves: a step length, a start that does not fit it, values
// out of range.
void CheckImportSettings(const ImportSettings& settings, std::vector<ImportProblem>& problems);

// The step lengths an import can take, by name: day, week, month, year.
std::optional<int32_t> StepLengthNamed(const std::string& name);

enum class EvaporationMethod { None, Given, PenmanMonteith, Hargreaves };

// One column as imported.
struct ImportedColumn {
    SeriesQuantity quantity;
    int64_t days = 0;    // days in the steps with a value
    int32_t steps = 0;   // steps with an amount above 0, or with a reading
    double total = 0;    // mm, for amounts
    int64_t unused = 0;  // values on days outside the steps
};

struct SeriesImport {
    std::vector<ImportProblem> problems;  // nothing was imported when there is any
    InputData data;                       // the base with every series imported

    // What was recognised.
    int32_t steps = 0;
    CalendarDay first_day, end_day;  // the steps cover first_day up to the day before end_day
    std::optional<CalendarDay> data_end;  // the last day of the rain and the evaporation
    EvaporationMethod method = EvaporationMethod::None;
    std::vector<std::string> unused_weather;  // weather columns the method does not take
    std::vector<ImportedColumn> columns;     // those the files have, in the order of the known columns
    double evaporation_total = 0;           // mm, the evaporation the steps received
};

// The series checked and aggregated onto the base (whose file name the result keeps).
SeriesImport ImportSeries(const InputData& base, const std::vector<SeriesFile>& files, const ImportSettings& settings);

}  // namespace vantorel
