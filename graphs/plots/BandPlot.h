#pragma once
// A band of a result series against the time step: the 5 to 95 % range, the median and, where the
// data set has them, the measurements.

#include <QString>

#include <string>
#include <vector>

#include "engine/PredictionBands.h"

class QCustomPlot;

namespace vantorel {

// "Water-table depth", "Drain discharge", "Salinity of the root zone", ... of a band's series;
// the bands tell whether the root zone has one layer.
QString BandSeriesTitle(const std::vector<PredictionBand>& bands, size_t band);

// Replaces the plot's contents by bands[band] under the title; the range is named `spread`.
void BuildBandPlot(QCustomPlot& plot, const std::vector<PredictionBand>& bands, size_t band, const QString& title,
                   const QString& spread);

// What the window shows for the step under a point of a band plot; empty outside the steps.
QString BandPointText(const PredictionBand& band, double step);

}  // namespace vantorel
