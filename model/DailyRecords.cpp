#include "model/DailyRecords.h"

namespace vantorel {

DailyRecords::DailyRecords(const std::vector<SeriesFile>& files, std::vector<ImportProblem>& problems) {
    for (size_t f = 0; f < files.size(); ++f) {
        const SeriesFile& file = files[f];
        for (const SeriesQuantity q : file.columns) {
            if (!columns_[Index(q)]) first_file_[Index(q)] = f;
            columns_[Index(q)] = true;
        }
        for (const SeriesFileRow& row : file.rows) {
            for (size_t c = 0; c < file.columns.size(); ++c) {
                const size_t q = Index(file.columns[c]);
                if (!row.values[c]) {
                    empty_[q].emplace(row.date, DailyValue{0, f, row.line});
                    continue;
                }
                const auto [given, first] = values_[q].emplace(row.date, DailyValue{*row.values[c], f, row.line});
                if (!first) {
                    problems.push_back({file.name, row.line, IsoDateText(row.date), InfoOf(file.columns[c]).name,
                                        "a value for this date is given twice (also in " + files[given->second.file].name +
                                            ", line " + std::to_string(given->second.line) + ")"});
                }
            }
        }
    }
}

std::optional<double> DailyRecords::Value(SeriesQuantity q, CalendarDay day) const {
    const auto found = values_[Index(q)].find(day);
    if (found == values_[Index(q)].end()) return std::nullopt;
    return found->second.value;
}

std::optional<DailyValue> DailyRecords::EmptyCell(SeriesQuantity q, CalendarDay day) const {
    const auto found = empty_[Index(q)].find(day);
    if (found == empty_[Index(q)].end()) return std::nullopt;
    return found->second;
}

std::optional<CalendarDay> DailyRecords::LastDay(SeriesQuantity q) const {
    if (values_[Index(q)].empty()) return std::nullopt;
    return values_[Index(q)].rbegin()->first;
}

}  // namespace vantorel
