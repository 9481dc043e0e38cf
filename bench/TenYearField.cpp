#include "bench/TenYearField.h"

#include <cmath>

namespace vantorel::bench {

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
    return d;
}

}  // namespace vantorel::bench
