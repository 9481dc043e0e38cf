#pragma once
// What pressing "Go" sets before a graph is drawn: which series groups and zones the chosen graph
// shows, and for the water table whether depths or levels are drawn.

#include "graphs/GraphState.h"
#include "model/ModelState.h"

namespace vantorel {

// Resets the selection and sets it for the chosen graph.
void ApplyGraphChoice(const ModelState& state, GraphState& graph, GraphType type);

// The water-table graph shows depths with their observations when depths were measured and the
// drainage factors were optimized, or discharges were measured in more than four steps as after
// an optimization; otherwise levels.
void ChooseWaterTableMode(const ModelState& state, GraphState& graph);

}  // namespace vantorel
