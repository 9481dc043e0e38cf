#pragma once
// The start date of a data set in its input file: one line after the last salinity row, which
// readers of the layout without it never reach. A file without the line has no start date.

#include <optional>
#include <string>

#include "model/CalendarDate.h"
#include "model/TextFile.h"

namespace vantorel {

std::string StartDateLine(CalendarDay start);

// Looks through the lines left for the start date line. Throws FileError naming the line when
// its date cannot be read.
std::optional<CalendarDay> ReadStartDateLine(FieldReader& reader);

}  // namespace vantorel
