// One calculation from Python: the data set or input file runs as the batch runner runs it, and
// the output file is read back into a table.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "engine/CalibrationTables.h"
#include "engine/FileRun.h"
#include "engine/FitStatistics.h"
#include "model/FileNames.h"
#include "model/OutputFileReader.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"
#include "python/DataSet.h"
#include "python/StepDates.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

struct RunResult {
    bool completed = false;
    std::string status;
    py::object stopped_message = py::none();
    py::list dialog;
    py::object output = py::none();
    py::object table = py::none();  // read back on first use
    py::dict factors;
    py::object leaching = py::none();
    py::object statistics = py::none();
    RunCalendar calendar;
};

// A data set never saved runs into an output file of its own in the temporary folder.
std::string TemporaryOutputPath() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-XXXXXX.out").string();
    const int descriptor = mkstemps(pattern.data(), 4);
    if (descriptor < 0) throw FileError("No temporary output file could be made in " + pattern);
    close(descriptor);
    return pattern;
}

py::array_t<double> Steps(const StepSeries& series, int32_t steps) {
    return py::array_t<double>(static_cast<py::ssize_t>(steps), series.data() + 1);
}

// The output file's rows as read back, one column per printed quantity.
py::object OutputTable(const std::string& path) {
    SilentDialogs dialogs;
    const OutputFileResults read = ReadOutputFile(ReplaceExtension(path, ".out"), dialogs);
    if (read.Invalid) throw FileError(dialogs.last_message);
    const int32_t n = read.NrTimeSteps;
    const auto steps = [&](const OutputQuantity& quantity) { return Steps(read.Series(quantity), n); };
    py::dict columns;
    columns["percolation"] = steps(Percolation);
    columns["capillary_rise"] = steps(CapillaryRise);
    columns["evapotranspiration"] = steps(ActualEvapotranspiration);
    columns["drain_discharge"] = steps(DrainDischarge);
    columns["depth"] = steps(WaterTableDepth);
    columns["salinity_layer_1"] = steps(ZoneSalinities[Layer1]);
    if (read.NrLayers >= 2) columns["salinity_layer_2"] = steps(ZoneSalinities[Layer2]);
    if (read.NrLayers == 3) columns["salinity_layer_3"] = steps(ZoneSalinities[Layer3]);
    columns["salinity_transition_zone"] = steps(ZoneSalinities[TransitionZone]);
    columns["salinity_aquifer"] = steps(ZoneSalinities[Aquifer]);
    if (read.StorageColumn) columns["storage"] = steps(StorageChange);
    columns["surface_drainage"] = steps(SurfaceDrainage);
    columns["ponding"] = steps(PondedWater);
    py::module_ pandas = py::module_::import("pandas");
    py::object index = pandas.attr("RangeIndex")(1, n + 1, py::arg("name") = "step");
    return pandas.attr("DataFrame")(columns, py::arg("index") = index);
}

py::dict Factors(const ModelState& state) {
    const RunValues& r = state.Run;
    py::dict factors;
    if (!state.Input.DrainPresent) {
        factors["QH1"] = py::none();
        factors["QH2"] = py::none();
        factors["chosen"] = "no drainage system";
        factors["fit"] = py::none();
        return factors;
    }
    factors["QH1"] = r.QH1Used;
    factors["QH2"] = r.QH2Used;
    factors["chosen"] = r.QHOptBalance ? "water balance" : r.QHOptDwt ? "water table" : r.QHOptDrain ? "drain discharge" : "given";
    factors["fit"] = r.QHOptDwt ? py::object(py::float_(r.FitDwt)) : r.QHOptDrain ? py::object(py::float_(r.FitDrain)) : py::none();
    return factors;
}

py::object Leaching(const ModelState& state) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    const double fits[ZoneCount] = {r.SaltFit1, r.SaltFit2, r.SaltFit3, r.SaltFitT, r.SaltFitA};
    const char* const names[ZoneCount] = {d.Is1Layer ? "root zone" : "layer 1", "layer 2", "layer 3", "transition zone",
                                          "aquifer"};
    const bool exists[ZoneCount] = {true, !d.Is1Layer, d.Is3Layer, true, true};
    py::list zones, efficiency, optimized, fit;
    for (int zone = 0; zone < ZoneCount; ++zone) {
        if (!exists[zone]) continue;
        zones.append(names[zone]);
        efficiency.append(r.LEUsed[zone]);
        optimized.append(r.LEOptimized[zone]);
        fit.append(r.SaltFitNA[zone] ? py::object(py::float_(std::nan(""))) : py::object(py::float_(fits[zone])));
    }
    py::dict columns;
    columns["efficiency"] = efficiency;
    columns["optimized"] = optimized;
    columns["fit"] = fit;
    py::module_ pandas = py::module_::import("pandas");
    return pandas.attr("DataFrame")(columns, py::arg("index") = pandas.attr("Index")(zones, py::arg("name") = "zone"));
}

// The output file's name must end in ".out": the reader reads the file of that name.
std::string CheckedOutputPath(const std::string& path) {
    if (ReplaceExtension(path, ".out") != path) throw py::value_error("the output file name must end in .out: " + path);
    return path;
}

RunResult RunAny(const py::object& item, const RunAnswers& answers, const py::object& output) {
    FileRunOptions options;
    options.answers = answers;
    options.output = output.is_none() ? std::string() : CheckedOutputPath(PathText(output));
    ModelState state;
    FileRunResult run;
    bool temporary = false;
    if (py::isinstance<DataSet>(item)) {
        state.Input = item.cast<const DataSet&>().Data();
        if (options.output.empty()) {
            temporary = state.Input.FileName.empty();
            options.output = temporary ? TemporaryOutputPath() : ReplaceExtension(state.Input.FileName, ".out");
        }
        py::gil_scoped_release released;
        run = RunDataSet(state, options);
    } else {
        const std::string input = PathText(item);
        py::gil_scoped_release released;
        run = RunInputFile(state, input, options);
    }
    if (run.status == RunStatus::Unreadable) throw FileError(run.message);
    if (temporary && run.status != RunStatus::Completed) std::filesystem::remove(options.output);

    RunResult result;
    result.completed = run.status == RunStatus::Completed;
    result.status = RunStatusName(run.status);
    for (const std::string& line : run.dialog) result.dialog.append(line);
    if (!result.completed) {
        result.stopped_message = py::str(run.message);
        return result;
    }
    result.output = py::str(run.output);
    result.calendar = {state.Input.StartDate, state.Input.Ts};
    result.factors = Factors(state);
    result.leaching = Leaching(state);
    result.statistics = CsvTable(FitStatisticsCsvLines(RunFitStatistics(state)));
    return result;
}

}  // namespace

void BindRun(py::module_& m) {
    py::class_<RunResult>(m, "Run", "The result of vantorel.run: one calculation and its output file read back.")
        .def_readonly("completed", &RunResult::completed, "Whether the run completed and wrote its output file.")
        .def_readonly("status", &RunResult::status,
                      "How the run ended: 'completed', 'stopped' (by the calculation) or 'refused' (by its checks).")
        .def_readonly("stopped_message", &RunResult::stopped_message,
                      "The message that stopped or refused the run; None for a completed run.")
        .def_readonly("dialog", &RunResult::dialog,
                      "The questions with their answers and the messages, in order, as the batch runner prints\n"
                      "them: '? TEXT -> yes', '? TEXT -> no', '! TEXT'.")
        .def_readonly("output", &RunResult::output, "Path of the output file written; None when the run did not complete.")
        .def_property_readonly(
            "table",
            [](RunResult& r) {
                if (r.completed && r.table.is_none()) r.table = WithStepDates(OutputTable(PathText(r.output)), r.calendar);
                return r.table;
            },
            "The output file's rows as read back (on first use), a pandas DataFrame indexed by step\n"
            "(1..NrTimeSteps): percolation, capillary_rise, evapotranspiration, drain_discharge (mm per\n"
            "step), depth (water-table depth at the start of the step, m), salinity_layer_1 ..\n"
            "salinity_layer_3 (those of the layer count), salinity_transition_zone, salinity_aquifer\n"
            "(dS/m), storage (when the file has it), surface_drainage and ponding (mm). None when the run\n"
            "did not complete; a file the program's reader refuses raises vantorel.FileError. Where the data\n"
            "set has a start date, the index is the first day of each step (a DatetimeIndex named date)\n"
            "and step is a column.")
        .def_readonly("factors", &RunResult::factors,
                      "The drainage factors the run used: a dict with QH1, QH2, chosen ('given', 'water balance',\n"
                      "'water table', 'drain discharge' or 'no drainage system') and fit (the fraction of the\n"
                      "water-table or discharge fit, else None).")
        .def_readonly("leaching", &RunResult::leaching,
                      "Per zone (index 'root zone' or 'layer 1' .. 'layer 3', 'transition zone', 'aquifer'): the\n"
                      "leaching efficiency used (a fraction), whether it was optimized, and the fit of the\n"
                      "calculated to the measured salinities (a fraction; NaN when not available).")
        .def_readonly("statistics", &RunResult::statistics,
                      "The goodness of fit of every observed series of the run, as vantorel-run --statistics\n"
                      "writes it: one row per series (water-table, drain-discharge, salinity-layer-1, ...)\n"
                      "with n, the means, rmse, mae, pbias_percent, nse, kge and r_squared; NaN where a\n"
                      "statistic is undefined. None when the run did not complete.")
        .def("__repr__", [](const RunResult& r) {
            return r.completed ? "<vantorel.Run completed, output " + std::string(py::repr(r.output)) + ">"
                               : "<vantorel.Run stopped: " + std::string(py::repr(r.stopped_message)) + ">";
        });

    m.def(
        "read_output",
        [](const py::object& path) { return WithStepDates(OutputTable(PathText(path)), CalendarBeside(PathText(path))); },
        py::arg("path"),
        R"(Reads an output file (".out") back into the DataFrame of Run.table, with the program's reader.

The extension of the path is replaced by ".out", as the reader does. Useful for the outputs of
run_many. Where the input file of the same name has a start date, the table is indexed by date. A file the reader refuses raises vantorel.FileError with its message.)");

    m.def(
        "run",
        [](const py::object& item, bool drainage_opt, bool fit_choice, bool leaching_opt, const py::object& output) {
            return RunAny(item, {drainage_opt, fit_choice, leaching_opt}, output);
        },
        py::arg("ds_or_path"), py::arg("drainage_opt") = false, py::arg("fit_choice") = true,
        py::arg("leaching_opt") = false, py::arg("output") = py::none(),
        R"(Runs the calculation of a DataSet or an input file, as the batch runner vantorel-run does.

The answers to the calculation's questions: drainage_opt (optimize the drainage factors),
fit_choice (take the proposed water-table or discharge optimum), leaching_opt (optimize the
leaching efficiencies). A data set runs with the values a save derives, as "Save all - Run"
does; it is not changed and its file is not rewritten.

The output file is written to output (a name ending in ".out"), by default next to the input
file (FILE.out), or, for a data set never saved, to a new file in the temporary folder.
The calculation releases the GIL. Returns a Run; an input file that cannot be read raises
vantorel.FileError with the program's message.)");
}

}  // namespace vantorel::python
