#include "model/DerivedValues.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantorel {
namespace {

InputData WithIrrigation(const std::vector<double>& irrigation, int32_t step_length) {
    InputData d;
    d.NrTimeSteps = static_cast<int32_t>(irrigation.size());
    d.Ts = step_length;
    ResizeLoadedSeries(d);
    for (size_t i = 0; i < irrigation.size(); ++i) {
        d.Irrig[i + 1] = irrigation[i];
        d.DwtMeas[i + 1] = MissingDepthOrDischarge;
        d.DrainMeas[i + 1] = MissingDepthOrDischarge;
    }
    return d;
}

std::vector<double> Spread(const InputData& d) { return std::vector<double>(d.IrrSpread.begin() + 1, d.IrrSpread.end()); }

TEST(DerivedValuesTest, DailyIrrigationIsSharedWithUpToFourFollowingDryDays) {
    InputData d = WithIrrigation({100, 0, 0, 0, 0, 0, 0}, 1);
    ComputeDerivedValues(d);
    EXPECT_EQ(Spread(d), (std::vector<double>{20, 20, 20, 20, 20, 0, 0}));

    d = WithIrrigation({100, 0, 50, 0, 0, 0, 0}, 1);
    ComputeDerivedValues(d);
    EXPECT_EQ(Spread(d), (std::vector<double>{50, 50, 12.5, 12.5, 12.5, 12.5, 0}));
}

TEST(DerivedValuesTest, SpreadingStopsBeforeTheLastDayOfTheRun) {
    InputData d = WithIrrigation({90, 0, 0}, 1);
    ComputeDerivedValues(d);
    EXPECT_EQ(Spread(d), (std::vector<double>{45, 45, 0}));

    d = WithIrrigation({0, 90, 0}, 1);
    ComputeDerivedValues(d);
    EXPECT_EQ(Spread(d), (std::vector<double>{0, 90, 0}));
}

TEST(DerivedValuesTest, TraceOfIrrigationStartsASpreadOfItsOwn) {
    // A trace of irrigation (at most 0.01) counts as dry for the day before it, yet starts a
    // spread of its own that overwrites the shares it received.
    InputData d = WithIrrigation({100, 0.01, 0, 0, 0, 0, 0, 0}, 1);
    ComputeDerivedValues(d);
    EXPECT_DOUBLE_EQ(d.IrrSpread[1], 20);
    EXPECT_DOUBLE_EQ(d.IrrSpread[2], 0.002);
    EXPECT_DOUBLE_EQ(d.IrrSpread[6], 0.002);
    EXPECT_EQ(d.IrrSpread[7], 0);
}

TEST(DerivedValuesTest, LongerStepsApplyTheIrrigationAsGiven) {
    for (int32_t length : {360, 30, 7}) {
        InputData d = WithIrrigation({100, 0, 0, 0, 0, 0, 0}, length);
        ComputeDerivedValues(d);
        EXPECT_EQ(Spread(d), (std::vector<double>{100, 0, 0, 0, 0, 0, 0})) << length;
    }
}

TEST(DerivedValuesTest, IrrigationListCountsStepsFromOneHundredthOfAMillimetre) {
    InputData d = WithIrrigation({0, 5, 0.009, 0.01, 0, 0, 7, 0}, 30);
    ComputeDerivedValues(d);
    EXPECT_EQ(d.IrrSteps, (std::vector<int32_t>{0, 2, 4, 7, 8}));
    EXPECT_EQ(d.IrrIntervals, (std::vector<double>{0, 2, 2, 3, 1}));

    d = WithIrrigation({0, 0, 0}, 30);
    ComputeDerivedValues(d);
    EXPECT_EQ(d.IrrSteps, (std::vector<int32_t>{0, 3}));
    EXPECT_EQ(d.IrrIntervals, (std::vector<double>{0, 3}));
}

TEST(DerivedValuesTest, MeasurementCountsSkipZeroAndMarkers) {
    InputData d = WithIrrigation({0, 0, 0, 0, 0}, 30);
    d.DwtMeas = {0, 1.2, 0, MissingDepthOrDischarge, -5, 0.8};
    d.DrainMeas = {0, 0, 3.5, 2, MissingDepthOrDischarge, 0};
    ComputeDerivedValues(d);
    EXPECT_EQ(d.NrMeasDwt, 2);
    EXPECT_EQ(d.NrMeasDrain, 2);
}

}  // namespace
}  // namespace vantorel
