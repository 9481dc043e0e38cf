// Scenario studies from Python, Monte Carlo studies among them, as vantorel-run --scenarios runs
// them: the same files in the folder, and the tables as DataFrames.

#include <pybind11/stl.h>

#include <filesystem>

#include "engine/RunPool.h"
#include "engine/SampledRows.h"
#include "engine/StudySamples.h"
#include "model/CsvFile.h"
#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "model/TextFile.h"
#include "python/Bindings.h"
#include "python/Constructed.h"
#include "python/DataSet.h"
#include "python/Interruptible.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

struct StudyResult {
    std::string folder;
    py::object summary, bands, sensitivity;
};

}  // namespace
}  // namespace vantorel::python

VANTOREL_CONSTRUCTED_ONLY(vantorel::python::StudyResult)

namespace vantorel::python {
namespace {

// What a DataFrame of a study is called in messages about its cells.
constexpr const char* FrameName = "<DataFrame>";

py::tuple StudyState(const StudyResult& s) { return py::make_tuple(s.folder, s.summary, s.bands, s.sensitivity); }

StudyResult StudyFromState(const py::tuple& state) {
    if (state.size() != 4) throw py::value_error("not the state of a pickled vantorel.Study");
    return {state[0].cast<std::string>(), state[1], state[2], state[3]};
}

// The study of a file, or of a DataFrame with a column (or an index) "name"; the path it is known
// by in messages, empty for a DataFrame.
std::pair<Study, std::string> ReadStudyOf(const py::object& study) {
    const py::object frame_type = py::module_::import("pandas").attr("DataFrame");
    if (!py::isinstance(study, frame_type)) {
        const std::string path = PathText(study);
        return {ReadStudy(path), path};
    }
    py::object frame = study;
    const py::list columns(frame.attr("columns"));
    if (!columns.contains("name") && py::str(frame.attr("index").attr("name")).cast<std::string>() == "name") {
        frame = frame.attr("reset_index")();
    }
    const std::string text = frame.attr("to_csv")(py::arg("index") = false).cast<std::string>();
    try {
        return {ParseStudy(text, FrameName), {}};
    } catch (const FileError& error) {
        throw py::value_error(error.what());
    }
}

// The base as a study takes it: with the values a save derives.
InputData BaseOf(const py::object& base) {
    InputData data;
    if (py::isinstance<DataSet>(base)) {
        data = base.cast<const DataSet&>().Data();
        RefuseUnsavable(data);
    } else {
        data.FileName = PathText(base);
        SilentDialogs dialogs;
        LoadInputFile(data, dialogs);
        if (!dialogs.last_message.empty()) WarnUser(dialogs.last_message);
    }
    ComputeDerivedValues(data);
    return data;
}

py::object SummaryTable(const std::vector<ScenarioResult>& results, const std::vector<std::string>& sampled_fields) {
    std::vector<std::string> lines = {CsvLine(StudySummaryHeader(sampled_fields))};
    for (const ScenarioResult& result : results) lines.push_back(CsvLine(StudySummaryRow(result, sampled_fields)));
    py::dict texts;
    for (const char* column : {"name", "status", "message"}) texts[column] = py::module_::import("builtins").attr("str");
    return CsvTable(lines, py::dict(py::arg("index_col") = "name", py::arg("converters") = texts));
}

StudyResult RunStudy(const py::object& base_given, const py::object& study_given, const py::object& folder_given,
                     const py::object& samples, const py::object& seed, const py::object& jobs, bool drainage_opt,
                     bool fit_choice, bool leaching_opt) {
    const unsigned threads = JobCount(jobs);
    StudySampling sampling;
    if (!samples.is_none()) {
        if (!py::isinstance<py::int_>(samples) || py::isinstance<py::bool_>(samples)) {
            throw py::type_error("samples must be a whole number or None");
        }
        if (samples < py::int_(1) || samples > py::int_(MostSamples)) {
            throw py::value_error("samples must be a whole number from 1 to " + std::to_string(MostSamples));
        }
        sampling.samples = samples.cast<int32_t>();
    }
    if (!py::isinstance<py::int_>(seed) || py::isinstance<py::bool_>(seed)) throw py::type_error("seed must be a whole number");
    if (seed < py::int_(0) || seed > py::int_(UINT64_MAX)) {
        throw py::value_error("seed must be a whole number from 0 to 18446744073709551615");
    }
    sampling.seed = seed.cast<uint64_t>();

    auto [study, study_file] = ReadStudyOf(study_given);
    const InputData base = BaseOf(base_given);
    try {
        study = SampleStudy(study, sampling, base, study_file.empty() ? FrameName : study_file);
    } catch (const FileError& error) {
        // A sample named as another scenario: the study's fault, wherever it came from.
        if (study_file.empty()) throw py::value_error(error.what());
        throw;
    }
    const std::string folder = std::filesystem::absolute(PathText(folder_given)).string();
    const std::string base_file = base.FileName.empty() ? std::string() : ReplaceExtension(base.FileName, ".inp");
    if (const auto overwrite = StudyWouldOverwriteInput(study, base_file, study_file, folder)) {
        throw py::value_error(*overwrite);
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw FileError("The folder " + folder + " could not be created: " + error.message() + ".");
    const std::vector<std::string> sampled_fields = SampledFields(study);
    if (!sampled_fields.empty()) RemoveSampledRowTables(folder);

    const RunAnswers answers{drainage_opt, fit_choice, leaching_opt};
    std::vector<ScenarioResult> results(study.scenarios.size());
    std::vector<SampledRow> rows;
    const bool interrupted = CallInterruptibly([&](const StopRequest& stop) {
        RunSideBySide(
            results.size(), threads,
            [&](size_t i) { results[i] = RunScenario(study, study.scenarios[i], base, folder, answers, &stop); }, nullptr);
        WriteStudySummary((std::filesystem::path(folder) / "summary.csv").string(), results, sampled_fields);
        if (sampled_fields.empty() || stop.Requested()) return;
        rows = SampledRowsOf(results);
        WriteSampledRowTables(folder, rows, results, sampled_fields);
    });
    if (interrupted) throw py::error_already_set();

    StudyResult result{folder, SummaryTable(results, sampled_fields), py::none(), py::none()};
    if (!sampled_fields.empty()) {
        result.bands = CsvTable(StudyBandsCsvLines(rows));
        result.sensitivity = CsvTable(SensitivityCsvLines(results, sampled_fields));
    }
    return result;
}

}  // namespace

void BindStudy(py::module_& m) {
    py::class_<StudyResult>(m, "Study",
                            "The result of vantorel.study: the summary of every scenario and, for a Monte Carlo "
                            "study, the bands and rank correlations of its sampled rows.")
        .def_readonly("folder", &StudyResult::folder, "The folder of the study's files, absolute.")
        .def_readonly("summary", &StudyResult::summary,
                      "A DataFrame of summary.csv indexed by name: status, message, steps, qh1, qh2,\n"
                      "mean_depth, shallowest_depth, the sums percolation .. surface_drainage, each zone's last\n"
                      "salinity, then a column per sampled field with the value each sample used.")
        .def_readonly("bands", &StudyResult::bands,
                      "A DataFrame of bands.csv (name, step, series, p05, p50, p95: per sampled row, series and\n"
                      "step the quantiles over its completed samples), or None without samples.")
        .def_readonly("sensitivity", &StudyResult::sensitivity,
                      "A DataFrame of sensitivity.csv (name, field, result, spearman: the rank correlation of\n"
                      "each sampled field with each summary value over a row's completed samples, NaN where it\n"
                      "is undefined), or None without samples.")
        .def(py::pickle(&StudyState, &StudyFromState))
        .def("__repr__", [](const StudyResult& s) {
            return "<vantorel.Study " + s.folder + ", " + std::to_string(py::len(s.summary)) + " scenarios>";
        });

    m.def("study", &RunStudy, py::arg("base"), py::arg("study"), py::arg("folder"), py::arg("samples") = py::none(),
          py::arg("seed") = 1, py::arg("jobs") = py::none(), py::arg("drainage_opt") = false,
          py::arg("fit_choice") = true, py::arg("leaching_opt") = false,
          R"(Runs a scenario study, as vantorel-run --scenarios STUDY --study-dir FOLDER BASE does.

base: a DataSet or an input file. study: a study file (CSV: a column name, then change columns
named by fields, one row per scenario) or a pandas DataFrame of the same table (its columns, or
its index, named so; NaN is an empty cell). Each scenario's data set is written to
FOLDER/NAME.inp and run into FOLDER/NAME.out, and FOLDER/summary.csv follows; the module draws
no pictures.

A cell may sample its field: ~uniform(a,b), ~normal(m,s), ~lognormal(m,s) (of the
logarithm), ~triangular(a,c,b), or *~... and +~... to multiply or add the value drawn.
With samples=N each row that samples runs as N scenarios NAME-0001 .. (vantorel-run --samples),
drawn from seed (--seed): the same seed gives the same files, whatever jobs. FOLDER/bands.csv
and FOLDER/sensitivity.csv follow. A sampled value the field does not accept refuses that
sample, as any scenario is refused.

jobs: the scenarios run side by side (default: one per CPU this process may use); the answers
are those of run(). Returns a Study. A study file that cannot be read raises vantorel.FileError;
a study that is not understood, samples given for a study that samples no cell or not given for
one that does, or files that would replace the base or the study file raise ValueError.
Ctrl+C (KeyboardInterrupt) ends the running scenarios within their next step and starts no more;
the summary lists them as interrupted.)");
}

}  // namespace vantorel::python
