#pragma once
// What pressing "Go" sets before a graph is drawn: which series groups and zones the chosen graph
// shows, and for the water table whether depths or levels are drawn.

#include "graphs/GraphState.h"
#include "model/ModelState.h"

namespace vantorel {

// Resets the selection and sets it for the chosen graph. For the water table the data file name
// gets its input extension back, and discharges measured in more than four steps make the graph
// show depths, as after an optimization.
void ApplyGraphChoice(ModelState& state, GraphState& graph, GraphType type);

// The water-table graph shows depths with their observations when the drainage factors were
// optimized and depths were measured, otherwise levels.
void ChooseWaterTableMode(ModelState& state, GraphState& graph);

}  // namespace vantorel
