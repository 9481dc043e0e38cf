#include "tests/support/RunStates.h"

#include <cmath>

#include "model/DerivedValues.h"

namespace vantorel::test {

ModelState MakeLoadedRun(const DataSetShape& shape) {
    ModelState state;
    state.Input = MakeDataSet(shape);
    ComputeDerivedValues(state.Input);
    RunValues& run = state.Run;
    const size_t size = static_cast<size_t>(shape.steps) + 1;
    for (StepSeries* series : {&run.Dwt, &run.Perc, &run.Cap, &run.EvapT, &run.Drain, &run.S1, &run.S2, &run.S3,
                               &run.STr, &run.SAq}) {
        series->assign(size, 0.0);
    }
    for (size_t i = 0; i < size; ++i) {
        const double wave = std::sin(0.7 * static_cast<double>(i));
        run.Dwt[i] = 1.5 + 0.4 * wave;
        run.Perc[i] = 40 + 20 * wave;
        run.Cap[i] = 8 + 4 * wave;
        run.EvapT[i] = 90 + 30 * wave;
        run.Drain[i] = shape.drains ? 25 + 10 * wave : 0;
        run.S1[i] = 6 + 2 * wave;
        run.S2[i] = 7 + 2 * wave;
        run.S3[i] = 8 + 2 * wave;
        run.STr[i] = 9 + wave;
        run.SAq[i] = 10 + 0.5 * wave;
    }
    state.Output.LE1Out = 0.8;
    state.Output.LE2Out = 0.7;
    state.Output.LE3Out = 0.6;
    state.Output.LEtOut = 0.9;
    state.Output.LEaOut = 1.0;
    state.Output.StorageColumn = true;
    return state;
}

}  // namespace vantorel::test
