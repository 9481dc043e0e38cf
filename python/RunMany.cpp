// Many input files from Python, on this machine's cores or as tasks of a dask cluster, with the
// batch runner's manifest of what became of each file.

#include <pybind11/stl.h>

#include <filesystem>

#include "engine/ManyRuns.h"
#include "engine/ParallelFor.h"
#include "engine/RunPool.h"
#include "model/InputFile.h"
#include "python/Bindings.h"
#include "python/Constructed.h"
#include "python/DataSet.h"
#include "python/Interruptible.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

// One file's run as a dask task: picklable, so that a worker process or another machine gets the
// answers with it, and returning the file's manifest line. A dask worker runs as many tasks at
// once as it has threads, so a task's own search takes one thread unless told otherwise.
struct FileTask {
    RunAnswers answers;
    unsigned threads = 1;

    std::string operator()(const std::string& input) const {
        FileRunOptions options;
        options.answers = answers;
        py::gil_scoped_release released;
        const ScopedWorkerLimit limit(threads);
        return ManifestLine(RunOneOfMany(input, options, false));
    }
};

}  // namespace
}  // namespace vantorel::python

VANTOREL_CONSTRUCTED_ONLY(vantorel::python::FileTask)

namespace vantorel::python {
namespace {

// Absolute, so that a worker that starts elsewhere (a cluster's, another machine's with the same
// shared folder) finds the file.
std::string AbsolutePath(const py::handle path) { return std::filesystem::absolute(PathText(path)).string(); }

// The input files of the items: a data set is saved into the folder under a name from its position
// (a copy: the data set keeps its own file name).
std::vector<std::string> InputFiles(const py::iterable& items, const py::object& folder) {
    std::vector<py::object> all;
    for (const py::handle item : items) all.push_back(py::reinterpret_borrow<py::object>(item));
    const size_t digits = std::max<size_t>(4, std::to_string(all.size()).size());
    std::vector<std::string> inputs;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!py::isinstance<DataSet>(all[i])) {
            inputs.push_back(AbsolutePath(all[i]));
            continue;
        }
        if (folder.is_none()) throw py::value_error("run_many needs a folder to save the data sets into");
        InputData data = all[i].cast<const DataSet&>().Data();
        RefuseUnsavable(data);
        const std::filesystem::path place(AbsolutePath(folder));
        std::error_code error;
        std::filesystem::create_directories(place, error);
        if (error) throw FileError("The folder " + place.string() + " could not be made: " + error.message() + ".");
        std::string number = std::to_string(i + 1);
        number.insert(0, digits - number.size(), '0');
        data.FileName = (place / ("run-" + number + ".inp")).string();
        SaveInputFile(data);
        inputs.push_back(data.FileName);
    }
    return inputs;
}

py::object Manifest(std::vector<std::string> lines) {
    lines.insert(lines.begin(), ManifestHeading);
    py::dict text_columns;
    for (const char* column : {"input", "output", "status", "message", "input_sha256", "program_version"}) {
        text_columns[column] = py::module_::import("builtins").attr("str");
    }
    py::dict options;
    options["keep_default_na"] = false;
    options["dtype"] = text_columns;
    return CsvTable(lines, options);
}

py::object RunMany(const py::iterable& items, const py::object& jobs, const py::object& client,
                   const py::object& folder, bool drainage_opt, bool fit_choice, bool leaching_opt,
                   long task_threads) {
    const unsigned threads = JobCount(jobs);
    if (task_threads < 1) throw py::value_error("task_threads must be at least 1");
    const std::vector<std::string> inputs = InputFiles(items, folder);
    if (const auto shared = SharedOutput(inputs)) throw py::value_error(*shared);
    const FileTask task{{drainage_opt, fit_choice, leaching_opt}, static_cast<unsigned>(std::min<long>(task_threads, 4096))};
    if (!client.is_none()) {
        py::object futures = client.attr("map")(py::cast(task), inputs, py::arg("pure") = false);
        return Manifest(client.attr("gather")(futures).cast<std::vector<std::string>>());
    }
    std::vector<std::string> lines(inputs.size());
    FileRunOptions options;
    options.answers = task.answers;
    const bool interrupted = CallInterruptibly([&](const StopRequest& stop) {
        options.stop = &stop;
        RunSideBySide(inputs.size(), threads,
                      [&](size_t i) { lines[i] = ManifestLine(RunOneOfMany(inputs[i], options, false)); }, nullptr);
    });
    if (interrupted) throw py::error_already_set();
    return Manifest(lines);
}

}  // namespace

unsigned JobCount(const py::object& jobs) {
    if (jobs.is_none()) return CoreCount();
    // A bool is an int to Python, but no count of jobs.
    if (!py::isinstance<py::int_>(jobs) || py::isinstance<py::bool_>(jobs)) {
        throw py::type_error("jobs must be a whole number or None, not " +
                             std::string(py::str(py::type::handle_of(jobs).attr("__name__"))));
    }
    int overflow = 0;
    const long long count = PyLong_AsLongLongAndOverflow(jobs.ptr(), &overflow);
    if (overflow < 0 || (overflow == 0 && count < 1)) throw py::value_error("jobs must be at least 1");
    return overflow > 0 ? 4096u : static_cast<unsigned>(std::min<long long>(count, 4096));
}

void BindRunMany(py::module_& m) {
    py::class_<FileTask>(m, "FileTask", "One input file's run as a task of a dask cluster; returns its manifest line.")
        .def("__call__", &FileTask::operator(), py::arg("input"),
             "Runs the input file with the task's answers; returns the file's manifest line.")
        .def(py::pickle(
            [](const FileTask& t) {
                return py::make_tuple(t.answers.drainage_optimization, t.answers.fit_choice,
                                      t.answers.leaching_optimization, t.threads);
            },
            [](const py::tuple& state) {
                return FileTask{{state[0].cast<bool>(), state[1].cast<bool>(), state[2].cast<bool>()},
                                state[3].cast<unsigned>()};
            }));

    m.def("run_many", &RunMany, py::arg("items"), py::arg("jobs") = py::none(), py::arg("client") = py::none(),
          py::arg("folder") = py::none(), py::arg("drainage_opt") = false, py::arg("fit_choice") = true,
          py::arg("leaching_opt") = false, py::arg("task_threads") = 1,
          R"(Runs many input files, as vantorel-run with several files and --manifest does.

items: input-file paths or DataSets. Each run writes its output next to its input file; a DataSet
is first saved (a copy) into folder, as run-0001.inp, run-0002.inp, ... by its position. The
paths are made absolute first, as the manifest records them.
Without a client the runs share the CPUs this process may use (jobs side by side, by default
one per CPU; see VANTOREL_THREADS). Given a dask.distributed.Client, each file is one task on
that cluster: the files must be reachable by the workers under the same paths (a shared
folder), and the workers must import vantorel. A worker runs as many tasks at once as it has
threads, so each task's drainage-factor search takes task_threads threads (default 1). The
answers are those of run().

Ctrl+C (KeyboardInterrupt) ends the running calculations within their next step and starts
no more; the files finished keep their outputs.

Returns the manifest as a pandas DataFrame, one row per item in order: input, output (empty
where none was written), status ('completed', 'stopped', 'refused', 'unwritable' or
'unreadable'), exit_code (as vantorel-run's), seconds,
message, input_sha256, program_version. Two items that would write one output file raise
ValueError.)");
}

}  // namespace vantorel::python
