#pragma once
// The short report of an import: the period and steps, how the evaporation was found, and per
// column the days, steps and total or readings it gave.

#include <string>
#include <vector>

#include "engine/SeriesImport.h"

namespace vantorel {

// The lines of a successful import; the files are named as given.
std::vector<std::string> ImportReportLines(const SeriesImport& import, const std::vector<SeriesFile>& files,
                                           const ImportSettings& settings);

}  // namespace vantorel
