#include "model/SeriesFile.h"

#include <cmath>
#include <limits>
#include <map>

#include "model/CsvFile.h"
#include "model/NumberText.h"
#include "model/PlainNumber.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Keeps the number, or says what is wrong with it. NaN marks a refused cell.
double CellValue(std::string_view cell, const SeriesColumnInfo& info, ImportProblem& problem) {
    const std::optional<double> value = PlainNumber(cell);
    if (!value) {
        problem.text = "'" + std::string(cell) + "' is not a number (numbers are written with a decimal point)";
    } else if (*value < info.lowest && info.lowest == 0) {
        problem.text = FormatSignificant(*value, 15) + " is negative";
    } else if (*value < info.lowest && info.highest == std::numeric_limits<double>::max()) {
        problem.text = FormatSignificant(*value, 15) + " " + info.unit + " is below " + FormatSignificant(info.lowest, 15);
    } else if (*value < info.lowest || *value > info.highest) {
        problem.text = FormatSignificant(*value, 15) + " " + info.unit + " lies outside " +
                       FormatSignificant(info.lowest, 15) + " to " + FormatSignificant(info.highest, 15);
    } else {
        return *value;
    }
    return std::nan("");
}

bool ReadHeader(const CsvRecord& header, SeriesFile& file, std::vector<ImportProblem>& problems) {
    const size_t before = problems.size();
    const auto problem = [&](const std::string& column, const std::string& text) {
        problems.push_back({file.name, header.line, "", column, text});
    };
    if (std::string(TrimBlanks(header.fields.front())) != "date") {
        problem("", "the first column must be 'date', not '" + header.fields.front() + "'");
    }
    for (size_t c = 1; c < header.fields.size(); ++c) {
        const std::string name(TrimBlanks(header.fields[c]));
        const std::optional<SeriesQuantity> quantity = QuantityNamed(name);
        if (!quantity) {
            problem(name.empty() ? std::to_string(c + 1) : name,
                    "unknown column; the known columns are date, " + KnownColumnNames());
            continue;
        }
        for (const SeriesQuantity seen : file.columns) {
            if (seen == *quantity) problem(name, "the column is given twice");
        }
        file.columns.push_back(*quantity);
    }
    return problems.size() == before;
}

}  // namespace

SeriesFile ParseSeriesFile(std::string_view text, const std::string& name, std::vector<ImportProblem>& problems) {
    SeriesFile file;
    file.name = name;
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) text.remove_prefix(ByteOrderMark.size());
    std::vector<CsvRecord> records;
    try {
        records = ParseCsv(text, name);
    } catch (const FileError& error) {
        problems.push_back({"", 0, "", "", error.what()});
        return file;
    }
    // Blank lines carry nothing.
    std::erase_if(records, [](const CsvRecord& r) { return r.fields.size() == 1 && TrimBlanks(r.fields[0]).empty(); });
    if (records.empty()) {
        problems.push_back({name, 0, "", "", "the file is empty; it needs a header row starting with 'date'"});
        return file;
    }
    if (!ReadHeader(records.front(), file, problems)) return file;

    std::map<CalendarDay, size_t> lines_of_dates;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string date_text(TrimBlanks(record.fields.front()));
        if (record.fields.size() != file.columns.size() + 1) {
            problems.push_back({name, record.line, date_text, "",
                                std::to_string(record.fields.size()) + " fields where the header has " +
                                    std::to_string(file.columns.size() + 1)});
            continue;
        }
        const std::optional<CalendarDay> date = ParseIsoDate(date_text);
        if (!date) {
            problems.push_back({name, record.line, "", "date", "'" + date_text + "' is not a date written YYYY-MM-DD"});
            continue;
        }
        const auto [seen, first] = lines_of_dates.emplace(*date, record.line);
        if (!first) {
            problems.push_back({name, record.line, date_text, "",
                                "the date is given twice (also on line " + std::to_string(seen->second) + ")"});
            continue;
        }
        SeriesFileRow row{record.line, *date, {}};
        for (size_t c = 0; c < file.columns.size(); ++c) {
            const std::string_view cell = TrimBlanks(record.fields[c + 1]);
            if (cell.empty()) {
                row.values.emplace_back();
                continue;
            }
            const SeriesColumnInfo& info = InfoOf(file.columns[c]);
            ImportProblem problem{name, record.line, date_text, info.name, ""};
            row.values.emplace_back(CellValue(cell, info, problem));
            if (!problem.text.empty()) problems.push_back(std::move(problem));
        }
        file.rows.push_back(std::move(row));
    }
    return file;
}

SeriesFile ReadSeriesFile(const std::string& path, std::vector<ImportProblem>& problems) {
    std::string text;
    try {
        text = ReadFileBytes(path);
    } catch (const FileError& error) {
        problems.push_back({"", 0, "", "", error.what()});
        SeriesFile file;
        file.name = path;
        return file;
    }
    return ParseSeriesFile(text, path, problems);
}

}  // namespace vantorel
