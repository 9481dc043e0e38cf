// The uncertainty of the drainage factors a run fits, as vantorel-run --uncertainty computes it.

#include <pybind11/stl.h>

#include <optional>

#include "engine/CalibrationTables.h"
#include "engine/FileRun.h"
#include "engine/UncertaintyTables.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"
#include "python/Constructed.h"
#include "python/DataSet.h"
#include "python/Interruptible.h"
#include "python/TemporaryFolder.h"

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

}  // namespace
}  // namespace vantorel::python

VANTOREL_CONSTRUCTED_ONLY(vantorel::python::UncertaintyResult)

namespace vantorel::python {
namespace {

// A result travels back from a process pool or a dask worker whole: its tables are DataFrames.
py::tuple UncertaintyState(const UncertaintyResult& u) {
    return py::make_tuple(u.objective, u.n, u.posterior, u.intervals, u.bands, u.summary, u.dialog);
}

UncertaintyResult UncertaintyFromState(const py::tuple& state) {
    if (state.size() != 7) throw py::value_error("not the state of a pickled vantorel.Uncertainty");
    return {state[0].cast<std::string>(), state[1].cast<int>(), state[2], state[3], state[4],
            state[5].cast<std::string>(), state[6].cast<py::list>()};
}

UncertaintyResult ComputeUncertainty(const py::object& item, bool fit_choice, bool leaching_opt) {
    ModelState state;
    if (py::isinstance<DataSet>(item)) {
        state.Input = item.cast<const DataSet&>().Data();
        RefuseUnsavable(state.Input);
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
    // The run's output file is of no use here.
    const TemporaryFolder scratch;
    const bool interrupted = CallInterruptibly([&](const StopRequest& stop) {
        FileRunOptions options;
        options.answers = {true, fit_choice, leaching_opt};
        options.output = (scratch.Path() / "run.out").string();
        options.stop = &stop;
        run = RunDataSet(state, options);
        if (run.status != RunStatus::Completed) return;
        try {
            uncertainty = ComputeFactorUncertainty(loaded, UncertaintyBasisOf(state), &stop);
        } catch (const UncertaintyError& error) {
            refusal = error.what();
        }
    });
    if (interrupted) throw py::error_already_set();
    for (const std::string& warning : run.warnings) WarnUser(run.input + ": " + warning);
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
        .def(py::pickle(&UncertaintyState, &UncertaintyFromState))
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
cannot be read raises vantorel.FileError. The calculations release the GIL; Ctrl+C
(KeyboardInterrupt) ends them within their next step.)");
}

}  // namespace vantorel::python
