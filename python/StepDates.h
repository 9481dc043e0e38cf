#pragma once
// Dates on the tables of results: where a data set has a start date, a table indexed by step gets
// a DatetimeIndex of the steps' first days, the step becoming a column.

#include <pybind11/pybind11.h>

#include <optional>

#include "model/CalendarDate.h"

namespace vantorel::python {

struct RunCalendar {
    std::optional<CalendarDay> start;
    int32_t ts = 0;
};

// The table as it is without a start date, else indexed by date with a column "step".
pybind11::object WithStepDates(pybind11::object table, const RunCalendar& calendar);


}  // namespace vantorel::python
