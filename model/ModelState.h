#pragma once
// The one model state of a program: the data set, the run's values and result series, and
// what was read back from an output file. The window owns one; every test makes its own.

#include "model/InputData.h"
#include "model/RunValues.h"

namespace vantorel {

struct ModelState {
    InputData Input;
    RunValues Run;
    OutputFileValues Output;
};

}  // namespace vantorel
