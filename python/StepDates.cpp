#include "python/StepDates.h"

#include <pybind11/stl.h>


namespace py = pybind11;

namespace vantorel::python {

py::object WithStepDates(py::object table, const RunCalendar& calendar) {
    if (!calendar.start) return table;
    const int32_t steps = py::len(table);
    py::module_ pandas = py::module_::import("pandas");
    // A day beyond what pandas can hold (from 2262 on) becomes NaT.
    py::object dates = pandas.attr("to_datetime")(StepDateTexts(*calendar.start, calendar.ts, steps),
                                                  py::arg("errors") = "coerce");
    py::object dated = table.attr("reset_index")();
    dated.attr("index") = pandas.attr("DatetimeIndex")(dates, py::arg("name") = "date");
    return dated;
}

}  // namespace vantorel::python
