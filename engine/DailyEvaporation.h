#pragma once
// The reference evapotranspiration of the days of series files: which equation their weather
// columns allow, and the value of a day.

#include <optional>
#include <string>
#include <vector>

#include "engine/SeriesImport.h"
#include "model/DailyRecords.h"

namespace vantorel {

// Given where there is an evaporation column; else Penman-Monteith where the weather has wind,
// humidity and sunshine or radiation besides the temperatures, Hargreaves where it has the
// temperatures alone. Names the weather columns the method leaves unused.
EvaporationMethod ChooseMethod(const DailyRecords& records, std::vector<std::string>& unused);

// ET0 of the day (mm/day) by Penman-Monteith or Hargreaves, with the latitude, elevation and wind
// height of the settings; nothing when the day lacks a value the equation needs.
std::optional<double> DailyEt0(const DailyRecords& records, EvaporationMethod method, const ImportSettings& settings,
                               CalendarDay day);

}  // namespace vantorel
