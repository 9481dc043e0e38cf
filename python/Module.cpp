// The Python module vantorel: the data set, the calculation and the drain design of the program.

#include <pybind11/pybind11.h>

#include "engine/DrainDesign.h"
#include "engine/ObjectiveMap.h"
#include "engine/StudySamples.h"
#include "model/NumberText.h"
#include "model/ProgramVersion.h"
#include "model/TextFile.h"
#include "python/Bindings.h"
#include "python/Constructed.h"

namespace py = pybind11;

std::string vantorel::python::PathText(py::handle path) {
    return py::str(py::module_::import("os").attr("fsdecode")(path));
}

void vantorel::python::WarnUser(const std::string& text) {
    py::module_::import("warnings").attr("warn")(text, py::module_::import("builtins").attr("UserWarning"), 2);
}

void vantorel::python::RequireConstructed(py::handle object, const py::detail::type_info* type) {
    auto* instance = reinterpret_cast<py::detail::instance*>(object.ptr());
    if (instance->get_value_and_holder(type).holder_constructed()) return;
    throw py::type_error("this " + std::string(py::str(py::type::handle_of(object).attr("__qualname__"))) +
                         " object was made without its constructor and holds nothing");
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

Functions: load_input, run, read_output, run_many, study, objective_map, uncertainty,
drain_factors, drain_spacing, import_series, et0.
A file that cannot be read or written raises vantorel.FileError (an OSError) with the
program's message, naming the file and the line; a value the program refuses raises
ValueError with the program's message; an argument of the wrong type, or an object made
without its constructor, raises TypeError. Data sets, runs and the functions themselves can be
pickled, so they go to a concurrent.futures.ProcessPoolExecutor or a dask cluster.)";
    m.attr("__version__") = vantorel::ProgramVersion;

    py::register_exception<vantorel::FileError>(m, "FileError", PyExc_OSError).doc() = "A file that cannot be read or written, or whose text is malformed; the message names the file and the line.";
    py::register_exception_translator([](std::exception_ptr error) {
        try {
            if (error) std::rethrow_exception(error);
        } catch (const vantorel::ConversionError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        } catch (const vantorel::DesignRefusal& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        } catch (const vantorel::StudySamplingError& e) {
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
    vantorel::python::BindSeriesImport(m);
    vantorel::python::BindStudy(m);
    vantorel::python::BindPickling(m);
}
