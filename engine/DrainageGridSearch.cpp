#include "engine/DrainageGridSearch.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/ParallelFor.h"
#include "engine/WaterBalanceRules.h"
#include "engine/WaterTableZone.h"

namespace vantorel {

namespace {

// What every trial shares: the per-step inputs, with the surface drainage of the two cases a
// step can start in (water table at or below the surface, or water standing on it) worked out
// once where it does not depend on the trial.
struct StepInputs {
    int32_t steps = 0;
    bool daily = false;
    bool rice = false;
    double dd = 0, dc = 0, half_root_zone_gap = 0, irr_eff = 0, inf = 0, out = 0, inf10 = 0, out10 = 0, mrm = 0;
    double dwt_init = 0, mrt_init = 0;
    // Index i for step i.
    std::vector<double> rain_irr_dry, infil_dry;  // water table at or below the surface (or rice)
    std::vector<double> rain_irr_ponded, sdr_given;
    std::vector<double> etp, etp_over_eff;
    std::vector<double> dwt_meas, drain_meas;
    std::vector<char> dwt_measured, drain_measured;
};

StepInputs PrepareStepInputs(const ModelState& state, const StepSeries& prepared_irrigation) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    StepInputs s;
    const int32_t n = d.NrTimeSteps;
    s.steps = n;
    s.daily = d.Ts == 1;
    s.rice = d.RicePresent;
    s.dd = d.Dd;
    s.dc = d.Dc;
    s.half_root_zone_gap = d.Dc - 0.5 * r.Dr;
    s.irr_eff = d.IrrEff;
    s.inf = d.Inf;
    s.out = d.Out;
    s.inf10 = d.Inf / 10;
    s.out10 = d.Out / 10;
    s.mrm = RootZoneMoistureCapacity(d);
    s.dwt_init = d.DwtInit;
    s.mrt_init = d.MoistInit * s.mrm / 100;

    const size_t size = static_cast<size_t>(n) + 1;
    for (std::vector<double>* v : {&s.rain_irr_dry, &s.infil_dry, &s.rain_irr_ponded, &s.sdr_given, &s.etp,
                                   &s.etp_over_eff, &s.dwt_meas, &s.drain_meas}) {
        v->assign(size, 0.0);
    }
    s.dwt_measured.assign(size, 0);
    s.drain_measured.assign(size, 0);
    double pond_store = 0;
    for (int32_t i = 1; i <= n; ++i) {
        double irr = prepared_irrigation[i];
        double sdr = d.SdrGiven[i];
        double inf_excess = 0;
        s.rain_irr_ponded[i] = d.Rain[i] + irr;
        if (d.RicePresent) {
            // The ponding of a rice field does not depend on the water table.
            PondRiceField(d.Rain[i] + irr, d.ETp[i], d.RiceTransp, d.InfCap, d.SdrGiven[i], sdr, inf_excess,
                          pond_store);
        } else {
            DrainSurfaceFromIrrigation(d.Rain[i], irr, sdr);
        }
        s.rain_irr_dry[i] = d.Rain[i] + irr;
        s.infil_dry[i] = Infiltration(d.Rain[i] + irr, sdr, inf_excess);
        s.sdr_given[i] = d.SdrGiven[i];
        s.etp[i] = d.ETp[i];
        s.etp_over_eff[i] = d.ETp[i] / d.IrrEff;
        s.dwt_meas[i] = d.DwtMeas[i];
        s.drain_meas[i] = d.DrainMeas[i];
        s.dwt_measured[i] = d.DwtMeas[i] > MissingDepthOrDischarge;
        s.drain_measured[i] = d.DrainMeas[i] > MissingDepthOrDischarge;
    }
    return s;
}

// The state of one row of trials (one j, k = 1 .. 100), kept as arrays so that the compiler can
// work on several trials at once; every choice is a select, never a branch per trial.
struct RowState {
    double c1[DrainageGridSize], c2[DrainageGridSize];
    double dwt[DrainageGridSize], mrt[DrainageGridSize], stor_prev[DrainageGridSize];
    double start[DrainageGridSize], pc[DrainageGridSize], den[DrainageGridSize];
    double perc[DrainageGridSize], cap[DrainageGridSize], stor[DrainageGridSize], day_drain[DrainageGridSize];
    double balance[DrainageGridSize], water_table[DrainageGridSize], discharge[DrainageGridSize];
};

// Clang does not clone templates for several instruction sets; its builds (the fuzz targets) take
// the default one, and so does Windows, which has no loader hook to choose a clone. Every clone
// gives the same result.
#if defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__) && !defined(__clang__) && !defined(_WIN32)
#define VANTOREL_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define VANTOREL_VECTOR_CLONES
#endif

// Four trials in one vector. GCC's vector extension: every operation is the same IEEE operation
// on each lane, so a lane gives what the scalar code gives.
using Lanes = double __attribute__((vector_size(32)));
constexpr int LaneCount = 4;
// Independent groups of trials worked on side by side, enough to keep the divider busy while each
// group waits for its previous sub-step.
constexpr int GroupsPerBlock = 5;
constexpr int BlockTrials = LaneCount * GroupsPerBlock;
static_assert(DrainageGridSize % BlockTrials == 0);

inline Lanes LoadLanes(const double* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void StoreLanes(double* p, Lanes v) { std::memcpy(p, &v, sizeof v); }

// The ten tenth-day sub-steps of the water table: drain discharge from the head above the drains
// (the squared-head term doubled while water stands 0.1 m or more above the surface), and the
// movement of the water table through the step's drainable porosity.
VANTOREL_VECTOR_CLONES void SubSteps(RowState& w, double dd, double inf10, double out10) {
    const Lanes drain_level = Splat<Lanes>(dd), inflow = Splat<Lanes>(inf10), outflow = Splat<Lanes>(out10);
    for (int block = 0; block < DrainageGridSize; block += BlockTrials) {
        Lanes dwt[GroupsPerBlock], drained[GroupsPerBlock];
        for (int g = 0; g < GroupsPerBlock; ++g) {
            dwt[g] = LoadLanes(w.dwt + block + g * LaneCount);
            drained[g] = Zero<Lanes>();
        }
        for (int sub = 0; sub < 10; ++sub) {
            for (int g = 0; g < GroupsPerBlock; ++g) {
                const int k = block + g * LaneCount;
                const Lanes discharge = SubStepDischarge(dwt[g], drain_level, LoadLanes(w.c1 + k), LoadLanes(w.c2 + k));
                dwt[g] = SubStepDepth(dwt[g], LoadLanes(w.pc + k), discharge, inflow, outflow, LoadLanes(w.den + k));
                drained[g] = drained[g] + discharge;
            }
        }
        for (int g = 0; g < GroupsPerBlock; ++g) {
            StoreLanes(w.dwt + block + g * LaneCount, dwt[g]);
            StoreLanes(w.day_drain + block + g * LaneCount, drained[g]);
        }
    }
}

// The trials follow the water balance with these choices; each is visible below: the days of a
// step are not repeated, nothing stops a trial, and the porosity is that of the step's start.
static_assert(!TrialBalance.every_day && !TrialBalance.stop_below_aquifer &&
              TrialBalance.porosity == PorosityDepth::StepStart);

template <bool Rice, bool Daily>
VANTOREL_VECTOR_CLONES void RunTrialRow(const StepInputs& s, const WaterTableZones& zones, int j, RowState& w) {
    constexpr int m = DrainageGridSize;
    const double qh1 = 0.001 * j;
    for (int k = 0; k < m; ++k) {
        const double qh2 = 0.001 * (k + 1);
        w.c1[k] = 1000 * qh1;
        w.c2[k] = 1000 * qh2;
        w.dwt[k] = s.dwt_init;
        w.mrt[k] = s.mrt_init;
        w.stor_prev[k] = 0;
        w.balance[k] = 0;
        w.water_table[k] = 0;
        w.discharge[k] = 0;
    }
    const double dd = s.dd, dc = s.dc, gap = s.half_root_zone_gap, irr_eff = s.irr_eff, mrm = s.mrm;
    const double inf = s.inf, out = s.out, inf10 = s.inf10, out10 = s.out10;
    // Copies, which the stores into the row state cannot alias.
    const WaterTableZones porosity = zones;

    for (int32_t i = 1; i <= s.steps; ++i) {
        const double sdr_given = s.sdr_given[i], etp = s.etp[i], etp_over_eff = s.etp_over_eff[i];
        const double rain_irr_dry = s.rain_irr_dry[i], infil_dry = s.infil_dry[i];
        const double rain_irr_ponded = s.rain_irr_ponded[i];
        for (int k = 0; k < m; ++k) {
            double start = w.dwt[k];
            double rain_irr = rain_irr_dry, infil = infil_dry;
            if (!Rice) {
                double ponded_start = start, ponded_sdr = 0;
                DrainPondedWater(ponded_start, ponded_sdr, sdr_given);
                const bool standing = start < 0;
                infil = standing ? Infiltration(rain_irr_ponded, ponded_sdr, 0.0) : infil;
                rain_irr = standing ? rain_irr_ponded : rain_irr;
                start = standing ? ponded_start : start;
            }
            const double cf = CapillaryFactor(start, dc, gap);
            double evap, cap;
            EvaporationAndRise(infil, cf, etp, etp_over_eff, irr_eff, evap, cap);

            double perc, stor = 0;
            if (Daily) {
                stor = DailyStorage(rain_irr, evap, w.stor_prev[k], mrm, w.mrt[k]);
                perc = RootZonePercolation(rain_irr, evap, stor);
                NetPercolationAndRise(perc, cap);
            } else {
                perc = RootZonePercolation(rain_irr, evap, 0);
            }
            w.perc[k] = perc;
            w.cap[k] = cap;
            w.stor[k] = stor;
            w.start[k] = start;
            w.dwt[k] = start;
            w.pc[k] = perc / 10 - cap / 10;
            w.den[k] = 1000 * porosity.EffectivePorosity(start);
        }

        SubSteps(w, dd, inf10, out10);

        const bool dwt_measured = s.dwt_measured[i], drain_measured = s.drain_measured[i];
        const double dwt_meas = s.dwt_meas[i], drain_meas = s.drain_meas[i];
        for (int k = 0; k < m; ++k) {
            w.balance[k] = w.balance[k] + BalanceTerm(w.perc[k], w.cap[k], w.day_drain[k], inf, out, w.stor[k],
                                                      w.den[k], w.dwt[k], w.start[k]);
            w.stor_prev[k] = w.stor[k];
        }
        if (dwt_measured) {
            for (int k = 0; k < m; ++k) w.water_table[k] = w.water_table[k] + std::abs(w.dwt[k] - dwt_meas);
        }
        if (drain_measured) {
            for (int k = 0; k < m; ++k) w.discharge[k] = w.discharge[k] + std::abs(w.day_drain[k] - drain_meas);
        }
    }
}

void RunTrialRow(const StepInputs& s, const WaterTableZones& zones, int j, RowState& w) {
    if (s.rice) {
        if (s.daily) return RunTrialRow<true, true>(s, zones, j, w);
        return RunTrialRow<true, false>(s, zones, j, w);
    }
    if (s.daily) return RunTrialRow<false, true>(s, zones, j, w);
    return RunTrialRow<false, false>(s, zones, j, w);
}

}  // namespace

void RunDrainageGrid(const ModelState& state, const StepSeries& prepared_irrigation, DrainageTrialSums& sums,
                     const std::function<void(int quarter)>& after_quarter, const StopRequest* stop) {
    const StepInputs inputs = PrepareStepInputs(state, prepared_irrigation);
    const WaterTableZones zones(state.Input, state.Run.Dr);
    sums.balance.assign(DrainageTrials, 0.0);
    sums.water_table.assign(DrainageTrials, 0.0);
    sums.discharge.assign(DrainageTrials, 0.0);

    std::vector<RowState> rows(WorkerCount());
    constexpr int rows_per_quarter = DrainageGridSize / 4;
    for (int quarter = 0; quarter < 4; ++quarter) {
        ParallelFor(quarter * rows_per_quarter + 1, (quarter + 1) * rows_per_quarter + 1, [&](int j, unsigned worker) {
            // The workers cannot throw: they skip the rows left, and the calling thread ends the search.
            if (StopRequested(stop)) return;
            RowState& w = rows[worker];
            RunTrialRow(inputs, zones, j, w);
            const int base = DrainageTrialIndex(j, 1);
            std::copy(w.balance, w.balance + DrainageGridSize, sums.balance.begin() + base);
            std::copy(w.water_table, w.water_table + DrainageGridSize, sums.water_table.begin() + base);
            std::copy(w.discharge, w.discharge + DrainageGridSize, sums.discharge.begin() + base);
        });
        ThrowIfStopRequested(stop);
        if (quarter < 3) after_quarter(quarter + 1);
    }
}

}  // namespace vantorel
