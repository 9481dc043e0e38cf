// The prediction bands: final runs of a run for each pair, their weighted quantiles per step.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/Engine.h"
#include "engine/ParallelFor.h"
#include "engine/PredictionBands.h"
#include "model/DerivedValues.h"
#include "tests/engine/EngineRun.h"
#include "tests/support/DataSets.h"

namespace vantorel {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

InputData DrainedField(int32_t layers, int32_t step_length, uint32_t seed) {
    InputData data = test::MakeDataSet({layers, 30, step_length, true, false, seed});
    ComputeDerivedValues(data);
    return data;
}

// The efficiencies of the data set as the run takes them: fractions.
std::array<double, ZoneCount> Efficiencies(const InputData& d) {
    return {d.LE1 / 100, d.LE2 / 100, d.LE3 / 100, d.LEt / 100, d.LEa / 100};
}

TEST(PredictionBandsTest, OnePairGivesTheSeriesOfARunWithItsFactors) {
    for (const int32_t layers : {1, 3}) {
        InputData data = DrainedField(layers, 7, 80 + layers);
        data.QH1 = 0.023;
        data.QH2 = 0.011;
        const std::vector<PredictionBand> bands =
            ComputePredictionBands(data, Efficiencies(data), {{0.023, 0.011, 1.0}});

        test::EngineRun run(data);
        run.WaterAndSaltBalance();
        ASSERT_FALSE(run.run.CalcStopped);
        const RunValues& r = run.run;
        const std::vector<std::pair<std::string, const StepSeries*>> expected = {
            {"water_table_depth", &r.Dwt}, {"drain_discharge", &r.Drain}, {"salinity_layer_1", &r.S1},
            {"salinity_layer_2", &r.S2},   {"salinity_layer_3", &r.S3},   {"salinity_transition_zone", &r.STr},
            {"salinity_aquifer", &r.SAq}};
        ASSERT_EQ(bands.size(), layers == 1 ? 5u : 7u);
        for (const PredictionBand& band : bands) {
            const auto source =
                std::find_if(expected.begin(), expected.end(), [&](const auto& e) { return e.first == band.series; });
            ASSERT_NE(source, expected.end()) << band.series;
            int differences = 0;
            for (int32_t i = 1; i <= data.NrTimeSteps; ++i) {
                // The output file holds the discharge per time step.
                const double value =
                    band.series == "drain_discharge" ? (*source->second)[i] * data.Ts : (*source->second)[i];
                differences += !SameBits(band.p05[i - 1], value) + !SameBits(band.p50[i - 1], value) +
                               !SameBits(band.p95[i - 1], value);
            }
            EXPECT_EQ(differences, 0) << band.series;
        }
        int measured = 0;
        for (int32_t i = 1; i <= data.NrTimeSteps; ++i) {
            measured += data.DwtMeas[i] > MissingDepthOrDischarge ? bands[0].measured[i - 1] == data.DwtMeas[i]
                                                                  : std::isnan(bands[0].measured[i - 1]);
        }
        EXPECT_EQ(measured, data.NrTimeSteps);
    }
}

TEST(PredictionBandsTest, WeightedQuantilesOfTwoPairsAndAllCoresOrPartsOfStepsGiveTheResultOfOne) {
    const InputData data = DrainedField(2, 30, 91);
    const std::vector<WeightedPair> two = {{0.010, 0.005, 0.3}, {0.060, 0.040, 0.7}};
    const std::vector<PredictionBand> bands = ComputePredictionBands(data, Efficiencies(data), two);
    const std::vector<PredictionBand> first = ComputePredictionBands(data, Efficiencies(data), {{0.010, 0.005, 1}});
    const std::vector<PredictionBand> second = ComputePredictionBands(data, Efficiencies(data), {{0.060, 0.040, 1}});
    const PredictionBand& depth = bands[0];
    int wrong = 0;
    for (size_t i = 0; i < depth.p50.size(); ++i) {
        const double a = first[0].p50[i], b = second[0].p50[i];
        // The lighter pair holds 30 %: the 5 % quantile is the smaller value, the others the heavier pair's.
        wrong += (depth.p05[i] != std::min(a, b)) + (depth.p50[i] != b) + (depth.p95[i] != std::max(a, b));
    }
    EXPECT_EQ(wrong, 0);

    std::vector<WeightedPair> many;
    for (int j = 1; j <= 12; ++j) many.push_back({0.004 * j, 0.003 * (13 - j), 1.0 / (j + 1)});
    const std::vector<PredictionBand> parallel = ComputePredictionBands(data, Efficiencies(data), many);
    // Results too many to keep at once: seven steps at a time.
    const std::vector<PredictionBand> in_parts =
        ComputePredictionBands(data, Efficiencies(data), many, nullptr, many.size() * parallel.size() * 7);
    ScopedWorkerLimit one(1);
    const std::vector<PredictionBand> sequential = ComputePredictionBands(data, Efficiencies(data), many);
    int differences = 0;
    for (size_t s = 0; s < parallel.size(); ++s) {
        for (size_t i = 0; i < parallel[s].p50.size(); ++i) {
            for (const std::vector<PredictionBand>* other : {&sequential, &in_parts}) {
                differences += !SameBits(parallel[s].p05[i], (*other)[s].p05[i]) +
                               !SameBits(parallel[s].p50[i], (*other)[s].p50[i]) +
                               !SameBits(parallel[s].p95[i], (*other)[s].p95[i]);
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(PredictionBandsTest, AStoppedFinalRunIsReportedAndAStopRequestEndsTheRuns) {
    InputData data = DrainedField(1, 30, 93);
    // Deep drains and far more outflow than water: the water table falls through the aquifer.
    data.Out = 500;
    data.Da = 0.5;
    try {
        ComputePredictionBands(data, Efficiencies(data), {{0.010, 0.020, 1}});
        ADD_FAILURE() << "the run should stop";
    } catch (const PredictionBandError& error) {
        EXPECT_NE(
            std::string(error.what()).find("The final run with QH1 0.01, QH2 0.02 stopped: The water table is below"),
            std::string::npos)
            << error.what();
    }

    const InputData fine = DrainedField(1, 30, 94);
    StopRequest stop;
    stop.Request();
    EXPECT_THROW(ComputePredictionBands(fine, Efficiencies(fine), {{0.01, 0.02, 1}, {0.02, 0.02, 1}}, &stop),
                 RunInterrupted);
}

}  // namespace
}  // namespace vantorel
