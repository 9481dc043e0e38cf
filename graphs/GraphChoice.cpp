#include "graphs/GraphChoice.h"

namespace vantorel {

void ApplyGraphChoice(const ModelState& state, GraphState& graph, GraphType type) {
    graph.Type = type;
    GraphSelection& s = graph.Selection;
    s = GraphSelection{};
    s.AllZones = true;
    switch (type) {
        case GraphType::SalinityAllLayers:
            s.AllLayers = true;
            if (state.Input.NrLayers > 1) {
                s.HideBelowRootZone = true;
                s.AllZones = false;
            }
            break;
        case GraphType::AllHydrology:
        case GraphType::WaterTable: break;
        case GraphType::SurfaceHydrology:
            s.SurfaceOnly = true;
            s.HideSubsurface = true;
            break;
        case GraphType::SubsurfaceHydrology:
            s.SubsurfaceOnly = true;
            s.HideSurface = true;
            break;
        case GraphType::SalinityLayer1:
        case GraphType::SalinityLayer2:
        case GraphType::SalinityLayer3:
        case GraphType::SalinityBelowRootZone:
            s.AllZones = false;
            s.HideLayer1 = type != GraphType::SalinityLayer1;
            s.HideLayer2 = type != GraphType::SalinityLayer2;
            s.HideLayer3 = type != GraphType::SalinityLayer3;
            s.HideBelowRootZone = type != GraphType::SalinityBelowRootZone;
            break;
    }
}

void ChooseWaterTableMode(const ModelState& state, GraphState& graph) {
    const bool optimized = state.Run.DrainOptWanted || state.Input.NrMeasDrain > 4;
    graph.WaterTable = optimized && state.Input.NrMeasDwt != 0 ? WaterTableMode::Depth : WaterTableMode::Level;
}

}  // namespace vantorel
