#pragma once
// The sum of squares of every trial efficiency of the leaching searches of a run, one curve per zone.

#include <vector>

#include "model/RunValues.h"

class QCustomPlot;

namespace vantorel {

// Replaces the plot's contents; the best trial of each curve is marked.
void BuildLeachingCurvesPlot(QCustomPlot& plot, const std::vector<LeachingCurve>& curves);

}  // namespace vantorel
