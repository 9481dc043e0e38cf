#include "graphs/GraphTypes.h"

namespace vantorel {

const char* GraphCaption(GraphType type) {
    switch (type) {
        case GraphType::AllHydrology: return "All hydrological flow factors";
        case GraphType::SurfaceHydrology: return "Surface hydrology factors";
        case GraphType::SubsurfaceHydrology: return "Subsurface hydrology factors";
        case GraphType::WaterTable: return "Depth of the water table";
        case GraphType::SalinityAllLayers: return "Salinity in all soil layers";
        case GraphType::SalinityLayer1: return "Salinity in first root zone layer";
        case GraphType::SalinityLayer2: return "Salinity second root zone layer";
        case GraphType::SalinityLayer3: return "Salinty in third root zone layer";
        case GraphType::SalinityBelowRootZone: return "Salinity below root zone";
    }
    return "";
}

GraphFamily FamilyOf(GraphType type) {
    switch (type) {
        case GraphType::AllHydrology:
        case GraphType::SurfaceHydrology:
        case GraphType::SubsurfaceHydrology: return GraphFamily::Hydrology;
        case GraphType::WaterTable: return GraphFamily::WaterTable;
        default: return GraphFamily::Salinity;
    }
}

bool GraphApplies(GraphType type, int32_t layers) {
    if (type == GraphType::SalinityLayer2) return layers >= 2;
    if (type == GraphType::SalinityLayer3) return layers >= 3;
    return true;
}

}  // namespace vantorel
