// Dated series from Python: a data set imported from series files or DataFrames, the reference
// evapotranspiration of weather, and the start date of a data set.

#include <pybind11/stl.h>

#include <limits>

#include "engine/DailyEvaporation.h"
#include "engine/SeriesImport.h"
#include "python/Bindings.h"
#include "python/DataSet.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

// A date, a datetime.date or a pandas Timestamp, as YYYY-MM-DD.
std::optional<CalendarDay> DateOf(const py::object& value) {
    const std::string text = py::hasattr(value, "strftime") ? std::string(py::str(value.attr("strftime")("%Y-%m-%d")))
                                                            : std::string(py::str(value));
    return ParseIsoDate(text);
}

py::object DateObject(CalendarDay day) {
    const std::chrono::year_month_day date(day);
    return py::module_::import("datetime").attr("date")(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                                                        static_cast<unsigned>(date.day()));
}

// A path is read as the runner reads it; a DataFrame (a "date" column or a DatetimeIndex) is
// written as CSV text and read the same way, named by its place among the sources.
SeriesFile SourceFile(const py::handle& source, size_t place, std::vector<ImportProblem>& problems) {
    const bool path = py::isinstance<py::str>(source) || py::isinstance<py::bytes>(source) ||
                      py::hasattr(source, "__fspath__");
    if (path) return ReadSeriesFile(PathText(source), problems);
    if (!py::hasattr(source, "to_csv")) {
        throw py::type_error("a source is a path or a pandas DataFrame, not " + std::string(py::str(source.get_type())));
    }
    py::object frame = py::reinterpret_borrow<py::object>(source);
    const std::string name = "DataFrame " + std::to_string(place);
    if (!py::cast<bool>(frame.attr("columns").attr("__contains__")("date"))) {
        py::object index = frame.attr("index");
        const bool dated = py::isinstance(index, py::module_::import("pandas").attr("DatetimeIndex")) ||
                           py::str(index.attr("name")).equal(py::str("date"));
        if (!dated) throw py::value_error(name + " has neither a 'date' column nor a DatetimeIndex");
        frame = frame.attr("rename_axis")("date").attr("reset_index")();
    }
    const std::string text = py::str(frame.attr("to_csv")(py::arg("index") = false, py::arg("date_format") = "%Y-%m-%d"));
    return ParseSeriesFile(text, name, problems);
}

std::vector<SeriesFile> SourceFiles(const py::args& sources, std::vector<ImportProblem>& problems) {
    std::vector<SeriesFile> files;
    for (size_t i = 0; i < sources.size(); ++i) files.push_back(SourceFile(sources[i], i + 1, problems));
    return files;
}

void RaiseProblems(const std::string& heading, const std::vector<ImportProblem>& problems) {
    if (problems.empty()) return;
    std::string text = ProblemsText(problems);
    text.pop_back();
    throw py::value_error(heading + "\n" + text);
}

std::optional<double> OptionalNumber(const py::object& value) {
    if (value.is_none()) return std::nullopt;
    return py::cast<double>(value);
}

DataSet ImportSeriesOnto(const py::object& base_or_path, const py::args& sources, const py::object& start,
                         const py::object& step, const py::object& steps, const py::object& latitude,
                         const py::object& elevation, double wind_height, double crop_factor) {
    const DataSet base = py::isinstance<DataSet>(base_or_path) ? base_or_path.cast<const DataSet&>()
                                                               : LoadDataSet(base_or_path);
    ImportSettings settings;
    const std::optional<CalendarDay> first = DateOf(start);
    if (!first) throw py::value_error("start takes a date written YYYY-MM-DD, not '" + std::string(py::str(start)) + "'");
    settings.start = *first;
    settings.ts = base.Data().Ts;
    if (!step.is_none()) {
        const std::optional<int32_t> ts = StepLengthNamed(py::cast<std::string>(step));
        if (!ts) throw py::value_error("step takes day, week, month or year, not '" + std::string(py::str(step)) + "'");
        settings.ts = *ts;
    }
    if (!steps.is_none()) {
        const int64_t count = py::cast<int64_t>(steps);
        if (count < 1 || count > std::numeric_limits<int32_t>::max()) throw py::value_error("steps must be at least 1");
        settings.steps = static_cast<int32_t>(count);
    }
    settings.latitude = OptionalNumber(latitude);
    settings.elevation = OptionalNumber(elevation);
    settings.wind_height = wind_height;
    settings.crop_factor = crop_factor;

    std::vector<ImportProblem> problems;
    const std::vector<SeriesFile> files = SourceFiles(sources, problems);
    SeriesImport import = ImportSeries(base.Data(), files, settings);
    problems.insert(problems.end(), import.problems.begin(), import.problems.end());
    RaiseProblems("the series were not imported:", problems);
    // Not saved yet: a run writes into the temporary folder, not beside the base.
    import.data.FileName.clear();
    return DataSet(std::move(import.data));
}

py::object ReferenceEt0(const py::object& weather, double latitude, const py::object& elevation, double wind_height) {
    std::vector<ImportProblem> problems;
    const std::vector<SeriesFile> files = SourceFiles(py::make_tuple(weather), problems);
    ImportSettings settings;
    settings.ts = 1;
    settings.latitude = latitude;
    settings.elevation = OptionalNumber(elevation);
    settings.wind_height = wind_height;
    CheckImportSettings(settings, problems);
    const DailyRecords records(files, problems);
    std::vector<std::string> unused;
    const EvaporationMethod method = ChooseMethod(records, unused);
    if (method != EvaporationMethod::PenmanMonteith && method != EvaporationMethod::Hargreaves) {
        problems.push_back({files.front().name, 0, "", "", "ET0 needs the columns tmin and tmax, and no evaporation column"});
    }
    if (method == EvaporationMethod::PenmanMonteith && !settings.elevation) {
        problems.push_back({"", 0, "", "--elevation", "the Penman-Monteith evaporation needs the elevation"});
    }
    RaiseProblems("ET0 was not computed:", problems);
    py::list dates, values;
    for (const SeriesFileRow& row : files.front().rows) {
        const std::optional<double> et0 = DailyEt0(records, method, settings, row.date);
        dates.append(IsoDateText(row.date));
        values.append(et0 ? std::max(*et0, 0.0) : std::numeric_limits<double>::quiet_NaN());
    }
    py::module_ pandas = py::module_::import("pandas");
    py::object index = pandas.attr("DatetimeIndex")(pandas.attr("to_datetime")(dates, py::arg("errors") = "coerce"),
                                                    py::arg("name") = "date");
    return pandas.attr("Series")(values, py::arg("index") = index, py::arg("name") = "et0", py::arg("dtype") = "float64");
}

}  // namespace

void BindSeriesImport(py::module_& m) {
    auto data_set = py::reinterpret_borrow<py::class_<DataSet>>(m.attr("DataSet"));
    data_set.def_property(
        "start",
        [](const DataSet& set) { return set.Data().StartDate ? DateObject(*set.Data().StartDate) : py::none(); },
        [](DataSet& set, const py::object& value) {
            if (value.is_none()) {
                set.Data().StartDate.reset();
                return;
            }
            const std::optional<CalendarDay> day = DateOf(value);
            if (!day) throw py::value_error("start takes a date written YYYY-MM-DD, not '" + std::string(py::str(value)) + "'");
            set.Data().StartDate = day;
        },
        "The first day of time step 1 (a datetime.date), or None; the input file keeps it. Results\n"
        "of a data set with a start date are indexed by the first days of the steps.");

    m.def("import_series", &ImportSeriesOnto, py::arg("base"), py::arg("start"),
          py::arg("step") = py::none(), py::arg("steps") = py::none(), py::arg("latitude") = py::none(),
          py::arg("elevation") = py::none(), py::arg("wind_height") = 2.0, py::arg("crop_factor") = 1.0,
          R"(A DataSet from dated series, as vantorel-run --import makes it.

base: a DataSet or an input file, which gives everything that is not a series (soils, drains,
layers, initial conditions). The positional arguments after it, the sources: series files (CSV: a header row whose first column is
"date", YYYY-MM-DD, and whose other columns are rain, irrigation, evaporation, surface_drainage,
drain_discharge, water_table_depth, salinity_layer_1 .. salinity_layer_3,
salinity_transition_zone, salinity_aquifer, tmin, tmax, rh_min, rh_max, rh_mean, wind_speed,
sunshine_hours, solar_radiation, crop_factor) or pandas DataFrames with those columns and a
"date" column or a DatetimeIndex (NaN: an empty cell). start: the first day of step 1 (a text
YYYY-MM-DD or a date); step: "day", "week", "month" or "year" (default: the base's step
length); steps: fewer steps than the data cover; latitude (degrees, south negative) and
elevation (m) for the evaporation from the weather; wind_height (m) of the wind measurements;
crop_factor for the days without a crop_factor value.

Amounts are added up per step, readings averaged. The data set has no file name until it is
saved. Every problem raises one ValueError listing all of them with file, line, date and
column, in the runner's words.)");

    m.def("et0", &ReferenceEt0, py::arg("weather"), py::arg("latitude"), py::arg("elevation") = py::none(),
          py::arg("wind_height") = 2.0,
          R"(The daily reference evapotranspiration ET0 (mm/day) of weather, as the import computes it.

weather: a pandas DataFrame (a "date" column or a DatetimeIndex) or a series file with tmin and
tmax and, for FAO-56 Penman-Monteith, wind_speed, rh_max and rh_min or rh_mean, and
sunshine_hours or solar_radiation; with the temperatures alone, Hargreaves. latitude in degrees
(south negative); elevation in m (Penman-Monteith); wind_height in m. Returns a pandas Series
named et0 indexed by date; NaN on a day without the values the equation needs; a negative ET0
(dew) is 0, as the import takes it. Refused values raise ValueError.)");
}

}  // namespace vantorel::python
