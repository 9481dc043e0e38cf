#pragma once
// The Output page's three tables as CSV files that a spreadsheet or a script opens directly.

#include <optional>
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "model/ResultTables.h"

namespace vantorel {

// The lines of a table's CSV file: the column titles, then one line per time step with the
// numbers as the table shows them; a salinity not measured is an empty field. Given the dates of
// the steps, a first column "date" holds them.
std::vector<std::string> CsvLines(const ResultTable& table, const std::vector<std::string>& dates);

// Writes salinity.csv, hydrology.csv and surface.csv (CR LF line ends) into the folder, which is
// created when missing, with the dates of the steps where the data set has a start date, each
// through a temporary file. Returns the error of the first file that could not be written, or
// nothing when all three were.
std::optional<std::string> ExportTables(const ModelState& state, const std::string& folder);

}  // namespace vantorel
