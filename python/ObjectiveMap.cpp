// The drainage-factor objective map of a data set, as vantorel-run --objective-map computes it.

#include "engine/CalibrationTables.h"
#include "engine/ObjectiveMap.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"
#include "python/DataSet.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

// The data set as loaded; the map derives what a save derives itself.
InputData MappedData(const py::object& item) {
    InputData data;
    if (py::isinstance<DataSet>(item)) {
        data = item.cast<const DataSet&>().Data();
    } else {
        data.FileName = PathText(item);
        SilentDialogs dialogs;
        LoadInputFile(data, dialogs);
    }
    return data;
}

py::object ObjectiveMapTable(const py::object& item) {
    const InputData data = MappedData(item);
    std::vector<std::string> lines;
    {
        py::gil_scoped_release released;
        lines = ObjectiveMapCsvLines(ComputeObjectiveMap(data));
    }
    return CsvTable(lines);
}

}  // namespace

void BindObjectiveMap(py::module_& m) {
    m.def("objective_map", &ObjectiveMapTable, py::arg("ds_or_path"),
          R"(The drainage-factor search over its whole grid, as vantorel-run --objective-map writes it.

Runs the search's 10000 trials of QH1 and QH2 on a DataSet or an input file (with the values a
save derives), whether or not a run would ask for the optimization; the data set is not changed.
Returns a pandas DataFrame with one row per trial in the search's order: qh1, qh2 and the sums
the search ranks by, balance, water_table and drain_discharge. A data set without drains, or one
a run would refuse, raises ValueError with the reason; a file that cannot be read raises
vantorel.FileError. The calculation releases the GIL.)");
}

}  // namespace vantorel::python
