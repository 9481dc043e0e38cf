#include "engine/PredictionBands.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <memory>
#include <numeric>

#include "engine/Engine.h"
#include "engine/GridPosterior.h"
#include "engine/ParallelFor.h"
#include "model/NumberText.h"
#include "model/SilentDialogs.h"

namespace vantorel {

namespace {

// Where a band's values come from: a result series of the run and the data set's measurements.
struct BandSource {
    const char* name;
    StepSeries RunValues::*simulated;
    StepSeries InputData::*measured;
    double measured_above;  // a measurement counts when it is greater
    bool per_step;          // a flow per day during the run, per time step in the output file
};

std::vector<BandSource> BandSources(const InputData& d) {
    std::vector<BandSource> sources = {
        {"water_table_depth", &RunValues::Dwt, &InputData::DwtMeas, MissingDepthOrDischarge, false},
        {"drain_discharge", &RunValues::Drain, &InputData::DrainMeas, MissingDepthOrDischarge, true},
        {"salinity_layer_1", &RunValues::S1, &InputData::S1meas, 0.0, false},
    };
    if (d.NrLayers >= 2) sources.push_back({"salinity_layer_2", &RunValues::S2, &InputData::S2meas, 0.0, false});
    if (d.NrLayers == 3) sources.push_back({"salinity_layer_3", &RunValues::S3, &InputData::S3meas, 0.0, false});
    sources.push_back({"salinity_transition_zone", &RunValues::STr, &InputData::STmeas, 0.0, false});
    sources.push_back({"salinity_aquifer", &RunValues::SAq, &InputData::SAmeas, 0.0, false});
    return sources;
}

// One worker's own model state, prepared once: each final run overwrites all that it reads.
struct FinalRunner {
    FinalRunner(const InputData& data, const std::array<double, ZoneCount>& efficiencies, const StopRequest* stop) {
        state.Input = data;
        if (stop != nullptr) engine.SetStopRequest(*stop);
        if (!engine.CheckRunData()) throw PredictionBandError(dialogs.last_message);
        engine.PrepareRun();
        InputData& d = state.Input;
        d.LE1 = efficiencies[Layer1];
        d.LE2 = efficiencies[Layer2];
        d.LE3 = efficiencies[Layer3];
        d.LEt = efficiencies[TransitionZone];
        d.LEa = efficiencies[Aquifer];
    }
    ModelState state;
    SilentDialogs dialogs;
    Engine engine{state, dialogs};
};

std::string PairText(const WeightedPair& pair) {
    return "QH1 " + FormatGeneral(pair.qh1) + ", QH2 " + FormatGeneral(pair.qh2);
}

// Runs every pair and keeps the steps first .. first + count - 1 of every series, at
// values[(series * count + step - first) * pairs + pair]. Returns why a run failed, or nothing.
std::string RunPairs(std::vector<std::unique_ptr<FinalRunner>>& runners, const std::vector<BandSource>& sources,
                     const std::vector<WeightedPair>& pairs, int32_t first, int32_t count, std::vector<double>& values,
                     const StopRequest* stop) {
    const size_t pair_count = pairs.size();
    std::vector<std::string> failures(pair_count);
    std::vector<std::exception_ptr> errors(runners.size());
    std::atomic<bool> give_up{false};
    ParallelFor(0, static_cast<int>(pair_count), [&](int p, unsigned worker) {
        if (give_up || StopRequested(stop)) return;
        FinalRunner& runner = *runners[worker];
        RunValues& r = runner.state.Run;
        const int32_t ts = runner.state.Input.Ts;
        try {
            r.QH1Used = pairs[p].qh1;
            r.QH2Used = pairs[p].qh2;
            runner.engine.RunWaterBalance();
            if (r.CalcStopped) {
                failures[p] = "The final run with " + PairText(pairs[p]) + " stopped: " + runner.dialogs.last_message;
                return;
            }
            runner.engine.RunSaltBalance();
            for (size_t s = 0; s < sources.size(); ++s) {
                const StepSeries& series = r.*sources[s].simulated;
                for (int32_t i = first; i < first + count; ++i) {
                    const double value = sources[s].per_step ? series[i] * ts : series[i];
                    if (!std::isfinite(value)) {
                        failures[p] = "The final run with " + PairText(pairs[p]) +
                                      " gave a value that is not a number for " + sources[s].name + " at time step " +
                                      std::to_string(i) + ".";
                        return;
                    }
                    values[(s * count + (i - first)) * pair_count + p] = value;
                }
            }
        } catch (const RunInterrupted&) {
            give_up = true;
        } catch (...) {
            errors[worker] = std::current_exception();
            give_up = true;
        }
    });
    ThrowIfStopRequested(stop);
    for (const std::exception_ptr& error : errors) {
        if (error) std::rethrow_exception(error);
    }
    for (const std::string& failure : failures) {
        if (!failure.empty()) return failure;
    }
    return {};
}

}  // namespace

PredictionBand EmptyBand(std::string series, size_t steps) {
    PredictionBand band;
    band.series = std::move(series);
    for (std::vector<double>* column : {&band.p05, &band.p50, &band.p95, &band.measured}) column->assign(steps, NAN);
    return band;
}

void SetBandQuantiles(PredictionBand& band, size_t step, const std::vector<double>& ascending,
                      const std::vector<double>& weights) {
    band.p05[step] = QuantileOfAscending(ascending, weights, 0.05);
    band.p50[step] = QuantileOfAscending(ascending, weights, 0.50);
    band.p95[step] = QuantileOfAscending(ascending, weights, 0.95);
}

std::vector<PredictionBand> ComputePredictionBands(const InputData& data,
                                                   const std::array<double, ZoneCount>& efficiencies,
                                                   const std::vector<WeightedPair>& pairs, const StopRequest* stop,
                                                   size_t value_budget) {
    const std::vector<BandSource> sources = BandSources(data);
    const int32_t n = data.NrTimeSteps;
    std::vector<PredictionBand> bands;
    for (size_t s = 0; s < sources.size(); ++s) {
        PredictionBand& band = bands.emplace_back(EmptyBand(sources[s].name, static_cast<size_t>(n)));
        const StepSeries& measured = data.*sources[s].measured;
        for (int32_t i = 1; i <= n && i < static_cast<int32_t>(measured.size()); ++i) {
            if (measured[i] > sources[s].measured_above) band.measured[i - 1] = measured[i];
        }
    }
    if (pairs.empty() || n < 1) return bands;

    std::vector<std::unique_ptr<FinalRunner>> runners(WorkerCount());
    for (auto& runner : runners) runner = std::make_unique<FinalRunner>(data, efficiencies, stop);
    std::vector<double> weights(pairs.size());
    std::transform(pairs.begin(), pairs.end(), weights.begin(), [](const WeightedPair& pair) { return pair.weight; });

    const size_t per_step = pairs.size() * sources.size();
    const int32_t part = static_cast<int32_t>(std::clamp<size_t>(value_budget / per_step, 1, static_cast<size_t>(n)));
    std::vector<double> values;
    for (int32_t first = 1; first <= n; first += part) {
        const int32_t count = std::min(part, n - first + 1);
        values.assign(per_step * static_cast<size_t>(count), 0.0);
        const std::string failure = RunPairs(runners, sources, pairs, first, count, values, stop);
        if (!failure.empty()) throw PredictionBandError(failure);
        ParallelFor(0, static_cast<int>(sources.size()) * count, [&](int cell, unsigned) {
            const double* at_step = values.data() + static_cast<size_t>(cell) * pairs.size();
            std::vector<int> order(pairs.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [at_step](int a, int b) { return at_step[a] < at_step[b]; });
            std::vector<double> sorted(order.size()), sorted_weights(order.size());
            for (size_t k = 0; k < order.size(); ++k) {
                sorted[k] = at_step[order[k]];
                sorted_weights[k] = weights[order[k]];
            }
            SetBandQuantiles(bands[static_cast<size_t>(cell / count)], static_cast<size_t>(first - 1 + cell % count),
                             sorted, sorted_weights);
        });
    }
    return bands;
}

}  // namespace vantorel
