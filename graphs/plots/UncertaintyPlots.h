#pragma once
// The pictures of the drainage factors' uncertainty: the posterior over the grid with its 50 % and
// 90 % regions, and a prediction band per result series with the measurements on it.

#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/FactorUncertainty.h"

class QCustomPlot;

namespace vantorel {

// Replaces the plot's contents by the posterior, shown around the pairs that hold its probability;
// the pair a run used is marked when given.
void BuildPosteriorPlot(QCustomPlot& plot, const FactorUncertainty& uncertainty,
                        std::optional<std::pair<double, double>> used_pair);

// What the window shows for the pair under a point of the posterior plot; empty outside the grid.
QString PosteriorPointText(const FactorUncertainty& uncertainty, double qh1, double qh2);

// Replaces the plot's contents by one band of uncertainty.bands: 5 to 95 %, the median and the
// measurements against the time step.
void BuildBandPlot(QCustomPlot& plot, const FactorUncertainty& uncertainty, size_t band);

// What the window shows for the step under a point of a band plot; empty outside the steps.
QString BandPointText(const FactorUncertainty& uncertainty, size_t band, double step);

// "Water-table depth", "Salinity of the root zone", ...
QString BandTitle(const FactorUncertainty& uncertainty, size_t band);

// Draws every picture into the folder, which must exist: posterior.png and one
// bands-SERIES.png per series. Returns the files' names in that order; throws FileError naming the
// first file that could not be written. Needs an application object.
std::vector<std::string> SaveUncertaintyPictures(const FactorUncertainty& uncertainty, const std::string& folder,
                                                 std::optional<std::pair<double, double>> used_pair);

}  // namespace vantorel
