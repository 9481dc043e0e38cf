// The Python module vantorel: the data set, the calculation and the drain design of the program.

#include <pybind11/pybind11.h>

#include "app/runner/DrainDesign.h"
#include "engine/ObjectiveMap.h"
#include "model/NumberText.h"
#include "model/ProgramVersion.h"
#include "model/TextFile.h"
#include "python/Bindings.h"

namespace py = pybind11;

std::string vantorel::python::PathText(py::handle path) {
    return py::str(py::module_::import("os").attr("fsdecode")(path));
}

py::object vantorel::python::CsvTable(const std::vector<std::string>& lines, const py::dict& read_options) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return py::module_::import("pandas").attr("read_csv")(py::module_::import("io").attr("StringIO")(text),
                                                         **read_options);
}

PYBIND11_MODULE(vantorel, m) {
    m.doc() = R"(Water table and soil salinity of irrigated fields: the Vantorel engine from Python.

    ds = vantorel.load_input("field.inp")   # a DataSet, fields under the model's names
    ds.IrrEff = 70; ds.Irrig[:] *= 1.1      # scalars and numpy arrays that write through
    run = vantorel.run(ds)                  # a Run; run.table is a pandas DataFrame
    ds.save("field-2.inp")

Functions: load_input, run, read_output, run_many, objective_map, uncertainty, drain_factors,
drain_spacing.
A file that cannot be read or written raises vantorel.FileError (an OSError) with the
program's message, naming the file and the line; a value the program refuses raises
ValueError with the program's message.)";
    m.attr("__version__") = vantorel::ProgramVersion;

    py::register_exception<vantorel::FileError>(m, "FileError", PyExc_OSError).doc() = "A file that cannot be read or written, or whose text is malformed; the message names the file and the line.";
    py::register_exception_translator([](std::exception_ptr error) {
        try {
            if (error) std::rethrow_exception(error);
        } catch (const vantorel::ConversionError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        } catch (const vantorel::DesignRefusal& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        } catch (const vantorel::ObjectiveMapError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        }
    });

    vantorel::python::BindDataSet(m);
    vantorel::python::BindRun(m);
    vantorel::python::BindDrainDesign(m);
    vantorel::python::BindRunMany(m);
    vantorel::python::BindObjectiveMap(m);
    vantorel::python::BindUncertainty(m);
}
