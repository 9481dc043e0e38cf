#pragma once
// A file of dated series (CSV as RFC 4180 has it, UTF-8 with or without a byte order mark, CR LF
// or LF): a header row whose first column is "date" and whose other columns are named as
// SeriesColumnInfos has them, then one row per day.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/CalendarDate.h"
#include "model/ImportProblems.h"
#include "model/SeriesColumns.h"

namespace vantorel {

struct SeriesFileRow {
    size_t line = 0;
    CalendarDay date;
    // Per column of the file: nothing for an empty cell, NaN for a cell that was refused.
    std::vector<std::optional<double>> values;
};

struct SeriesFile {
    std::string name;  // as given, for messages
    std::vector<SeriesQuantity> columns;
    std::vector<SeriesFileRow> rows;  // in file order, each date once
};

// Reads the text of a series file. Every problem found is added to the list, with the file, the
// line, the date and the column; a row whose date is refused is left out.
SeriesFile ParseSeriesFile(std::string_view text, const std::string& name, std::vector<ImportProblem>& problems);

// The same for a file on disk; a file that cannot be read is a problem too.
SeriesFile ReadSeriesFile(const std::string& path, std::vector<ImportProblem>& problems);

}  // namespace vantorel
