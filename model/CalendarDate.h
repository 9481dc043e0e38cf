#pragma once
// Calendar days as the program reads and writes them (ISO 8601, YYYY-MM-DD, Gregorian calendar),
// and the first day of each time step of a data set that has a start date.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

using CalendarDay = std::chrono::sys_days;

// The years a date may have: four digits.
inline constexpr int FirstYear = 1;
inline constexpr int LastYear = 9999;

// A date written YYYY-MM-DD whose day exists; nothing for any other text.
std::optional<CalendarDay> ParseIsoDate(std::string_view text);

// YYYY-MM-DD.
std::string IsoDateText(CalendarDay day);

bool IsFirstOfMonth(CalendarDay day);

// Day of the year, 1 on January 1.
int DayOfYear(CalendarDay day);

// The first day of time step `step` (from 1) of a data set starting on `start`: a step of 30 days
// is a calendar month, one of 360 days twelve, any other length that many days. Nothing for a
// day after the last year a date may have.
std::optional<CalendarDay> StepFirstDay(CalendarDay start, int32_t ts, int64_t step);

// The first days of steps 1..steps as YYYY-MM-DD, empty for a day StepFirstDay does not give.
std::vector<std::string> StepDateTexts(CalendarDay start, int32_t ts, int32_t steps);

}  // namespace vantorel
