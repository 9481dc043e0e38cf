#pragma once
// The standard goodness-of-fit statistics of every observed series of a completed run.

#include <optional>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace vantorel {

// A statistic is empty where it is undefined for the values.
struct FitStatistics {
    std::string series;
    int32_t n = 0;
    double observed_mean = 0, simulated_mean = 0;
    std::optional<double> rmse, mae, pbias_percent, nse, kge, r_squared;
};

// The statistics of paired observed and simulated values (at least one pair).
FitStatistics ComputeFitStatistics(std::string series, const std::vector<double>& observed,
                                   const std::vector<double>& simulated);

// One row per observed series of the run that has at least one measured step, in the order
// water-table, drain-discharge, salinity-layer-1 .. -3, salinity-transition-zone, salinity-aquifer.
// The state must be as a completed RunCalculation leaves it (flows per time step).
std::vector<FitStatistics> RunFitStatistics(const ModelState& completed_run);

// The same rows for an output file read back with the measurements of its input file. A row of the
// file holds the depth at the start of its step, so the depth at the end of step i is the one of
// row i + 1; a depth measured in the last step has none to pair with and is left out.
std::vector<FitStatistics> OutputFileFitStatistics(const ModelState& read_back);

}  // namespace vantorel
