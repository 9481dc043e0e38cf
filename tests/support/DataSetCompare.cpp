#include "tests/support/DataSetCompare.h"

#include <gtest/gtest.h>

namespace vantorel::test {

static void ExpectSameSeries(const StepSeries& expected, const StepSeries& actual, int32_t steps, const char* name) {
    ASSERT_GE(actual.size(), static_cast<size_t>(steps) + 1) << name;
    for (int32_t i = 1; i <= steps; ++i) EXPECT_EQ(expected[i], actual[i]) << name << "[" << i << "]";
}

// Every field the file holds for this layer count and these options.
void ExpectSameFileContents(const InputData& e, const InputData& a) {
    EXPECT_EQ(e.Title1, a.Title1);
    EXPECT_EQ(e.Title2, a.Title2);
    EXPECT_EQ(e.NrTimeSteps, a.NrTimeSteps);
    EXPECT_EQ(e.Ts, a.Ts);
    EXPECT_EQ(e.NrLayers, a.NrLayers);
    EXPECT_EQ(e.Is1Layer, a.Is1Layer);
    EXPECT_EQ(e.Is2Layer, a.Is2Layer);
    EXPECT_EQ(e.Is3Layer, a.Is3Layer);
    const int32_t n = e.NrTimeSteps;
    ExpectSameSeries(e.Rain, a.Rain, n, "Rain");
    ExpectSameSeries(e.Irrig, a.Irrig, n, "Irrig");
    ExpectSameSeries(e.ETp, a.ETp, n, "ETp");
    ExpectSameSeries(e.Sdr, a.Sdr, n, "Sdr");
    ExpectSameSeries(e.Sdr, a.SdrGiven, n, "SdrGiven");
    ExpectSameSeries(e.DwtMeas, a.DwtMeas, n, "DwtMeas");
    ExpectSameSeries(e.DrainMeas, a.DrainMeas, n, "DrainMeas");
    ExpectSameSeries(e.S1meas, a.S1meas, n, "S1meas");
    if (e.NrLayers >= 2) ExpectSameSeries(e.S2meas, a.S2meas, n, "S2meas");
    if (e.NrLayers == 3) ExpectSameSeries(e.S3meas, a.S3meas, n, "S3meas");
    ExpectSameSeries(e.STmeas, a.STmeas, n, "STmeas");
    ExpectSameSeries(e.SAmeas, a.SAmeas, n, "SAmeas");
    EXPECT_EQ(e.D1, a.D1);
    EXPECT_EQ(e.TP1, a.TP1);
    EXPECT_EQ(e.EffPor1, a.EffPor1);
    EXPECT_EQ(e.LE1, a.LE1);
    if (e.NrLayers >= 2) {
        EXPECT_EQ(e.D2, a.D2);
        EXPECT_EQ(e.TP2, a.TP2);
        EXPECT_EQ(e.EffPor2, a.EffPor2);
        EXPECT_EQ(e.LE2, a.LE2);
        EXPECT_EQ(e.S2init, a.S2init);
    }
    if (e.NrLayers == 3) {
        EXPECT_EQ(e.D3, a.D3);
        EXPECT_EQ(e.TP3, a.TP3);
        EXPECT_EQ(e.EffPor3, a.EffPor3);
        EXPECT_EQ(e.LE3, a.LE3);
        EXPECT_EQ(e.S3init, a.S3init);
    }
    EXPECT_EQ(e.Dt, a.Dt);
    EXPECT_EQ(e.TPt, a.TPt);
    EXPECT_EQ(e.EffPort, a.EffPort);
    EXPECT_EQ(e.LEt, a.LEt);
    EXPECT_EQ(e.Da, a.Da);
    EXPECT_EQ(e.TPa, a.TPa);
    EXPECT_EQ(e.EffPora, a.EffPora);
    EXPECT_EQ(e.LEa, a.LEa);
    EXPECT_EQ(e.DrainPresent, a.DrainPresent);
    if (e.DrainPresent) {
        EXPECT_EQ(e.Dd, a.Dd);
        EXPECT_EQ(e.QH1, a.QH1);
        EXPECT_EQ(e.QH2, a.QH2);
    }
    EXPECT_EQ(e.Si, a.Si);
    EXPECT_EQ(e.S1init, a.S1init);
    EXPECT_EQ(e.STinit, a.STinit);
    EXPECT_EQ(e.SAinit, a.SAinit);
    EXPECT_EQ(e.DwtInit, a.DwtInit);
    EXPECT_EQ(e.Dc, a.Dc);
    EXPECT_EQ(e.MoistInit, a.MoistInit);
    EXPECT_EQ(e.IrrEff, a.IrrEff);
    EXPECT_EQ(e.Inf, a.Inf);
    EXPECT_EQ(e.Out, a.Out);
    EXPECT_EQ(e.Sinf, a.Sinf);
    EXPECT_EQ(e.RicePresent, a.RicePresent);
    if (e.RicePresent) {
        EXPECT_EQ(e.InfCap, a.InfCap);
        EXPECT_EQ(e.RiceTransp, a.RiceTransp);
    }
}

}  // namespace vantorel::test
