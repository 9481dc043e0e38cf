#pragma once
// Draws one graph of a loaded run into a picture of the graph page's size.

#include <QImage>
#include <string>

#include "graphs/GraphState.h"
#include "model/ModelState.h"

namespace vantorel {

inline constexpr int GraphImageWidth = 617;
inline constexpr int GraphImageHeight = 441;

struct GraphDrawing {
    bool Drawn = false;
    std::string Message;  // why nothing was drawn
};

// The caller has loaded the output file and its input file into the state, which the drawing only
// reads. Sets the selection for the chosen graph, scales, maps and draws. When there is nothing to
// draw the picture keeps what it showed.
GraphDrawing DrawGraph(const ModelState& state, GraphState& graph, GraphType type, QImage& picture);

}  // namespace vantorel
