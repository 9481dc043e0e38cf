#pragma once
// The parts of the module, each adding its classes and functions.

#include <pybind11/pybind11.h>

#include <string>

namespace vantorel::python {

// A path given as str or os.PathLike, as text.
std::string PathText(pybind11::handle path);

void BindDataSet(pybind11::module_& m);
void BindRun(pybind11::module_& m);
void BindDrainDesign(pybind11::module_& m);
void BindRunMany(pybind11::module_& m);

}  // namespace vantorel::python
