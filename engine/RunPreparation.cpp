// Run preparation and unit conversion: from the data set as entered to the run's units and back.

#include <algorithm>
#include <array>
#include <string>

#include "engine/Engine.h"
#include "model/DataChecks.h"

namespace vantorel {

namespace {

struct ZoneProperties {
    const char* name;
    double thickness, total_porosity, effective_porosity;
};

int CountMeasured(const StepSeries& series, int32_t steps) {
    int count = 0;
    for (int32_t i = 1; i <= steps; ++i) {
        if (series[i] > 0) ++count;
    }
    return count;
}

double StoredWater(double thickness, double total_porosity) {
    const double water = 1000 * thickness * total_porosity;
    return water < 0.001 ? 0.001 : water;
}

}  // namespace

// Counts that neither the editors nor a file that loads can give: the run allocates by them and reads
// every series up to the number of time steps.
bool Engine::CheckRunCounts() {
    const InputData& d = state_.Input;
    if (const auto refusal = StepLengthRefusal(d.Ts)) {
        dialogs_.ShowMessage(*refusal);
        return false;
    }
    if (d.Is1Layer + d.Is2Layer + d.Is3Layer != 1 || d.NrLayers != (d.Is3Layer ? 3 : d.Is2Layer ? 2 : 1)) {
        dialogs_.ShowMessage(LayerCountMessage);
        return false;
    }
    const size_t size = static_cast<size_t>(std::max(d.NrTimeSteps, 0)) + 1;
    bool covered = d.NrTimeSteps >= 1;
    for (const StepSeries* series : {&d.Rain, &d.Irrig, &d.IrrSpread, &d.ETp, &d.Sdr, &d.DwtMeas, &d.DrainMeas,
                                     &d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
        covered = covered && series->size() >= size;
    }
    if (!covered) {
        dialogs_.ShowMessage("The data do not cover " + std::to_string(d.NrTimeSteps) +
                             " time steps. Please check and save the hydrological data.");
        return false;
    }
    return true;
}

bool Engine::CheckRunData() {
    if (!CheckRunCounts()) return false;
    const InputData& d = state_.Input;
    std::vector<ZoneProperties> zones;
    if (d.Is1Layer) {
        zones.push_back({"the root zone", d.D1, d.TP1, d.EffPor1});
    } else {
        zones.push_back({"the 1st layer", d.D1, d.TP1, d.EffPor1});
        zones.push_back({"the 2nd layer", d.D2, d.TP2, d.EffPor2});
        if (d.Is3Layer) zones.push_back({"the 3rd layer", d.D3, d.TP3, d.EffPor3});
    }
    zones.push_back({"the transition zone", d.Dt, d.TPt, d.EffPort});
    zones.push_back({"the aquifer", d.Da, d.TPa, d.EffPora});

    // Each thickness divides the preparation's split constants, each effective porosity the
    // water-table movement; a total porosity of 0 or less leaves a zone without water to hold salt.
    for (const ZoneProperties& zone : zones) {
        const std::array<std::pair<const char*, double>, 3> properties = {{
            {"thickness", zone.thickness},
            {"total porosity", zone.total_porosity},
            {"effective porosity", zone.effective_porosity},
        }};
        for (const auto& [property, value] : properties) {
            if (!(value > 0)) {
                dialogs_.ShowMessage(std::string("The ") + property + " of " + zone.name +
                                     " must be greater than 0. Please adjust data.");
                return false;
            }
        }
    }
    if (!(d.IrrEff > 0)) {
        dialogs_.ShowMessage("The irrigation efficiency must be greater than 0. Please adjust data.");
        return false;
    }
    return true;
}

void Engine::PrepareRun() {
    InputData& d = state_.Input;
    RunValues& r = state_.Run;
    const int32_t n = d.NrTimeSteps;
    entered_ = d;

    r.Current = {d.S1init, d.S2init, d.S3init, d.STinit, d.SAinit};

    for (double* percentage : {&d.TP1, &d.TP2, &d.TP3, &d.TPt, &d.TPa, &d.EffPor1, &d.EffPor2, &d.EffPor3,
                               &d.EffPort, &d.EffPora, &d.LE1, &d.LE2, &d.LE3, &d.LEt, &d.LEa, &d.IrrEff}) {
        *percentage = *percentage / 100;
    }
    r.LEGiven = {d.LE1, d.LE2, d.LE3, d.LEt, d.LEa};

    r.Dr = RootZoneThickness(d);

    d.NrSalt1 = CountMeasured(d.S1meas, n);
    d.NrSalt2 = d.NrLayers >= 2 ? CountMeasured(d.S2meas, n) : 0;
    d.NrSalt3 = d.NrLayers == 3 ? CountMeasured(d.S3meas, n) : 0;
    d.NrSaltT = CountMeasured(d.STmeas, n);
    d.NrSaltA = CountMeasured(d.SAmeas, n);

    const size_t size = static_cast<size_t>(n) + 1;
    for (StepSeries* series : {&r.Dwt, &r.Perc, &r.Cap, &r.EvapT, &d.Stor, &d.MrT, &d.Pond, &r.S1, &r.S2, &r.S3,
                               &r.STr, &r.SAq, &r.Infil, &d.SdrGiven, &d.InfExcess}) {
        series->assign(size, 0.0);
    }
    r.Drain.assign(size + 1, 0.0);
    d.Sdr.resize(size);
    d.DrainMeas.resize(size);
    r.Perc1Day.Allocate(n, d.Ts);
    r.Perc2Day.Allocate(n, d.Ts);
    r.Cap1Day.Allocate(n, d.Ts);
    r.Cap2Day.Allocate(n, d.Ts);
    if (d.Is3Layer) {
        r.Perc3Day.Allocate(n, d.Ts);
        r.Cap3Day.Allocate(n, d.Ts);
    }
    r.Dwt[0] = d.DwtInit;

    r.AvD = (d.D1 + d.D2) / 2;
    r.R1 = (d.D1 - r.AvD) / (d.D1 + d.D2);
    r.R2 = (d.D2 - r.AvD) / (d.D1 + d.D2);
    if (d.Is3Layer) {
        r.AvD = (d.D1 + d.D2 + d.D3) / 3;
        r.R1 = (d.D1 - r.AvD) / (d.D1 + d.D2 + d.D3);
        r.R2 = (d.D2 - r.AvD) / (d.D1 + d.D2 + d.D3);
        r.R3 = (d.D3 - r.AvD) / (d.D1 + d.D2 + d.D3);
    }

    for (int32_t i = 1; i <= n; ++i) {
        d.Rain[i] = d.Rain[i] / d.Ts;
        d.Irrig[i] = d.Irrig[i] / d.Ts;
        d.IrrSpread[i] = d.IrrSpread[i] / d.Ts;
        d.ETp[i] = d.ETp[i] / d.Ts;
        d.Sdr[i] = d.Sdr[i] / d.Ts;
        // A missing discharge keeps its marker; divided it would pass for a measurement.
        if (d.DrainMeas[i] > MissingDepthOrDischarge) d.DrainMeas[i] = d.DrainMeas[i] / d.Ts;
        d.InfExcess[i] = d.InfExcess[i] / d.Ts;
    }
    for (int32_t i = 1; i <= n; ++i) d.SdrGiven[i] = d.Sdr[i];
    prepared_irrigation_ = d.IrrSpread;

    r.Down = d.Out - d.Inf;
    if (r.Down < 0) r.Down = 0;
    r.Up = d.Inf - d.Out;
    if (r.Up < 0) r.Up = 0;

    r.W1 = StoredWater(d.D1, d.TP1);
    r.W2 = StoredWater(d.D2, d.TP2);
    r.W3 = StoredWater(d.D3, d.TP3);
    r.Wt = StoredWater(d.Dt, d.TPt);
    r.Wa = StoredWater(d.Da, d.TPa);
}

// Multiplying the fractions by 100 and the per-day flows by the step length would not always give
// the entered numbers back to the last bit; the values taken before the run do.
void Engine::RestoreUnits() {
    InputData& d = state_.Input;
    const InputData& e = entered_;
    d.TP1 = e.TP1;
    d.TP2 = e.TP2;
    d.TP3 = e.TP3;
    d.TPt = e.TPt;
    d.TPa = e.TPa;
    d.EffPor1 = e.EffPor1;
    d.EffPor2 = e.EffPor2;
    d.EffPor3 = e.EffPor3;
    d.EffPort = e.EffPort;
    d.EffPora = e.EffPora;
    d.LE1 = e.LE1;
    d.LE2 = e.LE2;
    d.LE3 = e.LE3;
    d.LEt = e.LEt;
    d.LEa = e.LEa;
    d.IrrEff = e.IrrEff;
    d.Rain = e.Rain;
    d.Irrig = e.Irrig;
    d.IrrSpread = e.IrrSpread;
    d.ETp = e.ETp;
    d.Sdr = e.Sdr;
    d.SdrGiven = e.SdrGiven;
    d.DrainMeas = e.DrainMeas;
}

}  // namespace vantorel
