// The water balance of the root zone, the transition zone and the aquifer, step by step, day by
// day and in tenth-day sub-steps.

#include "engine/Engine.h"
#include "engine/WaterBalanceRules.h"
#include "engine/WaterTableZone.h"

namespace vantorel {

namespace {

constexpr const char* BelowAquiferMessage =
    "The water table is below the bottom of the aquifer. Calculations stopped.  Please adjust data.";

}  // namespace

void Engine::RunWaterBalance(const WaterBalanceModel& model, const std::function<void(int32_t step)>& after_step) {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    const int32_t n = d.NrTimeSteps;
    r.CalcStopped = false;

    d.Stor[0] = 0;
    r.PondStore = 0;
    r.Dwt[0] = d.DwtInit;
    r.MrM = RootZoneMoistureCapacity(d);
    d.MrT[0] = d.MoistInit * r.MrM / 100;
    for (int32_t i = 1; i <= n; ++i) {
        d.InfExcess[i] = 0;
        d.Pond[i] = 0;
        d.Sdr[i] = d.SdrGiven[i];
        d.IrrSpread[i] = prepared_irrigation_[i];
    }
    const WaterTableZones zones(d, r.Dr);
    const double half_root_zone_gap = d.Dc - 0.5 * r.Dr;
    const double c1 = 1000 * r.QH1Used, c2 = 1000 * r.QH2Used;
    const double inflow = d.Inf / 10, outflow = d.Out / 10;
    const int32_t days = model.every_day ? d.Ts : 1;

    for (int32_t i = 1; i <= n; ++i) {
        ThrowIfStopRequested(stop_);
        double drain_sum = 0, evap_sum = 0, perc_sum = 0, cap_sum = 0;

        if (!d.RicePresent && r.Dwt[i - 1] >= 0) DrainSurfaceFromIrrigation(d.Rain[i], d.IrrSpread[i], d.Sdr[i]);
        if (!d.RicePresent && r.Dwt[i - 1] < 0) DrainPondedWater(r.Dwt[i - 1], d.Sdr[i], d.SdrGiven[i]);
        const double rain_irrigation = d.Rain[i] + d.IrrSpread[i];
        if (d.RicePresent) {
            PondRiceField(rain_irrigation, d.ETp[i], d.RiceTransp, d.InfCap, d.SdrGiven[i], d.Sdr[i], d.InfExcess[i],
                          r.PondStore);
            d.Pond[i] = r.PondStore;
        }

        for (int32_t day = 1; day <= days; ++day) {
            const double cf = CapillaryFactor(r.Dwt[i - 1], d.Dc, half_root_zone_gap);
            const double infil = Infiltration(rain_irrigation, d.Sdr[i], d.InfExcess[i]);
            r.Infil[i] = infil;

            double evap = 0, cap = 0;
            EvaporationAndRise(infil, cf, d.ETp[i], d.ETp[i] / d.IrrEff, d.IrrEff, evap, cap);

            double perc = 0;
            if (d.Ts == 1) {
                d.MrT[i] = d.MrT[i - 1];
                d.Stor[i] = DailyStorage(rain_irrigation, evap, d.Stor[i - 1], r.MrM, d.MrT[i]);
                perc = RootZonePercolation(rain_irrigation, evap, d.Stor[i]);
                NetPercolationAndRise(perc, cap);
            } else {
                perc = RootZonePercolation(rain_irrigation, evap, 0);
            }

            if (d.Is1Layer) {
                r.Perc1Day(i, day) = perc;
                r.Cap1Day(i, day) = cap;
            } else if (d.Is2Layer) {
                const double evap1 = (2.0 / 3.0 + r.R1) * evap;
                const double evap2 = (1.0 / 3.0 + r.R2) * evap;
                const double perc1 = rain_irrigation / d.IrrEff - evap1;
                r.Perc1Day(i, day) = perc1;
                r.Perc2Day(i, day) = AtLeastZero(perc1 - evap2);
                r.Cap2Day(i, day) = cap;
                r.Cap1Day(i, day) = AtLeastZero(cap - evap2);
            } else {
                const double evap1 = (1.0 / 2.0 + r.R1) * evap;
                const double evap2 = (1.0 / 3.0 + r.R2) * evap;
                const double evap3 = (1.0 / 6.0 + r.R3) * evap;
                const double perc1 = AtLeastZero(rain_irrigation / d.IrrEff - evap1);
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
            const double start = r.Dwt[i - 1];
            const double recharge = perc / 10 - cap / 10;
            double dwt = start;
            double day_drain = 0;
            for (int sub = 0; sub < 10; ++sub) {
                const double discharge = d.DrainPresent ? SubStepDischarge(dwt, d.Dd, c1, c2) : 0.0;
                const double porosity =
                    zones.EffectivePorosity(model.porosity == PorosityDepth::SubStep ? dwt : start);
                dwt = SubStepDepth(dwt, recharge, discharge, inflow, outflow, 1000 * porosity);
                day_drain = day_drain + discharge;
            }
            r.Dwt[i] = dwt;

            if (model.stop_below_aquifer && r.Dwt[i] > r.Dr + d.Dt + d.Da) {
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
        r.Drain[i] = drain_sum / days;
        if (after_step) after_step(i);
    }
}

}  // namespace vantorel
