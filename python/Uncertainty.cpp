// The uncertainty of the drainage factors a run fits, as vantorel-run --uncertainty computes it.

#include <pybind11/stl.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "engine/CalibrationTables.h"
#include "engine/FileRun.h"
#include "engine/UncertaintyTables.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"
#include "python/DataSet.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

struct UncertaintyResult {
    std::string objective;
    int n = 0;
    py::object posterior, intervals, bands;
    std::string summary;
    py::list dialog;
};

// The run's output file is of no use here: it goes to a folder of its own that is removed again.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-uncertainty-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw FileError("No temporary folder could be made in " + pattern);
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

UncertaintyResult ComputeUncertainty(const py::object& item, bool fit_choice, bool leaching_opt) {
    ModelState state;
    if (py::isinstance<DataSet>(item)) {
        state.Input = item.cast<const DataSet&>().Data();
    } else {
        state.Input.FileName = PathText(item);
        SilentDialogs dialogs;
        LoadInputFile(state.Input, dialogs);
    }
    const InputData loaded = state.Input;
    if (const auto refusal = UncertaintyRefusal(loaded, true)) throw py::value_error(*refusal);

    FileRunResult run;
    FactorUncertainty uncertainty;
    std::optional<std::string> refusal;
    {
        py::gil_scoped_release released;
        const ScratchFolder scratch;
        FileRunOptions options;
        options.answers = {true, fit_choice, leaching_opt};
        options.output = scratch.File("run.out");
        run = RunDataSet(state, options);
        if (run.status == RunStatus::Completed) {
            try {
                uncertainty = ComputeFactorUncertainty(loaded, UncertaintyBasisOf(state));
            } catch (const UncertaintyError& error) {
                refusal = error.what();
            }
        }
    }
    if (run.status != RunStatus::Completed) throw py::value_error("the calculation did not complete: " + run.message);
    if (refusal) throw py::value_error(*refusal);
    UncertaintyResult result;
    for (const std::string& line : run.dialog) result.dialog.append(line);
    result.objective = ObjectiveLabel(uncertainty.objective);
    result.n = uncertainty.measurements;
    result.posterior = CsvTable(PosteriorCsvLines(uncertainty));
    result.intervals = CsvTable(IntervalsCsvLines(uncertainty), py::dict(py::arg("index_col") = "parameter"));
    result.bands = CsvTable(BandsCsvLines(uncertainty));
    for (const std::string& line : UncertaintySummaryLines(uncertainty)) result.summary += line + "\n";
    return result;
}

}  // namespace

void BindUncertainty(py::module_& m) {
    py::class_<UncertaintyResult>(m, "Uncertainty",
                                  "The result of vantorel.uncertainty: the posterior of the fitted drainage factors, "
                                  "their intervals and the prediction bands.")
        .def_readonly("objective", &UncertaintyResult::objective,
                      "What the run fitted the factors to: 'water-table depth' or 'drain discharge'.")
        .def_readonly("n", &UncertaintyResult::n, "The measured steps of that objective.")
        .def_readonly("posterior", &UncertaintyResult::posterior,
                      "A DataFrame of the 10000 pairs in the search's order: qh1, qh2, probability (summing to 1).")
        .def_readonly("intervals", &UncertaintyResult::intervals,
                      "A DataFrame indexed by parameter: rows qh1 and qh2 with mean, sd, p05, p50, p95; row\n"
                      "correlation and row edge_probability (the probability on the grid's outer rows and\n"
                      "columns) with their value in mean, NaN elsewhere.")
        .def_readonly("bands", &UncertaintyResult::bands,
                      "A DataFrame of step, series (water_table_depth, drain_discharge, salinity_layer_1 ..,\n"
                      "salinity_transition_zone, salinity_aquifer), p05, p50, p95: per step the quantiles of the\n"
                      "final runs of the pairs that hold 99 % of the probability, weighted by their probability,\n"
                      "in the output file's units (m, mm per time step, dS/m).")
        .def_readonly("summary", &UncertaintyResult::summary, "The summary vantorel-run --uncertainty prints.")
        .def_readonly("dialog", &UncertaintyResult::dialog, "The run's questions and messages, as Run.dialog.")
        .def("__repr__", [](const UncertaintyResult& u) {
            return "<vantorel.Uncertainty " + u.objective + ", n = " + std::to_string(u.n) + ">";
        });

    m.def("uncertainty", &ComputeUncertainty, py::arg("ds_or_path"), py::arg("fit_choice") = true,
          py::arg("leaching_opt") = false,
          R"(The uncertainty of the drainage factors a run fits, as vantorel-run --uncertainty DIR computes it.

Runs the calculation of a DataSet or an input file with the drainage factors optimized (and
fit_choice and leaching_opt as in run; the output file is not kept), then computes from the
search's own sums over its 10000 pairs the posterior of QH1 and QH2 for the objective the run took
(p proportional to S^-n for the sum S of absolute deviations and n measured steps), and the
prediction bands of the run's results. Returns an Uncertainty whose posterior, intervals and bands
are DataFrames equal to the runner's CSV files. A data set without drains, or a run that takes the
water-balance optimum or the given factors, raises ValueError with the reason; an input file that
cannot be read raises vantorel.FileError. The calculations release the GIL.)");
}

}  // namespace vantorel::python
