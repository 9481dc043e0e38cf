// One calculation from Python: the data set or input file runs as the batch runner runs it, and
// the output file is read back into a table.

#include <filesystem>
#include <optional>

#include "engine/FileRun.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"
#include "python/Constructed.h"
#include "python/DataSet.h"
#include "python/Interruptible.h"
#include "python/RunTable.h"
#include "python/TemporaryFolder.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

struct RunResult {
    bool completed = false;
    std::string status;
    py::object stopped_message = py::none();
    py::list dialog;
    py::object output = py::none();
    py::object table = py::none();
    py::object table_error = py::none();  // the reader's message when it refused the output file
    py::dict factors;
    py::object leaching = py::none();
    py::object statistics = py::none();
};

}  // namespace
}  // namespace vantorel::python

VANTOREL_CONSTRUCTED_ONLY(vantorel::python::RunResult)

namespace vantorel::python {
namespace {

py::dict Factors(const ModelState& state) {
    const RunValues& r = state.Run;
    py::dict factors;
    if (!state.Input.DrainPresent) {
        factors["qh1"] = py::none();
        factors["qh2"] = py::none();
        factors["chosen"] = "no drainage system";
        factors["fit"] = py::none();
        return factors;
    }
    factors["qh1"] = r.QH1Used;
    factors["qh2"] = r.QH2Used;
    factors["chosen"] = r.QHOptBalance ? "water balance" : r.QHOptDwt ? "water table" : r.QHOptDrain ? "drain discharge" : "given";
    factors["fit"] = r.QHOptDwt ? py::object(py::float_(r.FitDwt)) : r.QHOptDrain ? py::object(py::float_(r.FitDrain)) : py::none();
    return factors;
}

py::object Leaching(const ModelState& state) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    const double fits[ZoneCount] = {r.SaltFit1, r.SaltFit2, r.SaltFit3, r.SaltFitT, r.SaltFitA};
    const bool exists[ZoneCount] = {true, !d.Is1Layer, d.Is3Layer, true, true};
    py::list zones, efficiency, optimized, fit;
    for (int zone = 0; zone < ZoneCount; ++zone) {
        if (!exists[zone]) continue;
        zones.append(ZoneNames[zone]);
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

// The output file read back at once: a temporary one is gone afterwards, and a pickled run carries
// its table. A file the reader refuses leaves its message for whoever asks for the table.
void TakeTable(RunResult& result, const ModelState& state, const std::string& output) {
    try {
        result.table = RunTable(ReadBackOutput(output), &state.Input);
    } catch (const FileError& refused) {
        result.table_error = py::str(refused.what());
    }
}

RunResult RunAny(const py::object& item, const RunAnswers& answers, const py::object& output) {
    FileRunOptions options;
    options.answers = answers;
    options.output = output.is_none() ? std::string() : CheckedOutputPath(PathText(output));
    ModelState state;
    FileRunResult run;
    std::optional<TemporaryFolder> temporary;
    const bool data_set = py::isinstance<DataSet>(item);
    std::string input;
    if (data_set) {
        state.Input = item.cast<const DataSet&>().Data();
        RefuseUnsavable(state.Input);
        if (options.output.empty() && state.Input.FileName.empty()) {
            temporary.emplace();
            options.output = (temporary->Path() / "run.out").string();
        } else if (options.output.empty()) {
            options.output = ReplaceExtension(state.Input.FileName, ".out");
        }
    } else {
        input = PathText(item);
    }
    const bool interrupted = CallInterruptibly([&](const StopRequest& stop) {
        options.stop = &stop;
        run = data_set ? RunDataSet(state, options) : RunInputFile(state, input, options);
    });
    if (interrupted) throw py::error_already_set();
    if (run.status == RunStatus::Unreadable) throw FileError(run.message);
    for (const std::string& warning : run.warnings) WarnUser(run.input + ": " + warning);

    RunResult result;
    result.completed = run.status == RunStatus::Completed;
    result.status = RunStatusName(run.status);
    for (const std::string& line : run.dialog) result.dialog.append(line);
    if (!result.completed) {
        result.stopped_message = py::str(run.message);
        return result;
    }
    if (!temporary) result.output = py::str(run.output);
    TakeTable(result, state, run.output);
    result.factors = Factors(state);
    result.leaching = Leaching(state);
    result.statistics = StatisticsTable(state);
    return result;
}

py::tuple RunState(const RunResult& r) {
    return py::make_tuple(r.completed, r.status, r.stopped_message, r.dialog, r.output, r.table, r.table_error,
                          r.factors, r.leaching, r.statistics);
}

RunResult RunFromState(const py::tuple& state) {
    if (state.size() != 10) throw py::value_error("not the state of a pickled vantorel.Run");
    RunResult r;
    r.completed = state[0].cast<bool>();
    r.status = state[1].cast<std::string>();
    r.stopped_message = state[2];
    r.dialog = state[3].cast<py::list>();
    r.output = state[4];
    r.table = state[5];
    r.table_error = state[6];
    r.factors = state[7].cast<py::dict>();
    r.leaching = state[8];
    r.statistics = state[9];
    return r;
}

// The output file with the input file of the same name, when there is one.
py::object ReadOutput(const py::object& path) {
    const std::string output = PathText(path);
    const OutputFileResults read = ReadBackOutput(output);
    InputData given;
    given.FileName = ReplaceExtension(output, ".inp");
    if (!std::filesystem::is_regular_file(given.FileName)) return RunTable(read, nullptr);
    SilentDialogs dialogs;
    LoadInputFile(given, dialogs);
    return RunTable(read, &given);
}

}  // namespace

void BindRun(py::module_& m) {
    py::class_<RunResult>(m, "Run", R"(The result of vantorel.run: one calculation and its output file read back.

A Run can be pickled (it carries its tables), so it travels back from a process pool or a
dask worker.)")
        .def_readonly("completed", &RunResult::completed, "Whether the run completed and wrote its output file.")
        .def_readonly("status", &RunResult::status,
                      "How the run ended: 'completed', 'stopped' (by the calculation), 'refused' (by its checks)\n"
                      "or 'unwritable' (the output file could not be written).")
        .def_readonly("stopped_message", &RunResult::stopped_message,
                      "The message that stopped or refused the run; None for a completed run.")
        .def_readonly("dialog", &RunResult::dialog,
                      "The questions with their answers and the messages, in order, as the batch runner prints\n"
                      "them: '? TEXT -> yes', '? TEXT -> no', '! TEXT'.")
        .def_readonly("output", &RunResult::output,
                      "Path of the output file written; None when the run did not complete, or when a data set\n"
                      "never saved ran into a temporary folder that is gone.")
        .def_property_readonly(
            "table",
            [](const RunResult& r) {
                if (!r.table_error.is_none()) throw FileError(r.table_error.cast<std::string>());
                return r.table;
            },
            "The run step by step, a pandas DataFrame indexed by step (1..NrTimeSteps): the output\n"
            "file's rows as read back, with the forcing and the measurements of the data set beside\n"
            "them, as vantorel-run --tables writes them. Columns: rainfall, irrigation,\n"
            "potential_evapotranspiration (mm per step, given), percolation, capillary_rise,\n"
            "evapotranspiration, drain_discharge, drain_discharge_measured (mm per step),\n"
            "water_table_depth (m, at the start of the step, as the output file has it),\n"
            "water_table_depth_measured (m; the fit compares it with the depth at the end of the\n"
            "step, the next row's water_table_depth), salinity_layer_1 .. salinity_layer_3 (those of\n"
            "the layer count), salinity_transition_zone, salinity_aquifer (dS/m), each followed by its\n"
            "_measured column, storage (when the file has it), surface_drainage_given,\n"
            "surface_drainage and ponding (mm). Not measured is NaN. None when the run did not\n"
            "complete; an output file the program's reader refuses raises vantorel.FileError. Where the\n"
            "data set has a start date, the index is the first day of each step (a DatetimeIndex named\n"
            "date) and step is a column.")
        .def_readonly("factors", &RunResult::factors,
                      "The drainage factors the run used: a dict with qh1, qh2, chosen ('given', 'water balance',\n"
                      "'water table', 'drain discharge' or 'no drainage system') and fit (the fraction of the\n"
                      "water-table or discharge fit, else None).")
        .def_readonly("leaching", &RunResult::leaching,
                      "Per zone (index 'layer_1' .. 'layer_3', 'transition_zone', 'aquifer'; with one layer,\n"
                      "'layer_1' is the root zone): the leaching efficiency used (a fraction), whether it was\n"
                      "optimized, and the fit of the calculated to the measured salinities (a fraction; NaN\n"
                      "when not available).")
        .def_readonly("statistics", &RunResult::statistics,
                      "The goodness of fit of every observed series of the run, as vantorel-run --statistics\n"
                      "writes it, indexed by the series' column name in table (water_table_depth,\n"
                      "drain_discharge, salinity_layer_1, ...): n, the means, rmse, mae, pbias_percent, nse,\n"
                      "kge and r_squared; NaN where a statistic is undefined. None when the run did not complete.")
        .def(py::pickle(&RunState, &RunFromState))
        .def("__repr__", [](const RunResult& r) {
            if (!r.completed) return "<vantorel.Run " + r.status + ": " + std::string(py::repr(r.stopped_message)) + ">";
            return r.output.is_none() ? std::string("<vantorel.Run completed>")
                                      : "<vantorel.Run completed, output " + std::string(py::repr(r.output)) + ">";
        });

    m.def("read_output", &ReadOutput, py::arg("path"),
          R"(Reads an output file (".out") back into the DataFrame of Run.table, with the program's reader.

The extension of the path is replaced by ".out", as the reader does; the input file of the same
name (".inp"), when there is one, gives the forcing and the measurements (without it, those
columns are left out); where it has a start date, the table is indexed by date. Useful for the
outputs of run_many. A file the reader refuses raises vantorel.FileError with its message.)");

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
does; it is not changed and its file is not rewritten. A data set that save() refuses raises
the same ValueError; an input file runs whatever its values, as the batch runner runs it, with
a UserWarning for each value the program's input editors would not keep.

The output file is written to output (a name ending in ".out"), by default next to the input
file (FILE.out). A data set never saved runs into a temporary folder that is removed once its
tables are read; give output to keep the file. The calculation releases the GIL; Ctrl+C
(KeyboardInterrupt) ends it within its next step, writing nothing. Returns a Run; an input file
that cannot be read raises vantorel.FileError with the program's message.)");
}

}  // namespace vantorel::python
