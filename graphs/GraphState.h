#pragma once
// What the graph page computes for the graph it draws: the chosen graph, which series groups it
// shows, the axes, the "x 10" display factors and the pixel positions of every series. One
// instance belongs to its owner (the window, or the batch export) and is overwritten by every graph.

#include <cstdint>
#include <vector>

#include "graphs/GraphTypes.h"

namespace vantorel {

struct GraphAxes {
    int32_t YTop = 0, YBottom = 0;  // values at the top and bottom of the Y axis
    int32_t YTicks = 0;             // number of Y intervals
    int32_t YDecimals = 0;          // decimals of the Y labels
    int32_t XTop = 0, XBottom = 0;  // time steps at the ends of the X axis; XBottom stays 0
    int32_t XTicks = 0;
    int32_t XDecimals = 0;
    double XMax = 0;  // NrTimeSteps + 1
    double YMaxScaled = 0, YMinScaled = 0;
};

// 10 where a hydrology series is drawn ten times enlarged, else 1. Irrigation and percolation are
// always drawn at their true size.
struct DisplayFactors {
    double Sdr = 1, EvapT = 1, Drain = 1, DrainMeas = 1, Cap = 1, Rain = 1;
};

// Column and rows in pixels per time step (index 1..NrTimeSteps); only the series of the graph
// last mapped hold positions.
struct GraphPixels {
    std::vector<int32_t> PixX;
    std::vector<int32_t> Rain, Irrig, EvapT, Sdr, Perc, Cap, Drain, DrainMeas;
    std::vector<int32_t> Dwt, DwtMeas;
    std::vector<int32_t> S1, S2, S3, STr, SAq;
    std::vector<int32_t> S1meas, S2meas, S3meas, STmeas, SAmeas;
};

struct GraphSelection {
    bool HideSubsurface = false, HideSurface = false;
    bool HideLayer1 = false, HideLayer2 = false, HideLayer3 = false, HideBelowRootZone = false;
    bool AllZones = true, AllLayers = false;
    bool SurfaceOnly = false, SubsurfaceOnly = false;
};

// Depth mode shows depths below the surface with the observations; level mode shows the level
// relative to the surface (minus the depth) as bars.
enum class WaterTableMode { Depth, Level };

struct GraphState {
    GraphType Type = GraphType::AllHydrology;
    GraphSelection Selection;
    WaterTableMode WaterTable = WaterTableMode::Depth;
    GraphAxes Axes;
    DisplayFactors Factors;
    GraphPixels Pixels;
};

}  // namespace vantorel
