#pragma once
// The parts of the module, each adding its classes and functions.

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace vantorel::python {

// A path given as str or os.PathLike, as text.
std::string PathText(pybind11::handle path);

// Shows the text as a UserWarning of the caller's line.
void WarnUser(const std::string& text);

// A pandas DataFrame of CSV lines (the first the heading), read with pandas.read_csv's options.
pybind11::object CsvTable(const std::vector<std::string>& lines, const pybind11::dict& read_options = {});

// The runs side by side of a jobs argument: by default one per CPU, at most 4096. Raises TypeError
// or ValueError for a value that is no count.
unsigned JobCount(const pybind11::object& jobs);

void BindDataSet(pybind11::module_& m);
void BindRun(pybind11::module_& m);
void BindDrainDesign(pybind11::module_& m);
void BindRunMany(pybind11::module_& m);
void BindObjectiveMap(pybind11::module_& m);
void BindUncertainty(pybind11::module_& m);
void BindSeriesImport(pybind11::module_& m);
void BindStudy(pybind11::module_& m);
// Last: makes the classes and functions bound before it picklable.
void BindPickling(pybind11::module_& m);

}  // namespace vantorel::python
