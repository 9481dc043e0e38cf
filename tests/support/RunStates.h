#pragma once
// A model state as the graph page has it after reading an output file and its input file: the
// data set of DataSets::MakeDataSet with every result series of a run filled.

#include "model/ModelState.h"
#include "tests/support/DataSets.h"

namespace vantorel::test {

ModelState MakeLoadedRun(const DataSetShape& shape);

}  // namespace vantorel::test
