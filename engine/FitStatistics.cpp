#include "engine/FitStatistics.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values) sum = sum + v;
    return sum / static_cast<double>(values.size());
}

// Population standard deviation; exactly 0 for equal values, whatever rounding the mean leaves.
double Deviation(const std::vector<double>& values, double mean) {
    if (std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); })) return 0;
    double sum = 0;
    for (double v : values) sum = sum + (v - mean) * (v - mean);
    return std::sqrt(sum / static_cast<double>(values.size()));
}

}  // namespace

FitStatistics ComputeFitStatistics(std::string series, const std::vector<double>& observed,
                                   const std::vector<double>& simulated) {
    FitStatistics f;
    f.series = std::move(series);
    f.n = static_cast<int32_t>(observed.size());
    if (f.n == 0) return f;
    const double count = f.n;
    f.observed_mean = Mean(observed);
    f.simulated_mean = Mean(simulated);
    double squares = 0, absolute = 0, observed_sum = 0, difference_sum = 0, observed_spread = 0, covariance = 0,
           simulated_spread = 0;
    for (int32_t i = 0; i < f.n; ++i) {
        const double o = observed[i], s = simulated[i];
        squares = squares + (s - o) * (s - o);
        absolute = absolute + std::abs(s - o);
        observed_sum = observed_sum + o;
        difference_sum = difference_sum + (o - s);
        observed_spread = observed_spread + (o - f.observed_mean) * (o - f.observed_mean);
        simulated_spread = simulated_spread + (s - f.simulated_mean) * (s - f.simulated_mean);
        covariance = covariance + (o - f.observed_mean) * (s - f.simulated_mean);
    }
    f.rmse = std::sqrt(squares / count);
    f.mae = absolute / count;
    if (observed_sum != 0) f.pbias_percent = 100 * difference_sum / observed_sum;

    const double sigma_o = Deviation(observed, f.observed_mean), sigma_s = Deviation(simulated, f.simulated_mean);
    if (f.n < 2 || sigma_o == 0) return f;
    f.nse = 1 - squares / observed_spread;
    if (sigma_s == 0) return f;
    const double r = covariance / std::sqrt(observed_spread * simulated_spread);
    f.r_squared = r * r;
    if (f.observed_mean != 0) {
        const double alpha = sigma_s / sigma_o, beta = f.simulated_mean / f.observed_mean;
        f.kge = 1 - std::sqrt((r - 1) * (r - 1) + (alpha - 1) * (alpha - 1) + (beta - 1) * (beta - 1));
    }
    return f;
}

std::vector<FitStatistics> RunFitStatistics(const ModelState& completed_run) {
    const InputData& d = completed_run.Input;
    const RunValues& r = completed_run.Run;
    struct Series {
        const char* name;
        const StepSeries& observed;
        const StepSeries& simulated;
        double missing_at_or_below;
        bool exists;
    };
    const Series all[] = {
        {"water-table", d.DwtMeas, r.Dwt, MissingDepthOrDischarge, true},
        {"drain-discharge", d.DrainMeas, r.Drain, MissingDepthOrDischarge, true},
        {"salinity-layer-1", d.S1meas, r.S1, 0, true},
        {"salinity-layer-2", d.S2meas, r.S2, 0, d.NrLayers >= 2},
        {"salinity-layer-3", d.S3meas, r.S3, 0, d.NrLayers == 3},
        {"salinity-transition-zone", d.STmeas, r.STr, 0, true},
        {"salinity-aquifer", d.SAmeas, r.SAq, 0, true},
    };
    std::vector<FitStatistics> rows;
    for (const Series& s : all) {
        if (!s.exists) continue;
        const int32_t last = std::min<int32_t>(
            d.NrTimeSteps, static_cast<int32_t>(std::min(s.observed.size(), s.simulated.size())) - 1);
        std::vector<double> observed, simulated;
        for (int32_t i = 1; i <= last; ++i) {
            if (!(s.observed[i] > s.missing_at_or_below)) continue;
            observed.push_back(s.observed[i]);
            simulated.push_back(s.simulated[i]);
        }
        if (!observed.empty()) rows.push_back(ComputeFitStatistics(s.name, observed, simulated));
    }
    return rows;
}

std::vector<FitStatistics> OutputFileFitStatistics(const ModelState& read_back) {
    ModelState paired = read_back;
    StepSeries& depth = paired.Run.Dwt;
    StepSeries& measured = paired.Input.DwtMeas;
    const int32_t last = std::min<int32_t>(paired.Input.NrTimeSteps, static_cast<int32_t>(depth.size()) - 1);
    for (int32_t i = 1; i < last; ++i) depth[i] = depth[i + 1];
    if (last >= 1 && static_cast<int32_t>(measured.size()) > last) measured[last] = MissingDepthOrDischarge;
    return RunFitStatistics(paired);
}

}  // namespace vantorel
