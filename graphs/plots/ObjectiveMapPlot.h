#pragma once
// The heat map of one objective of the drainage-factor search over its grid, with the input's pair,
// the optima, the pair a run used and the outline of the near-optimal region.

#include <QString>
#include <optional>
#include <utility>

#include "engine/ObjectiveMap.h"

class QCustomPlot;

namespace vantorel {

struct ObjectiveMapView {
    DrainageObjective objective = DrainageObjective::DrainDischarge;
    double percent = 5;                                   // the near-optimal region's margin
    std::optional<std::pair<double, double>> used_pair;  // QH1, QH2 of a run, when there was one
};

// Replaces the plot's contents. The objective should be meaningful for the map. Panning and
// zooming keep within the grid.
void BuildObjectiveMapPlot(QCustomPlot& plot, const ObjectiveMap& map, const ObjectiveMapView& view);

// What the window shows for the trial under a point of the plot; empty outside the grid.
QString ObjectiveMapPointText(const ObjectiveMap& map, DrainageObjective objective, double qh1, double qh2);

}  // namespace vantorel
