// The leaching-efficiency searches: for one zone, the candidate efficiencies 0.11, 0.12, ... each
// run through a reduced salt balance of the whole period, the one with the smallest sum of squared
// differences from the measured salinities kept.

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Engine.h"
#include "engine/ParallelFor.h"
#include "engine/SaltUpdate.h"

namespace vantorel {

namespace {

// The test B below which the irrigation brings no salt into the top layer.
enum class IrrigationTest { IrrigMinusInfExcess, IrrigMinusSdrMinusInfExcess, IrrSpreadMinusInfExcess };

// One row per search. `deepest` is the lowest zone the search simulates; zones below it keep their
// initial salinity.
struct LeachingSearchRow {
    int32_t layers;
    Zone searched;
    int trials;
    Zone deepest;
    IrrigationTest b;
    bool capped_sum;
    bool capped_mean;
    bool top_layer_floor;
    // The two-layer aquifer search: the aquifer's seepage into the transition zone carries the
    // aquifer's own working efficiency, and the transition zone also loses the rise into layer 2.
    bool aquifer_seepage_leached;
};

using IT = IrrigationTest;
constexpr LeachingSearchRow LeachingSearches[] = {
    // layers, zone, trials, deepest simulated, B, sum capped, mean capped, top floor, special
    {1, Layer1, 180, TransitionZone, IT::IrrigMinusInfExcess, true, true, true, false},
    {1, TransitionZone, 180, TransitionZone, IT::IrrigMinusSdrMinusInfExcess, false, false, false, false},
    {1, Aquifer, 280, Aquifer, IT::IrrigMinusSdrMinusInfExcess, false, false, false, false},
    {2, Layer1, 180, Layer2, IT::IrrSpreadMinusInfExcess, true, true, true, false},
    {2, Layer2, 180, TransitionZone, IT::IrrigMinusInfExcess, false, false, true, false},
    {2, TransitionZone, 180, TransitionZone, IT::IrrSpreadMinusInfExcess, false, false, true, false},
    {2, Aquifer, 280, Aquifer, IT::IrrSpreadMinusInfExcess, false, false, true, true},
    {3, Layer1, 180, Layer2, IT::IrrSpreadMinusInfExcess, true, true, true, false},
    {3, Layer2, 280, Layer3, IT::IrrSpreadMinusInfExcess, true, true, true, false},
    {3, Layer3, 280, TransitionZone, IT::IrrSpreadMinusInfExcess, true, false, true, false},
    {3, TransitionZone, 180, TransitionZone, IT::IrrSpreadMinusInfExcess, true, true, true, false},
    {3, Aquifer, 280, Aquifer, IT::IrrSpreadMinusInfExcess, true, false, true, false},
};

const LeachingSearchRow* FindSearch(int32_t layers, Zone zone) {
    for (const LeachingSearchRow& row : LeachingSearches) {
        if (row.layers == layers && row.searched == zone) return &row;
    }
    return nullptr;
}

// The simulation of one search, with everything that does not change from trial to trial.
class LeachingTrial {
public:
    LeachingTrial(const ModelState& state, const LeachingSearchRow& row) : d_(state.Input), r_(state.Run), row_(row) {
        const double thickness[3] = {d_.D1, d_.D2, d_.D3};
        double bottom = 0;
        for (int layer = 0; layer < row.layers; ++layer) bottom = bottom + thickness[layer];
        transition_bottom_ = bottom + d_.Dt;
        lowest_ = static_cast<Zone>(row.layers - 1);
    }

    // The sum of squares of one candidate; `efficiency` holds the working efficiencies, which the
    // two-layer aquifer search reads as they stand.
    double SumOfSquares(double candidate, const double (&efficiency)[ZoneCount]) const {
        const int32_t n = d_.NrTimeSteps, ts = d_.Ts;
        double le[ZoneCount];
        for (int z = 0; z < ZoneCount; ++z) le[z] = efficiency[z];
        le[row_.searched] = candidate;
        const double water[ZoneCount] = {r_.W1, r_.W2, r_.W3, r_.Wt, r_.Wa};
        const StepSeries* measured[ZoneCount] = {&d_.S1meas, &d_.S2meas, &d_.S3meas, &d_.STmeas, &d_.SAmeas};
        const StepSeries& meas = *measured[row_.searched];
        const DayTable* perc[3] = {&r_.Perc1Day, &r_.Perc2Day, &r_.Perc3Day};
        const DayTable* cap[3] = {&r_.Cap1Day, &r_.Cap2Day, &r_.Cap3Day};
        const bool simulated[ZoneCount] = {true, row_.layers >= 2 && row_.deepest >= Layer2,
                                           row_.layers == 3 && row_.deepest >= Layer3,
                                           row_.deepest >= TransitionZone, row_.deepest == Aquifer};
        // The zone right under each root-zone layer.
        const Zone next[3] = {row_.layers >= 2 ? Layer2 : TransitionZone, row_.layers == 3 ? Layer3 : TransitionZone,
                              TransitionZone};

        double s[ZoneCount] = {d_.S1init, d_.S2init, d_.S3init, d_.STinit, d_.SAinit};
        double mean[ZoneCount] = {};
        double sum = 0;
        const auto update = [&](Zone zone, double salt_in, double q, int32_t i, int32_t day) {
            double updated = UpdatedSalinity(s[zone], salt_in, q, le[zone], water[zone]);
            if (zone == Layer1) {
                if (row_.top_layer_floor) updated = FloorAtZero(updated);
            } else if (zone == Layer2) {
                updated = FloorAtZero(updated);
            } else {
                updated = FloorBelowZero(updated);
            }
            mean[zone] = (s[zone] + updated) / 2;
            if (zone == row_.searched && row_.capped_mean && mean[zone] > 1000) mean[zone] = 1000;
            s[zone] = updated;
            if (zone == row_.searched && day == ts && meas[i] > 0) {
                const double difference = updated - meas[i];
                sum = sum + difference * difference;
                if (row_.capped_sum && sum > 1000) sum = 1000;
            }
        };

        for (int32_t i = 1; i <= n; ++i) {
            const double applied = row_.layers == 1 ? d_.IrrSpread[i] : d_.IrrSpread[i] - d_.InfExcess[i];
            double b = d_.IrrSpread[i] - d_.InfExcess[i];
            if (row_.b == IT::IrrigMinusInfExcess) b = d_.Irrig[i] - d_.InfExcess[i];
            if (row_.b == IT::IrrigMinusSdrMinusInfExcess) b = d_.Irrig[i] - d_.Sdr[i] - d_.InfExcess[i];
            const bool above_surface = r_.Dwt[i] < 0;
            const bool below_transition = transition_bottom_ <= r_.Dwt[i];
            for (int32_t day = 1; day <= ts; ++day) {
                double salt_in = applied * d_.Si + (*cap[0])(i, day) * s[next[0]];
                if (b < 0) salt_in = (*cap[0])(i, day) * s[next[0]];
                double q = (*perc[0])(i, day);
                if (above_surface) {
                    salt_in = r_.Infil[i] * d_.Si;
                    q = r_.Infil[i];
                }
                update(Layer1, salt_in, q, i, day);

                for (int layer = 1; layer < row_.layers && simulated[layer]; ++layer) {
                    const Zone zone = static_cast<Zone>(layer);
                    update(zone,
                           (*perc[layer - 1])(i, day) * mean[layer - 1] * le[layer - 1] +
                               (*cap[layer])(i, day) * s[next[layer]],
                           (*perc[layer])(i, day) + (*cap[layer - 1])(i, day), i, day);
                }

                if (!simulated[TransitionZone]) continue;
                const double p = (*perc[lowest_])(i, day);
                double salt_in_t = p * mean[lowest_] * le[lowest_] + r_.Up * s[Aquifer];
                double q_t = r_.Drain[i] + r_.Down;
                if (row_.searched == TransitionZone) q_t = (below_transition ? p : r_.Drain[i]) + r_.Down;
                if (row_.aquifer_seepage_leached) {
                    salt_in_t = p * mean[lowest_] * le[lowest_] + r_.Up * s[Aquifer] * efficiency[Aquifer];
                    q_t = r_.Drain[i] + (*cap[1])(i, day) + r_.Down;
                }
                update(TransitionZone, salt_in_t, q_t, i, day);

                if (!simulated[Aquifer]) continue;
                update(Aquifer, (below_transition ? p + r_.Down : r_.Down) * mean[TransitionZone] + d_.Inf * d_.Sinf,
                       d_.Out + r_.Up, i, day);
            }
        }
        return sum;
    }

private:
    const InputData& d_;
    const RunValues& r_;
    const LeachingSearchRow& row_;
    double transition_bottom_ = 0;
    Zone lowest_ = Layer1;
};

}  // namespace

void Engine::SearchLeachingEfficiency(int32_t layers, Zone zone) {
    const LeachingSearchRow* row = FindSearch(layers, zone);
    if (!row) return;
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    double* working[ZoneCount] = {&d.LE1, &d.LE2, &d.LE3, &d.LEt, &d.LEa};
    double* fit[ZoneCount] = {&r.SaltFit1, &r.SaltFit2, &r.SaltFit3, &r.SaltFitT, &r.SaltFitA};
    const StepSeries* measured[ZoneCount] = {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas};

    const LeachingTrial trial(state_, *row);
    // The candidates are accumulated: 0.1 + 0.01 + 0.01 ...
    std::vector<double> candidates(static_cast<size_t>(row->trials) + 1);
    candidates[0] = 0.1;
    for (int k = 1; k <= row->trials; ++k) candidates[k] = candidates[k - 1] + 0.01;
    const auto working_efficiencies = [&d](double (&efficiency)[ZoneCount]) {
        const double values[ZoneCount] = {d.LE1, d.LE2, d.LE3, d.LEt, d.LEa};
        std::copy(values, values + ZoneCount, efficiency);
    };
    double best = 1000000;
    LeachingCurve& curve = r.LeachingCurves.emplace_back();
    curve.zone = zone;
    curve.efficiency.assign(candidates.begin() + 1, candidates.end());
    curve.sum_of_squares.resize(static_cast<size_t>(row->trials));
    if (row->aquifer_seepage_leached) {
        // Each improving candidate becomes the working efficiency the next trials read: in order.
        for (int k = 1; k <= row->trials; ++k) {
            ThrowIfStopRequested(stop_);
            double efficiency[ZoneCount];
            working_efficiencies(efficiency);
            const double sum = trial.SumOfSquares(candidates[k], efficiency);
            curve.sum_of_squares[k - 1] = sum;
            if (sum < best) {
                best = sum;
                *working[zone] = candidates[k];
            }
        }
    } else {
        // The trials do not depend on each other: run them side by side, then choose in order.
        double efficiency[ZoneCount];
        working_efficiencies(efficiency);
        std::vector<double> sums(static_cast<size_t>(row->trials) + 1);
        ParallelFor(1, row->trials + 1, [&](int k, unsigned) {
            if (!StopRequested(stop_)) sums[k] = trial.SumOfSquares(candidates[k], efficiency);
        });
        ThrowIfStopRequested(stop_);
        std::copy(sums.begin() + 1, sums.end(), curve.sum_of_squares.begin());
        for (int k = 1; k <= row->trials; ++k) {
            if (sums[k] < best) {
                best = sums[k];
                *working[zone] = candidates[k];
            }
        }
    }
    double measured_squares = 0;
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        const double m = (*measured[zone])[i];
        if (m > 0) measured_squares = measured_squares + m * m;
    }
    *fit[zone] = 1 - std::sqrt(best / measured_squares);
}

}  // namespace vantorel
