#include "model/CalendarDate.h"

#include <charconv>

namespace vantorel {

namespace {

using namespace std::chrono;

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Steps of this many months rather than days.
int64_t MonthsPerStep(int32_t ts) {
    return ts == 30 ? 1 : ts == 360 ? 12 : 0;
}

// The day the given number of calendar months later; a day the month lacks becomes its last day.
CalendarDay AddMonths(CalendarDay day, int64_t months) {
    const year_month_day date(day);
    const year_month shifted = date.year() / date.month() + std::chrono::months(months);
    const year_month_day_last last(shifted.year(), month_day_last(shifted.month()));
    return sys_days(date.day() <= last.day() ? shifted / date.day() : year_month_day(last));
}

std::string ZeroPadded(unsigned value, size_t width) {
    char buffer[12];
    std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

}  // namespace

std::optional<CalendarDay> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const std::optional<int> y = Digits(text.substr(0, 4)), m = Digits(text.substr(5, 2)), d = Digits(text.substr(8, 2));
    if (!y || !m || !d || *y < FirstYear) return std::nullopt;
    const year_month_day date{year(*y), month(static_cast<unsigned>(*m)), day(static_cast<unsigned>(*d))};
    if (!date.ok()) return std::nullopt;
    return sys_days(date);
}

std::string IsoDateText(CalendarDay day) {
    const year_month_day date(day);
    return ZeroPadded(static_cast<unsigned>(static_cast<int>(date.year())), 4) + "-" +
           ZeroPadded(static_cast<unsigned>(date.month()), 2) + "-" + ZeroPadded(static_cast<unsigned>(date.day()), 2);
}

bool IsFirstOfMonth(CalendarDay day) {
    return year_month_day(day).day() == std::chrono::day(1);
}

int DayOfYear(CalendarDay day) {
    const year_month_day date(day);
    return static_cast<int>((day - sys_days(date.year() / January / 1)).count()) + 1;
}

std::optional<CalendarDay> StepFirstDay(CalendarDay start, int32_t ts, int64_t step) {
    const int64_t years_from_start = LastYear - static_cast<int>(year_month_day(start).year());
    // A bound on the steps that can still fall within the years a date may have, so that nothing
    // below overflows the calendar.
    const int64_t step_days = MonthsPerStep(ts) ? 28 * MonthsPerStep(ts) : ts;
    if (step < 1 || ts < 1 || (step - 1) > (years_from_start + 1) * 366 / step_days) return std::nullopt;
    const CalendarDay first = MonthsPerStep(ts) ? AddMonths(start, (step - 1) * MonthsPerStep(ts))
                                                : start + days((step - 1) * ts);
    if (year_month_day(first).year() > year(LastYear)) return std::nullopt;
    return first;
}

std::vector<std::string> StepDateTexts(CalendarDay start, int32_t ts, int32_t steps) {
    std::vector<std::string> texts;
    for (int32_t step = 1; step <= steps; ++step) {
        const std::optional<CalendarDay> first = StepFirstDay(start, ts, step);
        texts.push_back(first ? IsoDateText(*first) : std::string());
    }
    return texts;
}

}  // namespace vantorel
