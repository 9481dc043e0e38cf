#include "graphs/draw/DrawGraph.h"

#include "graphs/GraphChoice.h"
#include "graphs/GraphScaling.h"
#include "graphs/draw/GraphParts.h"

namespace vantorel {

namespace {

// Scales and maps the series of the graph's family; false when there is nothing to draw.
bool ScaleAndMap(const ModelState& state, GraphState& graph, GraphScaling& scaling) {
    switch (FamilyOf(graph.Type)) {
        case GraphFamily::Hydrology:
            scaling.ScaleHydrologyAxes();
            return scaling.MapHydrologySeries();
        case GraphFamily::WaterTable:
            ChooseWaterTableMode(state, graph);
            scaling.ScaleWaterTableAxes();
            return scaling.MapWaterTableSeries();
        case GraphFamily::Salinity:
            scaling.ScaleSalinityAxes();
            if (graph.Selection.AllZones) scaling.RaiseSalinityTopForAllZones();
            return scaling.MapSalinitySeries();
    }
    return false;
}

}  // namespace

GraphDrawing DrawGraph(const ModelState& state, GraphState& graph, GraphType type, QImage& picture) {
    ApplyGraphChoice(state, graph, type);
    GraphScaling scaling(state, graph);
    if (!ScaleAndMap(state, graph, scaling)) return {false, scaling.Problem()};

    if (picture.width() != GraphImageWidth || picture.height() != GraphImageHeight ||
        picture.format() != QImage::Format_RGB32) {
        picture = QImage(GraphImageWidth, GraphImageHeight, QImage::Format_RGB32);
    }
    GraphCanvas canvas(picture);
    GraphPainting painting{state, graph, canvas};
    DrawFrame(painting);
    switch (FamilyOf(type)) {
        case GraphFamily::Hydrology: DrawHydrology(painting); break;
        case GraphFamily::WaterTable: DrawWaterTable(painting, scaling.LevelZeroRow(), scaling.ObservedDepths()); break;
        case GraphFamily::Salinity: DrawSalinity(painting); break;
    }
    DrawAxes(painting);
    return {true, {}};
}

}  // namespace vantorel
