#include "python/RunTable.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>

#include "engine/CalibrationTables.h"
#include "engine/FitStatistics.h"
#include "model/CalendarDate.h"
#include "model/FileNames.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

// A series of steps 1..steps; a step the series does not reach, or whose value counts as not
// measured, is NaN.
template <typename Measured>
py::array_t<double> Column(const StepSeries& series, int32_t steps, Measured measured) {
    py::array_t<double> column(steps);
    double* values = column.mutable_data();
    for (int32_t i = 1; i <= steps; ++i) {
        const bool there = static_cast<size_t>(i) < series.size() && measured(series[i]);
        values[i - 1] = there ? series[i] : std::nan("");
    }
    return column;
}

py::array_t<double> Column(const StepSeries& series, int32_t steps) {
    return Column(series, steps, [](double) { return true; });
}

// As the engine counts a measurement: a depth or discharge above the marker, a salinity above 0.
bool DepthOrDischargeMeasured(double value) { return value > MissingDepthOrDischarge; }
bool SalinityMeasured(double value) { return value > 0; }

// The table indexed by the steps' first days, the step becoming a column. A day beyond what pandas
// can hold (from 2262 on) becomes NaT.
py::object WithStepDates(const py::object& table, CalendarDay start, int32_t ts) {
    py::module_ pandas = py::module_::import("pandas");
    py::object dates = pandas.attr("to_datetime")(StepDateTexts(start, ts, static_cast<int32_t>(py::len(table))),
                                                  py::arg("errors") = "coerce");
    py::object dated = table.attr("reset_index")();
    dated.attr("index") = pandas.attr("DatetimeIndex")(dates, py::arg("name") = "date");
    return dated;
}

}  // namespace

OutputFileResults ReadBackOutput(const std::string& path) {
    SilentDialogs dialogs;
    OutputFileResults read = ReadOutputFile(ReplaceExtension(path, ".out"), dialogs);
    if (read.Invalid) throw FileError(dialogs.last_message);
    return read;
}

py::object RunTable(const OutputFileResults& read, const InputData* given) {
    const int32_t n = read.NrTimeSteps;
    const auto result = [&](const OutputQuantity& quantity) { return Column(read.Series(quantity), n); };
    const auto measured = [&](StepSeries InputData::*series, auto rule) {
        return Column(given->*series, n, rule);
    };
    py::dict columns;
    if (given) {
        columns["rainfall"] = Column(given->Rain, n);
        columns["irrigation"] = Column(given->Irrig, n);
        columns["potential_evapotranspiration"] = Column(given->ETp, n);
    }
    columns["percolation"] = result(Percolation);
    columns["capillary_rise"] = result(CapillaryRise);
    columns["evapotranspiration"] = result(ActualEvapotranspiration);
    columns["drain_discharge"] = result(DrainDischarge);
    if (given) columns["drain_discharge_measured"] = measured(&InputData::DrainMeas, DepthOrDischargeMeasured);
    columns["water_table_depth"] = result(WaterTableDepth);
    if (given) columns["water_table_depth_measured"] = measured(&InputData::DwtMeas, DepthOrDischargeMeasured);
    for (int zone = 0; zone < ZoneCount; ++zone) {
        if ((zone == Layer2 && read.NrLayers < 2) || (zone == Layer3 && read.NrLayers < 3)) continue;
        const std::string name = std::string("salinity_") + ZoneNames[zone];
        columns[py::str(name)] = result(ZoneSalinities[zone]);
        if (given) columns[py::str(name + "_measured")] = measured(ZoneSalinities[zone].measured, SalinityMeasured);
    }
    if (read.StorageColumn) columns["storage"] = result(StorageChange);
    if (given) columns["surface_drainage_given"] = Column(given->Sdr, n);
    columns["surface_drainage"] = result(SurfaceDrainage);
    columns["ponding"] = result(PondedWater);
    py::module_ pandas = py::module_::import("pandas");
    py::object index = pandas.attr("RangeIndex")(1, n + 1, py::arg("name") = "step");
    py::object table = pandas.attr("DataFrame")(columns, py::arg("index") = index);
    return given && given->StartDate ? WithStepDates(table, *given->StartDate, given->Ts) : table;
}

py::object StatisticsTable(const ModelState& completed_run) {
    py::object table = CsvTable(FitStatisticsCsvLines(RunFitStatistics(completed_run)));
    // The runner's files name the depth's series after its graph; a table names it after its column.
    py::list names;
    for (const py::handle series : table.attr("series")) {
        std::string name = series.cast<std::string>();
        std::replace(name.begin(), name.end(), '-', '_');
        names.append(name == "water_table" ? "water_table_depth" : name);
    }
    table.attr("__setitem__")("series", names);
    return table.attr("set_index")("series");
}

}  // namespace vantorel::python
