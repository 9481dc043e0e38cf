#pragma once
// A run's results in pandas' conventions: one row per time step, the forcing and measurements of
// the data set beside the output file's values, NaN where nothing was measured, and the names the
// runner's tables use (water_table_depth, salinity_layer_1, ...).

#include <pybind11/pybind11.h>

#include <string>

#include "model/ModelState.h"
#include "model/OutputFileReader.h"

namespace vantorel::python {

// The zones as the tables name them: salinity_layer_1, ..., the leaching index layer_1, ...
inline constexpr const char* ZoneNames[ZoneCount] = {"layer_1", "layer_2", "layer_3", "transition_zone", "aquifer"};

// Reads an output file back with the program's reader; throws FileError with its message.
OutputFileResults ReadBackOutput(const std::string& path);

// The table of an output file as read back, indexed by step; with the data set of the run
// (given), its forcing and measurements too, and where it has a start date, indexed by the first
// day of each step (a DatetimeIndex named date) with the step as a column.
pybind11::object RunTable(const OutputFileResults& read, const InputData* given);

// The fit statistics of a completed run, indexed by the name of the series in the table.
pybind11::object StatisticsTable(const ModelState& completed_run);

}  // namespace vantorel::python
