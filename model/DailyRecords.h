#pragma once
// The days of several series files joined by date: per column, the value of each day that has
// one, with the file and line it came from.

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "model/SeriesFile.h"

namespace vantorel {

struct DailyValue {
    double value = 0;
    size_t file = 0;  // index of the file in the list given
    size_t line = 0;
};

class DailyRecords {
public:
    // Joins the files; a day given a value for one column twice (in two files) is a problem, and so
    // is a day whose tmin lies above its tmax or whose rh_min above its rh_max. Days with an
    // empty cell are kept apart, so that a gap can name the line that left it.
    DailyRecords(const std::vector<SeriesFile>& files, std::vector<ImportProblem>& problems);

    bool HasColumn(SeriesQuantity q) const { return columns_[Index(q)]; }
    const std::map<CalendarDay, DailyValue>& Values(SeriesQuantity q) const { return values_[Index(q)]; }
    std::optional<double> Value(SeriesQuantity q, CalendarDay day) const;
    // Where the day was left empty in a file with this column, if it was.
    std::optional<DailyValue> EmptyCell(SeriesQuantity q, CalendarDay day) const;
    // The first file with this column, for a problem that concerns no one line.
    size_t FirstFileWith(SeriesQuantity q) const { return first_file_[Index(q)]; }
    // The last day the column has a value; nothing when it has none.
    std::optional<CalendarDay> LastDay(SeriesQuantity q) const;

private:
    void CheckPairs(const std::vector<SeriesFile>& files, std::vector<ImportProblem>& problems) const;
    static size_t Index(SeriesQuantity q) { return static_cast<size_t>(q); }
    std::array<bool, SeriesQuantityCount> columns_{};
    std::array<size_t, SeriesQuantityCount> first_file_{};
    std::array<std::map<CalendarDay, DailyValue>, SeriesQuantityCount> values_;
    std::array<std::map<CalendarDay, DailyValue>, SeriesQuantityCount> empty_;
};

}  // namespace vantorel
