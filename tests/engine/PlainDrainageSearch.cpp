#include "tests/engine/PlainDrainageSearch.h"

#include <cmath>

namespace vantorel::test {

namespace {

double Max0(double x) { return x < 0 ? 0 : x; }

// The porosity as the model words it: each test overriding the earlier ones.
double EffPorAt(const InputData& d, double dr, double dwt) {
    double p = 1;
    if (dwt <= 0) p = 1;
    if (0 < dwt && dwt <= (d.Is1Layer ? dr : d.D1)) p = d.EffPor1;
    if ((d.Is2Layer || d.Is3Layer) && d.D1 < dwt && dwt <= d.D1 + d.D2) p = d.EffPor2;
    if (d.Is3Layer && d.D1 + d.D2 < dwt && dwt <= dr) p = d.EffPor3;
    if (dr < dwt && dwt <= dr + d.Dt) p = d.EffPort;
    if (dwt > dr + d.Dt) p = d.EffPora;
    return p;
}

}  // namespace

DrainageTrialSums PlainDrainageSearch(const ModelState& prepared, const StepSeries& prepared_irrigation) {
    InputData d = prepared.Input;
    const double dr = prepared.Run.Dr;
    const int32_t n = d.NrTimeSteps;
    double mrm = 1000 * ((d.TP1 - d.EffPor1) * d.D1);
    if (d.Is2Layer) mrm = 1000 * ((d.TP1 - d.EffPor1) * d.D1 + (d.TP2 - d.EffPor2) * d.D2);
    if (d.Is3Layer) mrm = 1000 * ((d.TP1 - d.EffPor1) * d.D1 + (d.TP2 - d.EffPor2) * d.D2 + (d.TP3 - d.EffPor3) * d.D3);

    DrainageTrialSums sums;
    sums.balance.assign(DrainageTrials, 0);
    sums.water_table.assign(DrainageTrials, 0);
    sums.discharge.assign(DrainageTrials, 0);
    StepSeries dwt_series(n + 1), stor(n + 1), mrt(n + 1);
    for (int j = 1; j <= 100; ++j) {
        for (int k = 1; k <= 100; ++k) {
            const double qh1 = 0.001 * j, qh2 = 0.001 * k;
            stor[0] = 0;
            double pond_store = 0;
            dwt_series[0] = d.DwtInit;
            mrt[0] = d.MoistInit * mrm / 100;
            for (int32_t i = 1; i <= n; ++i) {
                d.InfExcess[i] = 0;
                d.Pond[i] = 0;
                d.Sdr[i] = d.SdrGiven[i];
                d.IrrSpread[i] = prepared_irrigation[i];
            }
            double balance = 0, water_table = 0, discharge_sum = 0;
            for (int32_t i = 1; i <= n; ++i) {
                if (!d.RicePresent && dwt_series[i - 1] >= 0) {
                    d.IrrSpread[i] = d.IrrSpread[i] - d.Sdr[i];
                    if (d.Rain[i] + d.IrrSpread[i] < 0) {
                        d.Sdr[i] = Max0(d.Sdr[i] + d.Rain[i] + d.IrrSpread[i]);
                        d.IrrSpread[i] = 0;
                    }
                }
                if (!d.RicePresent && dwt_series[i - 1] < 0) {
                    const double ponded = 1000 * -dwt_series[i - 1];
                    if (ponded <= d.SdrGiven[i]) {
                        d.Sdr[i] = ponded;
                        dwt_series[i - 1] = 0;
                    } else {
                        d.Sdr[i] = d.SdrGiven[i];
                        dwt_series[i - 1] = -(ponded - d.Sdr[i]) / 1000;
                    }
                }
                if (d.RicePresent) {
                    const double x = d.Rain[i] + d.IrrSpread[i] - d.RiceTransp * d.ETp[i] / 100 - d.InfCap;
                    if (x < d.Sdr[i]) {
                        d.Sdr[i] = x;
                        if (d.Sdr[i] > d.SdrGiven[i]) d.Sdr[i] = d.SdrGiven[i];
                        if (d.Sdr[i] < 0) d.Sdr[i] = 0;
                    }
                    d.InfExcess[i] = Max0(x - d.Sdr[i]);
                    pond_store = pond_store + d.InfExcess[i];
                    d.Pond[i] = pond_store;
                    if (pond_store > 200) {
                        const double e = pond_store - 200;
                        pond_store = 200;
                        d.Sdr[i] = d.Sdr[i] + e;
                        d.InfExcess[i] = d.InfExcess[i] - e;
                        d.Pond[i] = 200;
                    }
                }
                double perc = 0, cap = 0, day_drain = 0, eff_por = 1;
                for (int32_t day = 1; day <= d.Ts; ++day) {
                    double cf = 1;
                    if (d.Dc - 0.5 * dr > 0) {
                        cf = (d.Dc - dwt_series[i - 1]) / (d.Dc - 0.5 * dr);
                        if (cf < 0) cf = 0;
                        if (cf > 1) cf = 1;
                    }
                    const double infil = d.Rain[i] + d.IrrSpread[i] - d.Sdr[i] - d.InfExcess[i];
                    double evap;
                    if (d.ETp[i] / d.IrrEff <= infil) {
                        evap = d.ETp[i];
                        cap = 0;
                    } else {
                        evap = d.IrrEff * infil + cf * (d.ETp[i] - d.IrrEff * infil);
                        cap = Max0(evap - infil);
                    }
                    if (evap > d.ETp[i]) evap = d.ETp[i];
                    if (d.Ts == 1) {
                        stor[i] = d.Rain[i] + d.IrrSpread[i] - evap;
                        if (stor[i] + stor[i - 1] > mrm) stor[i] = mrm - stor[i - 1];
                        mrt[i] = Max0(mrt[i - 1] + stor[i]);
                        if (mrt[i] > mrm) {
                            mrt[i] = mrm;
                            stor[i] = 0;
                        }
                        perc = Max0(d.Rain[i] + d.IrrSpread[i] - evap - stor[i]);
                        if (perc > cap) {
                            perc = perc - cap;
                            cap = 0;
                        } else {
                            cap = cap - perc;
                            perc = 0;
                        }
                    } else {
                        perc = Max0(d.Rain[i] + d.IrrSpread[i] - evap);
                    }
                    eff_por = EffPorAt(d, dr, dwt_series[i - 1]);
                    double dwt = dwt_series[i - 1];
                    day_drain = 0;
                    for (int sub = 1; sub <= 10; ++sub) {
                        double dis = 0;
                        const double h = d.Dd - dwt;
                        if (h > 0) {
                            double dra = 1000 * qh2 * (h * h) / 10;
                            const double drb = 1000 * qh1 * h / 10;
                            if (dwt <= -0.1) dra = 2 * dra;
                            dis = Max0(dra + drb);
                        }
                        dwt = dwt - (perc / 10 - cap / 10 - dis + d.Inf / 10 - d.Out / 10) / (1000 * eff_por);
                        day_drain = day_drain + dis;
                    }
                    dwt_series[i] = dwt;
                }
                balance = balance + (perc - cap - day_drain + d.Inf - d.Out + stor[i] +
                                     1000 * eff_por * (dwt_series[i] - dwt_series[i - 1]));
                if (d.DwtMeas[i] > MissingDepthOrDischarge) water_table = water_table + std::abs(dwt_series[i] - d.DwtMeas[i]);
                if (d.DrainMeas[i] > MissingDepthOrDischarge) discharge_sum = discharge_sum + std::abs(day_drain - d.DrainMeas[i]);
            }
            const int index = DrainageTrialIndex(j, k);
            sums.balance[index] = balance;
            sums.water_table[index] = water_table;
            sums.discharge[index] = discharge_sum;
        }
    }
    return sums;
}

}  // namespace vantorel::test
