#include "graphs/plots/TitledPlot.h"

namespace vantorel {

QCPAxisRect* StartTitledPlot(QCustomPlot& plot, const QString& title) {
    plot.clearPlottables();
    plot.clearItems();
    plot.plotLayout()->clear();
    // The margin group of an earlier build belongs to the plot, not to the layout.
    qDeleteAll(plot.findChildren<QCPMarginGroup*>(QString(), Qt::FindDirectChildrenOnly));
    auto* axes = new QCPAxisRect(&plot);
    plot.plotLayout()->addElement(1, 0, axes);
    plot.xAxis = axes->axis(QCPAxis::atBottom);
    plot.yAxis = axes->axis(QCPAxis::atLeft);
    plot.xAxis2 = axes->axis(QCPAxis::atTop);
    plot.yAxis2 = axes->axis(QCPAxis::atRight);
    plot.legend = new QCPLegend;
    axes->insetLayout()->addElement(plot.legend, Qt::AlignTop | Qt::AlignRight);
    plot.legend->setLayer("legend");
    plot.legend->setVisible(true);
    plot.legend->setBrush(QColor(255, 255, 255, 215));
    plot.legend->setFont(QFont(plot.font().family(), 8));
    plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, title, QFont(plot.font().family(), 11, QFont::Bold)));
    plot.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    return axes;
}

}  // namespace vantorel
