#pragma once
// A plot built afresh: one plot widget may show one kind of plot after another.

#include <QString>
#include <qcustomplot.h>

namespace vantorel {

// Removes everything from the plot and gives it a bold title over one axis rect, whose axes become
// the plot's default axes, with a legend inside its top right corner.
QCPAxisRect* StartTitledPlot(QCustomPlot& plot, const QString& title);

}  // namespace vantorel
