#include "tests/support/RoundField.h"

namespace vantorel::test {

InputData RoundField(int32_t steps, int32_t step_length, int32_t layers) {
    InputData d;
    d.FileName = "round.inp";
    d.Title1 = "Round numbers";
    d.Title2 = "worked by hand";
    SetDimensions(d, steps, step_length, layers);
    for (int32_t i = 1; i <= steps; ++i) {
        d.DwtMeas[i] = MissingDepthOrDischarge;
        d.DrainMeas[i] = MissingDepthOrDischarge;
        for (StepSeries* s : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) (*s)[i] = MissingSalinity;
    }
    d.D1 = 1.0 / layers;
    d.D2 = layers >= 2 ? 1.0 / layers : 0;
    d.D3 = layers == 3 ? 1.0 / layers : 0;
    d.Dt = 2;
    d.Da = 10;
    for (double* p : {&d.TP1, &d.TP2, &d.TP3, &d.TPt, &d.TPa}) *p = 50;
    for (double* p : {&d.EffPor1, &d.EffPor2, &d.EffPor3, &d.EffPort, &d.EffPora}) *p = 10;
    for (double* p : {&d.LE1, &d.LE2, &d.LE3, &d.LEt, &d.LEa}) *p = 100;
    d.IrrEff = 100;
    d.Dc = 0.5;
    d.DwtInit = 1.5;
    d.MoistInit = 50;
    d.Si = 1;
    d.S1init = d.S2init = d.S3init = d.STinit = d.SAinit = 2;
    d.Sinf = 1;
    return d;
}

}  // namespace vantorel::test
