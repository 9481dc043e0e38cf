#include "model/DailyRecords.h"

#include "model/NumberText.h"

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
    CheckPairs(files, problems);
}

void DailyRecords::CheckPairs(const std::vector<SeriesFile>& files, std::vector<ImportProblem>& problems) const {
    using Q = SeriesQuantity;
    for (const auto& [low, high] : {std::pair{Q::Tmin, Q::Tmax}, std::pair{Q::RhMin, Q::RhMax}}) {
        for (const auto& [day, value] : Values(low)) {
            const std::optional<double> other = Value(high, day);
            if (!other || !(value.value > *other)) continue;
            problems.push_back({files[value.file].name, value.line, IsoDateText(day), InfoOf(low).name,
                                FormatSignificant(value.value, 15) + " is above " + InfoOf(high).name + " " +
                                    FormatSignificant(*other, 15)});
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
