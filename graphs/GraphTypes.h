#pragma once
// The nine graphs of the graph page, in the order of its radio buttons, and the three drawers
// that make them.

#include <array>
#include <cstdint>

namespace vantorel {

enum class GraphType {
    AllHydrology,
    SurfaceHydrology,
    SubsurfaceHydrology,
    WaterTable,
    SalinityAllLayers,
    SalinityLayer1,
    SalinityLayer2,
    SalinityLayer3,
    SalinityBelowRootZone,
};

inline constexpr std::array<GraphType, 9> AllGraphTypes = {
    GraphType::AllHydrology,      GraphType::SurfaceHydrology, GraphType::SubsurfaceHydrology,
    GraphType::WaterTable,        GraphType::SalinityAllLayers, GraphType::SalinityLayer1,
    GraphType::SalinityLayer2,    GraphType::SalinityLayer3,   GraphType::SalinityBelowRootZone,
};

enum class GraphFamily { Hydrology, WaterTable, Salinity };

// The caption of the graph's radio button.
const char* GraphCaption(GraphType type);

GraphFamily FamilyOf(GraphType type);

// Whether the graph exists for a root zone of this many layers: the graph page disables the
// layer-2 choice for one layer and the layer-3 choice for one or two.
bool GraphApplies(GraphType type, int32_t layers);

}  // namespace vantorel
