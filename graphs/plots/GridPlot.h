#pragma once
// The pieces of a plot over the drainage-factor grid (QH1 across, QH2 up): a heat map with its
// colour scale and legend, outlines of regions of cells, and marked pairs.

#include <QColor>
#include <QString>
#include <qcustomplot.h>

#include <optional>
#include <vector>

namespace vantorel {

// Replaces the plot's contents by a title, the grid's axes (panned and zoomed within the grid) and
// an empty 100 x 100 heat map whose colour scale has the label; the cells are the caller's (QH1
// row, QH2 column).
QCPColorMap* StartGridHeatMap(QCustomPlot& plot, const QString& title, const QString& scale_label);

// The cell edges between the cells inside (by trial index) and the rest of the grid.
void AddGridOutline(QCustomPlot& plot, const std::vector<char>& inside, const QString& name, const QPen& pen);

void AddGridMark(QCustomPlot& plot, double qh1, double qh2, QCPScatterStyle::ScatterShape shape, const QColor& colour,
                 int size, const QString& name);

// The range of QH1 or QH2 (factor: TrialQH1 or TrialQH2) around the cells (trial indices) with
// some room, at least a tenth of the grid wide, within the grid; the whole grid without cells.
QCPRange GridRangeAround(const std::vector<int>& cells, double (*factor)(int));

// Shows the whole grid again after a zoom or a pan.
void ShowWholeGrid(QCustomPlot& plot);

// The trial index of the cell under a point given in QH1 and QH2; none outside the grid.
std::optional<int> GridCellAt(double qh1, double qh2);

// "QH1 0.013, QH2 0.024".
QString GridPairText(double qh1, double qh2);

}  // namespace vantorel
