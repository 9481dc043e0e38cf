#pragma once
// The pictures of the bands of a study's sampled rows: one per row and result series.

#include <QString>

#include <string>
#include <vector>

#include "engine/SampledRows.h"

class QCustomPlot;

namespace vantorel {

struct StudyBandChart {
    std::string stem;  // the picture's file name without extension (StudyBandPictureStem)
    QString title;
    const SampledRow* row;
    size_t band;
};

// Every band of the rows, row by row; the charts refer to the rows.
std::vector<StudyBandChart> StudyBandCharts(const std::vector<SampledRow>& rows);

// Replaces the plot's contents by the chart's band.
void DrawStudyBand(QCustomPlot& plot, const StudyBandChart& chart);

}  // namespace vantorel
