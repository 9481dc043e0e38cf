// The water balance of the root zone, the transition zone and the aquifer, step by step, day by
// day and in tenth-day sub-steps.

#include "engine/Engine.h"
#include "engine/WaterTableZone.h"

namespace vantorel {

namespace {

constexpr const char* BelowAquiferMessage =
    "The water table is below the bottom of the aquifer. Calculations stopped.  Please adjust data.";

double AtLeastZero(double value) { return value < 0 ? 0 : value; }

}  // namespace

void Engine::RunWaterBalance() {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    const int32_t n = d.NrTimeSteps;
    r.CalcStopped = false;

    d.Stor[0] = 0;
    r.PondStore = 0;
    r.Dwt[0] = d.DwtInit;
    r.MrM = 1000 * ((d.TP1 - d.EffPor1) * d.D1);
    if (d.Is2Layer) r.MrM = 1000 * ((d.TP1 - d.EffPor1) * d.D1 + (d.TP2 - d.EffPor2) * d.D2);
    if (d.Is3Layer) {
        r.MrM = 1000 * ((d.TP1 - d.EffPor1) * d.D1 + (d.TP2 - d.EffPor2) * d.D2 + (d.TP3 - d.EffPor3) * d.D3);
    }
    d.MrT[0] = d.MoistInit * r.MrM / 100;
    for (int32_t i = 1; i <= n; ++i) {
        d.InfExcess[i] = 0;
        d.Pond[i] = 0;
        d.Sdr[i] = d.SdrGiven[i];
        d.IrrSpread[i] = prepared_irrigation_[i];
    }
    const WaterTableZones zones(d, r.Dr);

    for (int32_t i = 1; i <= n; ++i) {
        double drain_sum = 0, evap_sum = 0, perc_sum = 0, cap_sum = 0;

        if (!d.RicePresent && r.Dwt[i - 1] >= 0) {
            d.IrrSpread[i] = d.IrrSpread[i] - d.Sdr[i];
            if (d.Rain[i] + d.IrrSpread[i] < 0) {
                d.Sdr[i] = AtLeastZero(d.Sdr[i] + d.Rain[i] + d.IrrSpread[i]);
                d.IrrSpread[i] = 0;
            }
        }
        if (!d.RicePresent && r.Dwt[i - 1] < 0) {
            // Ponded water drains off the surface as far as the given surface drainage allows; the
            // rest stays on the field as the step's starting depth.
            const double ponded = 1000 * -r.Dwt[i - 1];
            if (ponded <= d.SdrGiven[i]) {
                d.Sdr[i] = ponded;
                r.Dwt[i - 1] = 0;
            } else {
                d.Sdr[i] = d.SdrGiven[i];
                r.Dwt[i - 1] = -(ponded - d.Sdr[i]) / 1000;
            }
        }
        if (d.RicePresent) {
            const double x = d.Rain[i] + d.IrrSpread[i] - d.RiceTransp * d.ETp[i] / 100 - d.InfCap;
            if (x < d.Sdr[i]) {
                d.Sdr[i] = x;
                if (d.Sdr[i] > d.SdrGiven[i]) d.Sdr[i] = d.SdrGiven[i];
                if (d.Sdr[i] < 0) d.Sdr[i] = 0;
            }
            d.InfExcess[i] = AtLeastZero(x - d.Sdr[i]);
            r.PondStore = r.PondStore + d.InfExcess[i];
            d.Pond[i] = r.PondStore;
            if (r.PondStore > 200) {
                const double e = r.PondStore - 200;
                r.PondStore = 200;
                d.Sdr[i] = d.Sdr[i] + e;
                d.InfExcess[i] = d.InfExcess[i] - e;
                d.Pond[i] = 200;
            }
        }

        for (int32_t day = 1; day <= d.Ts; ++day) {
            double cf = 1;
            if (d.Dc - 0.5 * r.Dr > 0) {
                cf = (d.Dc - r.Dwt[i - 1]) / (d.Dc - 0.5 * r.Dr);
                if (cf < 0) cf = 0;
                if (cf > 1) cf = 1;
            }
            const double infil = d.Rain[i] + d.IrrSpread[i] - d.Sdr[i] - d.InfExcess[i];
            r.Infil[i] = infil;

            double evap = 0, cap = 0;
            if (d.ETp[i] / d.IrrEff <= infil) {
                evap = d.ETp[i];
                cap = 0;
            } else {
                evap = d.IrrEff * infil + cf * (d.ETp[i] - d.IrrEff * infil);
                cap = AtLeastZero(evap - infil);
            }
            if (evap > d.ETp[i]) evap = d.ETp[i];

            double perc = 0;
            if (d.Ts == 1) {
                d.Stor[i] = d.Rain[i] + d.IrrSpread[i] - evap;
                if (d.Stor[i] + d.Stor[i - 1] > r.MrM) d.Stor[i] = r.MrM - d.Stor[i - 1];
                d.MrT[i] = AtLeastZero(d.MrT[i - 1] + d.Stor[i]);
                if (d.MrT[i] > r.MrM) {
                    d.MrT[i] = r.MrM;
                    d.Stor[i] = 0;
                }
                perc = AtLeastZero(d.Rain[i] + d.IrrSpread[i] - evap - d.Stor[i]);
                if (perc > cap) {
                    perc = perc - cap;
                    cap = 0;
                } else {
                    cap = cap - perc;
                    perc = 0;
                }
            } else {
                perc = AtLeastZero(d.Rain[i] + d.IrrSpread[i] - evap);
            }

            if (d.Is1Layer) {
                r.Perc1Day(i, day) = perc;
                r.Cap1Day(i, day) = cap;
            } else if (d.Is2Layer) {
                const double evap1 = (2.0 / 3.0 + r.R1) * evap;
                const double evap2 = (1.0 / 3.0 + r.R2) * evap;
                const double perc1 = (d.Rain[i] + d.IrrSpread[i]) / d.IrrEff - evap1;
                r.Perc1Day(i, day) = perc1;
                r.Perc2Day(i, day) = AtLeastZero(perc1 - evap2);
                r.Cap2Day(i, day) = cap;
                r.Cap1Day(i, day) = AtLeastZero(cap - evap2);
            } else {
                const double evap1 = (1.0 / 2.0 + r.R1) * evap;
                const double evap2 = (1.0 / 3.0 + r.R2) * evap;
                const double evap3 = (1.0 / 6.0 + r.R3) * evap;
                const double perc1 = AtLeastZero((d.Rain[i] + d.IrrSpread[i]) / d.IrrEff - evap1);
                const double perc2 = AtLeastZero(perc1 - evap2);
                r.Perc1Day(i, day) = perc1;
                r.Perc2Day(i, day) = perc2;
                r.Perc3Day(i, day) = AtLeastZero(perc2 - evap3);
                const double cap2 = AtLeastZero(cap - evap3);
                r.Cap3Day(i, day) = cap;
                r.Cap2Day(i, day) = cap2;
                r.Cap1Day(i, day) = AtLeastZero(cap2 - evap2);
            }

            // Every day of a step starts again from the depth at the start of the step.
            double dwt = r.Dwt[i - 1];
            double day_drain = 0;
            for (int sub = 0; sub < 10; ++sub) {
                double discharge = 0;
                const double head = d.Dd - dwt;
                if (head > 0 && d.DrainPresent) {
                    double dra = 1000 * r.QH2Used * (head * head) / 10;
                    const double drb = 1000 * r.QH1Used * head / 10;
                    if (dwt <= -0.1) dra = 2 * dra;
                    discharge = AtLeastZero(dra + drb);
                }
                const double eff_por = zones.EffectivePorosity(dwt);
                dwt = dwt - (perc / 10 - cap / 10 - discharge + d.Inf / 10 - d.Out / 10) / (1000 * eff_por);
                day_drain = day_drain + discharge;
            }
            r.Dwt[i] = dwt;

            if (r.Dwt[i] > r.Dr + d.Dt + d.Da) {
                if (!quiet_stop_) dialogs_.ShowMessage(BelowAquiferMessage);
                r.CalcStopped = true;
                return;
            }
            drain_sum = drain_sum + day_drain;
            evap_sum = evap_sum + evap;
            perc_sum = perc_sum + perc;
            cap_sum = cap_sum + cap;
        }

        r.Perc[i] = perc_sum;
        r.Cap[i] = cap_sum;
        r.EvapT[i] = evap_sum;
        r.Drain[i] = drain_sum / d.Ts;
    }
}

}  // namespace vantorel
