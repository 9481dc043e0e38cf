#include "bench/TenYearField.h"

#include <algorithm>
#include <cmath>

#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/SilentDialogs.h"

namespace vantorel::bench {

namespace {

// The depths and discharges read on the field: its water balance with drainage factors other than
// the ones the data set gives, QH1 0.020 and QH2 0.010, with the scatter of readings (Laplace
// distributed, 2 cm and 0.1 mm/day), so that a fit to them has something to find.
void MeasureWaterTableAndDischarge(InputData& field) {
    ModelState state;
    state.Input = field;
    ComputeDerivedValues(state.Input);
    SilentDialogs dialogs;
    Engine engine(state, dialogs);
    engine.PrepareRun();
    state.Run.QH1Used = 0.020;
    state.Run.QH2Used = 0.010;
    engine.RunWaterBalance();
    uint32_t seed = 2718;
    const auto scatter = [&seed](double scale) {
        seed = seed * 1664525u + 1013904223u;
        const double u = (static_cast<double>(seed >> 8) + 0.5) / 16777216.0 - 0.5;
        return -scale * std::copysign(std::log(1 - 2 * std::abs(u)), u);
    };
    for (int32_t i = 1; i <= field.NrTimeSteps; ++i) {
        if (field.DwtMeas[i] > MissingDepthOrDischarge) {
            field.DwtMeas[i] = std::round((state.Run.Dwt[i] + scatter(0.02)) * 1000) / 1000;
        }
        if (field.DrainMeas[i] > MissingDepthOrDischarge) {
            field.DrainMeas[i] = std::round(std::max(0.0, state.Run.Drain[i] + scatter(0.1)) * 100) / 100;
        }
    }
}

}  // namespace

InputData TenYearField() {
    InputData d;
    d.FileName = "ten-years.inp";
    d.Title1 = "Ten years of daily steps";
    d.Title2 = "benchmark field";
    SetDimensions(d, 3650, 1, 3);
    uint32_t seed = 12345;
    const auto uniform = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / 16777216.0;
    };
    for (int32_t i = 1; i <= d.NrTimeSteps; ++i) {
        const double season = std::sin(2 * 3.14159265358979 * (i % 365) / 365.0);
        d.Rain[i] = uniform() < 0.15 - 0.1 * season ? std::round(uniform() * 250) / 10 : 0;
        d.Irrig[i] = season > 0 && i % 10 == 0 ? 60 : 0;
        d.ETp[i] = std::round((4.5 + 2.5 * season + uniform()) * 10) / 10;
        d.Sdr[i] = d.Rain[i] > 20 ? 2 : 0;
        d.SdrGiven[i] = d.Sdr[i];
        d.DwtMeas[i] = i % 30 == 7 ? std::round((1.4 - 0.3 * season + 0.2 * uniform()) * 100) / 100 : MissingDepthOrDischarge;
        d.DrainMeas[i] = i % 30 == 19 ? std::round((1 + 2 * uniform()) * 100) / 100 : MissingDepthOrDischarge;
        for (StepSeries* s : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
            (*s)[i] = i % 90 == 45 ? std::round((3 + 2 * uniform()) * 100) / 100 : MissingSalinity;
        }
    }
    d.D1 = 0.3;
    d.D2 = 0.3;
    d.D3 = 0.4;
    d.Dt = 2.5;
    d.Da = 15;
    d.TP1 = 48;
    d.TP2 = 46;
    d.TP3 = 44;
    d.TPt = 42;
    d.TPa = 35;
    d.EffPor1 = 8;
    d.EffPor2 = 7;
    d.EffPor3 = 6;
    d.EffPort = 6;
    d.EffPora = 10;
    d.LE1 = 80;
    d.LE2 = 75;
    d.LE3 = 70;
    d.LEt = 90;
    d.LEa = 100;
    d.DrainPresent = true;
    d.Dd = 1.8;
    d.QH1 = 0.015;
    d.QH2 = 0.005;
    d.Si = 1.2;
    d.S1init = 4;
    d.S2init = 4.5;
    d.S3init = 5;
    d.STinit = 5;
    d.SAinit = 4;
    d.DwtInit = 1.5;
    d.Dc = 1.6;
    d.MoistInit = 50;
    d.IrrEff = 70;
    d.Inf = 0.3;
    d.Out = 0.5;
    d.Sinf = 3;
    MeasureWaterTableAndDischarge(d);
    return d;
}

}  // namespace vantorel::bench
