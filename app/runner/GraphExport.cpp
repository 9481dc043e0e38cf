#include "app/runner/GraphExport.h"

#include <QImage>
#include <filesystem>
#include <system_error>

#include "graphs/draw/DrawGraph.h"
#include "graphs/draw/PictureFiles.h"
#include "graphs/plots/OffscreenApplication.h"
#include "model/TextFile.h"

namespace vantorel {

std::string GraphFileStem(GraphType type) {
    switch (type) {
        case GraphType::AllHydrology: return "hydrology-all";
        case GraphType::SurfaceHydrology: return "hydrology-surface";
        case GraphType::SubsurfaceHydrology: return "hydrology-subsurface";
        case GraphType::WaterTable: return "water-table";
        case GraphType::SalinityAllLayers: return "salinity-all-layers";
        case GraphType::SalinityLayer1: return "salinity-layer-1";
        case GraphType::SalinityLayer2: return "salinity-layer-2";
        case GraphType::SalinityLayer3: return "salinity-layer-3";
        case GraphType::SalinityBelowRootZone: return "salinity-below-root-zone";
    }
    return "graph";
}

GraphExport ExportGraphs(const ModelState& state, const std::string& folder, GraphFileFormat format) {
    EnsureOffscreenApplication();
    GraphExport result;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        result.Written = false;
        result.Error = "The folder " + folder + " could not be created: " + error.message() + ".";
        return result;
    }
    const std::string extension = format == GraphFileFormat::Png ? ".png" : ".bmp";
    for (const GraphType type : AllGraphTypes) {
        if (!GraphApplies(type, state.Input.NrLayers)) continue;
        GraphState graph;
        QImage picture;
        const GraphDrawing drawing = DrawGraph(state, graph, type, picture);
        if (!drawing.Drawn) {
            result.Notes.push_back(std::string(GraphCaption(type)) + ": " + drawing.Message);
            continue;
        }
        const std::string path = (std::filesystem::path(folder) / (GraphFileStem(type) + extension)).string();
        try {
            SavePicture(picture, path);
        } catch (const FileError& failure) {
            result.Written = false;
            result.Error = failure.what();
            return result;
        }
        result.Files.push_back(path);
    }
    return result;
}

}  // namespace vantorel
