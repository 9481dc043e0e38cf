// Axis scaling and pixel mapping of the three graph families, on small hand-made runs.

#include "graphs/GraphScaling.h"

#include "graphs/AxisLabels.h"

#include <gtest/gtest.h>

#include <tuple>

#include "graphs/GraphChoice.h"
#include "graphs/GraphRounding.h"

namespace vantorel {
namespace {

// A run of the given length with every series present and zero, nothing measured.
ModelState ZeroRun(int32_t steps, int32_t layers = 1) {
    ModelState state;
    InputData& in = state.Input;
    in.NrTimeSteps = steps;
    SetLayerCount(in, layers);
    ResizeLoadedSeries(in);
    const size_t size = static_cast<size_t>(steps) + 1;
    for (StepSeries* s : {&in.DwtMeas, &in.DrainMeas}) s->assign(size, MissingDepthOrDischarge);
    for (StepSeries* s : {&in.S1meas, &in.S2meas, &in.S3meas, &in.STmeas, &in.SAmeas}) s->assign(size, MissingSalinity);
    RunValues& r = state.Run;
    for (StepSeries* s : {&r.Dwt, &r.Perc, &r.Cap, &r.EvapT, &r.Drain, &r.S1, &r.S2, &r.S3, &r.STr, &r.SAq}) {
        s->assign(size, 0.0);
    }
    return state;
}

struct Scaled {
    ModelState state;
    GraphState graph;
    bool mapped = false;
    std::string problem;
};

// Scales and maps one graph the way the drawer does.
Scaled Scale(ModelState state, GraphType type, WaterTableMode mode = WaterTableMode::Depth) {
    Scaled r{std::move(state), {}, false, {}};
    ApplyGraphChoice(r.state, r.graph, type);
    r.graph.WaterTable = mode;
    GraphScaling scaling(r.state, r.graph);
    if (FamilyOf(type) == GraphFamily::Hydrology) {
        scaling.ScaleHydrologyAxes();
        r.mapped = scaling.MapHydrologySeries();
    } else if (FamilyOf(type) == GraphFamily::WaterTable) {
        scaling.ScaleWaterTableAxes();
        r.mapped = scaling.MapWaterTableSeries();
    } else {
        scaling.ScaleSalinityAxes();
        if (r.graph.Selection.AllZones) scaling.RaiseSalinityTopForAllZones();
        r.mapped = scaling.MapSalinitySeries();
    }
    r.problem = scaling.Problem();
    return r;
}

// Top, bottom, intervals and decimals of the Y axis.
std::tuple<int, int, int, int> YAxis(const Scaled& s) {
    const GraphAxes& a = s.graph.Axes;
    return {a.YTop, a.YBottom, a.YTicks, a.YDecimals};
}

TEST(GraphRoundingTest, HalvesGoToTheEvenNeighbourAndAbsurdValuesStayBounded) {
    EXPECT_EQ(std::make_tuple(Rnd(2.5), Rnd(3.5), Rnd(-2.5), Rnd(-0.5), Rnd(2.5000001), Rnd(-3.7)),
              std::make_tuple(2, 4, -2, 0, 3, -4));
    EXPECT_EQ(Rnd(1e300), 100'000'000);
    EXPECT_EQ(Rnd(-1e300), -100'000'000);
    EXPECT_EQ(Rnd(std::nan("")), 0);
}

TEST(GraphScalingTest, TimeAxisEndsOnRoundStepsPerFamily) {
    struct Case {
        int32_t steps, top, hydrology_ticks, water_ticks, salinity_ticks, decimals;
    };
    const Case cases[] = {
        {4, 6, 6, 6, 6, 1},          // XMax 5: every step, one decimal
        {5, 6, 6, 6, 6, 0},          // XMax 6
        {12, 16, 4, 8, 8, 0},        // XMax 13: Rnd(3.75) x 4, doubled below 5
        {24, 30, 6, 6, 6, 0},        // XMax 25: Rnd(5.5) = 6, halves to even
        {99, 100, 4, 8, 8, 0},       // XMax 100: Rnd(4.5) = 4 quarters of a hundred
        {360, 400, 8, 8, 8, 0},      // XMax 361: Rnd(7.72) x 50
        {999, 2000, 2, 4, 4, 0},     // XMax 1000: Rnd(1.5) = 2 thousands
        {20000, 30000, 3, 6, 6, 0},  // XMax 20001: Rnd(2.5001) x 10000
    };
    for (const Case& c : cases) {
        ModelState state = ZeroRun(c.steps);
        state.Run.Dwt.assign(state.Run.Dwt.size(), 1.5);
        state.Run.S1.assign(state.Run.S1.size(), 4.0);
        const GraphAxes a = Scale(state, GraphType::AllHydrology).graph.Axes;
        EXPECT_EQ(std::make_tuple(a.XMax, a.XBottom, a.XTop, a.XTicks, a.XDecimals),
                  std::make_tuple(c.steps + 1.0, 0, c.top, c.hydrology_ticks, c.decimals))
            << c.steps;
        EXPECT_EQ(Scale(state, GraphType::WaterTable).graph.Axes.XTicks, c.water_ticks) << c.steps;
        EXPECT_EQ(Scale(state, GraphType::SalinityAllLayers).graph.Axes.XTicks, c.salinity_ticks) << c.steps;
    }
}

TEST(GraphScalingTest, HydrologyAxisLeavesHeadroomAndThinsItsTicks) {
    ModelState state = ZeroRun(12);
    state.Input.Rain[3] = 60;
    state.Run.Perc[5] = 30;
    const Scaled all = Scale(state, GraphType::AllHydrology);
    EXPECT_NEAR(all.graph.Axes.YMaxScaled, 86.4, 1e-12);        // 60 x 1.2 x 1.2
    EXPECT_EQ(YAxis(all), std::make_tuple(88, 0, 10, 0));         // ticks Rnd(86.4 - 48) = 38, limited
    EXPECT_EQ(YAxis(Scale(state, GraphType::SurfaceHydrology)),  // one factor 1.2 only
              std::make_tuple(74, 0, 10, 0));
    state.Input.Rain[3] = 12;  // 14.4: ticks Rnd(14.4 - 8) = 6 with one decimal
    EXPECT_EQ(YAxis(Scale(state, GraphType::SurfaceHydrology)), std::make_tuple(16, 0, 6, 1));
    state.Input.Rain[3] = 1;  // 1.2: 3 ticks are raised to 5, two decimals
    EXPECT_EQ(YAxis(Scale(state, GraphType::SurfaceHydrology)), std::make_tuple(3, 0, 5, 2));

    // The subsurface graph takes its top from all steps but the last and maps no surface series.
    state.Run.Perc[12] = 500;
    const Scaled subsurface = Scale(state, GraphType::SubsurfaceHydrology);
    EXPECT_EQ(subsurface.graph.Axes.YTop, Rnd(1.2 * 30 + 2));
    EXPECT_TRUE(subsurface.graph.Pixels.Rain.empty());
    EXPECT_EQ(subsurface.graph.Pixels.Perc.size(), 13u);
}

TEST(GraphScalingTest, SeriesBelowATenthOfTheTopAreEnlargedTenTimes) {
    ModelState state = ZeroRun(12);
    state.Input.Rain[1] = 50;
    state.Run.EvapT[2] = 5;     // exactly 0.1 x 50: stays
    state.Run.Drain[3] = 4.99;  // just below: enlarged
    state.Run.Cap[4] = 10;      // exactly 0.2 x 50: stays
    state.Input.DrainMeas[6] = 4;
    state.Input.Sdr[7] = 1;
    state.Input.InfExcess[7] = 2;
    const Scaled s = Scale(state, GraphType::AllHydrology);
    const DisplayFactors& f = s.graph.Factors;
    EXPECT_EQ(std::make_tuple(f.Rain, f.EvapT, f.Drain, f.Cap, f.DrainMeas, f.Sdr),
              std::make_tuple(1.0, 1.0, 10.0, 1.0, 10.0, 10.0));
    // The surface-drainage line includes the infiltration excess; rows are enlarged, the state
    // keeps its values.
    EXPECT_TRUE(s.state.Input.Sdr == state.Input.Sdr && s.state.Run.Drain == state.Run.Drain);
    const int top = s.graph.Axes.YTop;
    EXPECT_EQ(s.graph.Pixels.Drain[3], 348 - Rnd(49.9 * 300 / top));
    EXPECT_EQ(s.graph.Pixels.Sdr[7], 346 - Rnd(30.0 * 300 / top));
    EXPECT_EQ(s.graph.Pixels.DrainMeas[6], 350 - Rnd(40.0 * 300 / top));
    EXPECT_EQ(s.graph.Pixels.PixX[4], 70 + Rnd(500.0 * 4 / 16));
}

TEST(GraphScalingTest, WaterTableInDepthAndLevelMode) {
    ModelState state = ZeroRun(12);
    for (int t = 1; t <= 12; ++t) state.Run.Dwt[t] = 1.2 + 0.8 * (t % 2);  // 2.0 and 1.2
    state.Input.DwtMeas[4] = 2.4;
    const Scaled depth = Scale(state, GraphType::WaterTable, WaterTableMode::Depth);
    EXPECT_EQ(YAxis(depth), std::make_tuple(3, 0, 6, 1));  // Rnd(1.1 x 2.4 + 0.5); 3 ticks doubled
    EXPECT_EQ(depth.graph.Pixels.DwtMeas[4], 350 - Rnd(2.4 * 300 / 3));

    // Levels are minus the depths; the state keeps the depths.
    GraphState graph;
    ApplyGraphChoice(state, graph, GraphType::WaterTable);
    graph.WaterTable = WaterTableMode::Level;
    GraphScaling scaling(state, graph);
    scaling.ScaleWaterTableAxes();
    ASSERT_TRUE(scaling.MapWaterTableSeries());
    EXPECT_EQ(state.Run.Dwt[1], 2.0);
    EXPECT_EQ(std::make_tuple(graph.Axes.YTop, graph.Axes.YBottom, graph.Axes.YTicks), std::make_tuple(0, -2, 8));
    EXPECT_EQ(graph.Pixels.Dwt[2], 350 - Rnd((-1.2 + 2) * 300 / 2));
    EXPECT_TRUE(graph.Pixels.DwtMeas.empty());
    EXPECT_EQ(scaling.LevelZeroRow(), 50);  // all levels below the surface

    state.Run.Dwt[5] = -0.3;  // water 0.3 m above the surface
    scaling.ScaleWaterTableAxes();
    ASSERT_TRUE(scaling.MapWaterTableSeries());
    EXPECT_EQ(std::make_tuple(graph.Axes.YTop, graph.Axes.YBottom), std::make_tuple(1, -2));
    EXPECT_EQ(scaling.LevelZeroRow(), 150);  // 350 + (-2 x 300) div 3

    // Ponding in depth mode: the axis goes below 0 and an observation of -1 is dropped from the
    // graph, not from the state.
    state.Input.DwtMeas[3] = -1;
    const Scaled ponded = Scale(state, GraphType::WaterTable, WaterTableMode::Depth);
    EXPECT_EQ(ponded.graph.Axes.YBottom, -1);  // Rnd(0.9 x -1 - 0.5)
    EXPECT_EQ(ponded.graph.Pixels.DwtMeas[3], 0);
    EXPECT_EQ(ponded.state.Input.DwtMeas[3], -1);
}

TEST(GraphScalingTest, SalinityAxisStartsNearTheLowestValue) {
    ModelState state = ZeroRun(12, 2);
    for (int t = 0; t <= 12; ++t) {
        state.Run.S1[t] = 4 + t / 6.0;  // 4.17 .. 6
        state.Run.S2[t] = 2.5;
        state.Run.STr[t] = state.Run.SAq[t] = 5;
    }
    state.Input.S1meas[3] = 7;  // raises the top
    state.Input.S1meas[4] = 0;  // not a measurement
    // The bottom comes from both root-zone layers: Rnd(0.8 x 2.5 - 0.5) = 2; top Rnd(9.8 + 0.5).
    const Scaled layer1 = Scale(state, GraphType::SalinityLayer1);
    EXPECT_EQ(YAxis(layer1), std::make_tuple(10, 2, 8, 1));
    EXPECT_TRUE(layer1.graph.Pixels.S2.empty());
    EXPECT_EQ(layer1.graph.Pixels.S1meas[3], 348 - Rnd((7.0 - 2) * 300 / 8));

    SetLayerCount(state.Input, 1);
    state.Input.S1meas[3] = -1;
    EXPECT_EQ(YAxis(Scale(state, GraphType::SalinityLayer1)), std::make_tuple(9, 3, 6, 1));  // Rnd(0.8 x 4.17 - 0.5)
    // All zones of one layer: the layer the root zone lacks takes no part; the top is raised by 1.2.
    const Scaled all = Scale(state, GraphType::SalinityAllLayers);
    EXPECT_EQ(all.graph.Axes.YBottom, 3);
    EXPECT_EQ(all.graph.Axes.YTop, Rnd(1.2 * (1.4 * 6)));
    EXPECT_FALSE(all.graph.Pixels.SAq.empty());
}

TEST(GraphScalingTest, NothingToDrawIsReportedNotDivided) {
    ModelState none;
    for (const int32_t steps : {0, -3}) {
        none.Input.NrTimeSteps = steps;
        for (const GraphType type : AllGraphTypes) {
            EXPECT_EQ(Scale(none, type).problem, "There is nothing to draw: the run has no time steps.");
        }
    }
    // All depths zero, all salinities zero: an axis without length. A flat hydrology still reaches 2.
    const Scaled flat = Scale(ZeroRun(12), GraphType::WaterTable, WaterTableMode::Depth);
    EXPECT_FALSE(flat.mapped);
    EXPECT_EQ(flat.problem, NothingToDrawMessage);
    EXPECT_FALSE(Scale(ZeroRun(12), GraphType::SalinityBelowRootZone).mapped);
    EXPECT_TRUE(Scale(ZeroRun(12), GraphType::AllHydrology).mapped);
    // Tiny salinities whose top the all-zones headroom rounds down to the bottom.
    ModelState faint = ZeroRun(5);
    for (StepSeries* s : {&faint.Run.S1, &faint.Run.STr, &faint.Run.SAq}) s->assign(6, 0.2);
    EXPECT_FALSE(Scale(faint, GraphType::SalinityAllLayers).mapped);

    // Series shorter than the run are not read past their end.
    ModelState short_series = ZeroRun(30, 3);
    for (StepSeries* s : {&short_series.Input.Sdr, &short_series.Input.InfExcess, &short_series.Input.DwtMeas,
                          &short_series.Input.S3meas, &short_series.Run.Dwt, &short_series.Run.S2}) {
        s->resize(3, 1.0);
    }
    short_series.Input.DrainMeas.clear();
    for (const GraphType type : AllGraphTypes) {
        for (const WaterTableMode mode : {WaterTableMode::Depth, WaterTableMode::Level}) {
            const Scaled scaled = Scale(short_series, type, mode);
            EXPECT_EQ(scaled.graph.Pixels.PixX.size(), scaled.mapped ? 31u : 0u) << GraphCaption(type);
        }
    }
}

TEST(GraphChoiceTest, WaterTableModeAndTheGraphsEachLayerCountOffers) {
    ModelState state;
    SetLayerCount(state.Input, 2);
    GraphState graph;
    state.Input.NrMeasDrain = 5;  // discharges measured: depths, as after an optimization
    state.Input.NrMeasDwt = 3;
    ApplyGraphChoice(state, graph, GraphType::WaterTable);
    ChooseWaterTableMode(state, graph);
    EXPECT_EQ(graph.WaterTable, WaterTableMode::Depth);
    state.Input.NrMeasDwt = 0;  // nothing to compare with: levels
    ChooseWaterTableMode(state, graph);
    EXPECT_EQ(graph.WaterTable, WaterTableMode::Level);

    for (int layers = 1; layers <= 3; ++layers) {
        int applying = 0;
        for (const GraphType type : AllGraphTypes) applying += GraphApplies(type, layers) ? 1 : 0;
        EXPECT_EQ(applying, 6 + layers);
    }
}

TEST(AxisLabelTest, TakesMoreDecimalsOnlyWhereTheAxisDecimalsMisstateTheTick) {
    // Quarter metres on a one-decimal depth axis.
    EXPECT_EQ(AxisLabel(-0.25, 1), "-0.25");
    EXPECT_EQ(AxisLabel(-0.75, 1), "-0.75");
    EXPECT_EQ(AxisLabel(-1.25, 1), "-1.25");
    EXPECT_EQ(AxisLabel(0.125, 1), "0.125");
    // Beyond two more decimals the label stays rounded.
    EXPECT_EQ(AxisLabel(1.0 / 3.0, 1), "0.333");
    // Labels that state their tick stay as they were, rounding noise of the tick included.
    EXPECT_EQ(AxisLabel(-0.5, 1), "-0.5");
    EXPECT_EQ(AxisLabel(1.5 - 3 * 0.5, 1), "0.0");
    EXPECT_EQ(AxisLabel(0.1 + 0.2, 1), "0.3");
    EXPECT_EQ(AxisLabel(7, 1), "7.0");
    EXPECT_EQ(AxisLabel(250, 0), "250");
    EXPECT_EQ(AxisLabel(12.5, 2), "12.50");
}

}  // namespace
}  // namespace vantorel
