#pragma once
// The parts of one graph, drawn in order once its series are scaled and mapped: the frame, the
// drawing of its family, the axes.

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/GraphState.h"
#include "graphs/draw/GraphCanvas.h"
#include "model/ModelState.h"

namespace vantorel {

struct GraphPainting {
    const ModelState& state;
    const GraphState& graph;
    GraphCanvas& canvas;

    int32_t Steps() const { return state.Input.NrTimeSteps; }
    int32_t Column(int32_t t) const { return At(graph.Pixels.PixX, t); }
    static int32_t At(const std::vector<int32_t>& pixels, int32_t t) {
        return t >= 0 && static_cast<size_t>(t) < pixels.size() ? pixels[static_cast<size_t>(t)] : 0;
    }
};

// Background, titles, the caption line and the plot area.
void DrawFrame(GraphPainting& p);
void DrawAxes(GraphPainting& p);

void DrawHydrology(GraphPainting& p);
// The observed depths are those the scaling kept.
void DrawWaterTable(GraphPainting& p, int32_t level_zero_row, const StepSeries& observed_depths);
void DrawSalinity(GraphPainting& p);

// A series as steps: one horizontal segment per time step but the last, joined by vertical ones,
// shifted sideways by the offset so that equal series stay apart.
void DrawStaircase(GraphPainting& p, const std::vector<int32_t>& rows, int offset);
// A series as straight segments from step to step.
void DrawPolyline(GraphPainting& p, const std::vector<int32_t>& rows, int shift = 0);

// The legend text of a series drawn ten times enlarged says so.
std::string WithFactor(const std::string& legend, double factor);

}  // namespace vantorel
