// The final salt balance: day by day, every zone from the top down, with the flows the water
// balance stored and the leaching efficiencies as the searches left them.

#include <cmath>

#include "engine/Engine.h"
#include "engine/SaltUpdate.h"

namespace vantorel {

namespace {

struct FitSum {
    double squares = 0;
    void Add(int32_t day, int32_t last_day, double simulated, double measured) {
        if (day == last_day && measured > 0) {
            const double difference = simulated - measured;
            squares = squares + difference * difference;
        }
    }
};

// What a root-zone layer passes on to the layer below it in a day: its leaching efficiency, its
// percolation, the capillary rise into it and its mean salinity of the day.
struct LayerOutflow {
    double le, perc, cap, mean;
};

// A root-zone layer below the first takes the salt that percolates from the layer above and what
// rises from the zone below it; s goes to the day's new salinity.
LayerOutflow UpdateLowerLayer(const LayerOutflow& above, double perc, double cap, double below, double le, double w,
                              double (*floor)(double), double& s) {
    const double s_new = floor(UpdatedSalinity(s, above.le * above.perc * above.mean + cap * below,
                                               perc + above.cap, le, w));
    const LayerOutflow outflow{le, perc, cap, (s + s_new) / 2};
    s = s_new;
    return outflow;
}

double SumOfSquaredMeasurements(const StepSeries& measured, int32_t steps) {
    double sum = 0;
    for (int32_t i = 1; i <= steps; ++i) {
        if (measured[i] > 0) sum = sum + measured[i] * measured[i];
    }
    return sum;
}

}  // namespace

void Engine::RunSaltBalance() {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    const int32_t n = d.NrTimeSteps;
    const int32_t ts = d.Ts;

    // The salinity of the zone right under each root-zone layer.
    double below1 = d.Is1Layer ? d.STinit : d.S2init;
    double below2 = d.Is2Layer ? d.STinit : d.S3init;
    double below3 = d.STinit;
    double s1 = d.S1init, s2 = d.S2init, s3 = d.S3init, st = d.STinit, sa = d.SAinit;
    FitSum fit1, fit2, fit3, fit_t, fit_a;

    for (int32_t i = 1; i <= n; ++i) {
        const double applied = d.Is1Layer ? d.IrrSpread[i] : d.IrrSpread[i] - d.InfExcess[i];
        for (int32_t day = 1; day <= ts; ++day) {
            const double perc1 = r.Perc1Day(i, day);
            const double cap1 = r.Cap1Day(i, day);

            double salt_in = applied * d.Si + cap1 * below1;
            double q = perc1;
            if (d.IrrSpread[i] - d.InfExcess[i] < 0) salt_in = cap1 * below1;
            if (r.Dwt[i] < 0) {
                salt_in = r.Infil[i] * d.Si;
                q = r.Infil[i];
            }
            const double s1_new = FloorAtZero(UpdatedSalinity(s1, salt_in, q, d.LE1, r.W1));
            fit1.Add(day, ts, s1_new, d.S1meas[i]);
            const double s1a = (s1 + s1_new) / 2;
            s1 = s1_new;

            // The lowest root-zone layer feeds the transition zone.
            LayerOutflow lowest{d.LE1, perc1, cap1, s1a};
            if (d.Is2Layer || d.Is3Layer) {
                lowest = UpdateLowerLayer(lowest, r.Perc2Day(i, day), r.Cap2Day(i, day), below2, d.LE2, r.W2,
                                          FloorAtZero, s2);
                fit2.Add(day, ts, s2, d.S2meas[i]);
                below1 = s2;
                if (d.Is3Layer) {
                    lowest = UpdateLowerLayer(lowest, r.Perc3Day(i, day), r.Cap3Day(i, day), below3, d.LE3, r.W3,
                                              FloorBelowZero, s3);
                    fit3.Add(day, ts, s3, d.S3meas[i]);
                    below2 = s3;
                }
            }

            // With one layer the horizontal inflow is taken off the transition zone's outflow.
            const double q_t = d.Is1Layer ? r.Drain[i] - d.Inf : r.Drain[i];
            const double st_new = FloorBelowZero(
                UpdatedSalinity(st, lowest.le * lowest.perc * lowest.mean + r.Up * sa, q_t, d.LEt, r.Wt));
            fit_t.Add(day, ts, st_new, d.STmeas[i]);
            const double sta = (st + st_new) / 2;
            st = st_new;
            if (d.Is1Layer) below1 = st;
            if (d.Is2Layer) below2 = st;
            if (d.Is3Layer) below3 = st;

            const double sa_new = FloorBelowZero(
                UpdatedSalinity(sa, d.LEt * r.Down * sta + d.Inf * d.Sinf, d.Out + r.Up, d.LEa, r.Wa));
            fit_a.Add(day, ts, sa_new, d.SAmeas[i]);
            sa = sa_new;
        }
        r.S1[i] = s1;
        r.S2[i] = s2;
        r.S3[i] = s3;
        r.STr[i] = st;
        r.SAq[i] = sa;
    }
    r.Current = {s1, s2, s3, st, sa};

    struct ZoneFit {
        int32_t count;
        const FitSum& sum;
        const StepSeries& measured;
        double& index;
        bool limited;
    };
    const ZoneFit fits[ZoneCount] = {
        {d.NrSalt1, fit1, d.S1meas, r.SaltFit1, false},
        {d.NrSalt2, fit2, d.S2meas, r.SaltFit2, false},
        {d.NrSalt3, fit3, d.S3meas, r.SaltFit3, false},
        {d.NrSaltT, fit_t, d.STmeas, r.SaltFitT, true},
        {d.NrSaltA, fit_a, d.SAmeas, r.SaltFitA, true},
    };
    for (int zone = 0; zone < ZoneCount; ++zone) {
        const ZoneFit& fit = fits[zone];
        if (fit.count > 3) {
            fit.index = 1 - std::sqrt(fit.sum.squares / SumOfSquaredMeasurements(fit.measured, n));
            if (fit.limited && fit.index < 0) fit.index = 0;
        }
    }
    for (int zone = 0; zone < ZoneCount; ++zone) {
        r.SaltFitNA[zone] = fits[zone].count < 4;
        if (r.SaltFitNA[zone]) fits[zone].index = 0;
    }
}

}  // namespace vantorel
