#pragma once
// Exporting every graph of a loaded run as picture files, without a display (see Pictures.h).

#include <string>
#include <vector>

#include "graphs/GraphTypes.h"
#include "model/ModelState.h"

namespace vantorel {

enum class GraphFileFormat { Bmp, Png };

// The file name of a graph without its extension, such as "salinity-layer-2".
std::string GraphFileStem(GraphType type);

struct GraphExport {
    bool Written = true;             // false when a picture could not be written
    std::string Error;               // why, naming the file
    std::vector<std::string> Files;  // the pictures written
    std::vector<std::string> Notes;  // graphs with nothing to draw, and why
};

// Draws every graph that applies to the layer count (seven for one layer, eight for two, nine for
// three) into the folder, which is created when missing. Each graph starts from the state as
// given: the state itself is not changed. Stops at the first picture that cannot be written.
GraphExport ExportGraphs(const ModelState& state, const std::string& folder, GraphFileFormat format);

}  // namespace vantorel
