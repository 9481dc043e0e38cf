#include "model/DerivedValues.h"

namespace vantorel {

namespace {

// With daily steps an irrigation is shared by its day and up to four following dry days; each
// rule reaches one day further and overwrites the shorter spread. The tests read Irrig only, so
// a day that received a share does not start a spread of its own.
void SpreadDailyIrrigation(InputData& data) {
    const int32_t n = data.NrTimeSteps;
    const StepSeries& irrig = data.Irrig;
    StepSeries& spread = data.IrrSpread;
    for (int32_t i = 1; i <= n; ++i) {
        if (!(irrig[i] > 0) || i >= n - 1 || !(irrig[i + 1] <= 0.01)) continue;
        int32_t days = 2;
        while (days < 5 && i < n - days && irrig[i + days] < 0.01) ++days;
        for (int32_t j = 0; j < days; ++j) spread[i + j] = irrig[i] / days;
    }
}

}  // namespace

void ComputeDerivedValues(InputData& data) {
    const int32_t n = data.NrTimeSteps;

    data.NrMeasDwt = 0;
    data.NrMeasDrain = 0;
    for (int32_t i = 1; i <= n; ++i) {
        if (data.DwtMeas[i] > 0) ++data.NrMeasDwt;
        if (data.DrainMeas[i] > 0) ++data.NrMeasDrain;
    }

    data.IrrSpread.assign(static_cast<size_t>(n) + 1, 0.0);
    for (int32_t i = 1; i <= n; ++i) data.IrrSpread[i] = data.Irrig[i];
    if (data.Ts == 1) SpreadDailyIrrigation(data);

    data.IrrSteps.assign(1, 0);
    for (int32_t i = 1; i <= n; ++i) {
        if (data.Irrig[i] >= 0.01) data.IrrSteps.push_back(i);
    }
    data.IrrSteps.push_back(n);
    const size_t k = data.IrrSteps.size() - 2;
    data.IrrIntervals.assign(k + 2, 0.0);
    for (size_t j = 1; j <= k; ++j) data.IrrIntervals[j] = data.IrrSteps[j] - data.IrrSteps[j - 1];
    data.IrrIntervals[k + 1] = n - data.IrrSteps[k];
}

}  // namespace vantorel
