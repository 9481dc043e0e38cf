#include "graphs/plots/LeachingCurvesPlot.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantorel {

namespace {

QString ZoneTitle(Zone zone) {
    switch (zone) {
        case Layer1: return "Layer 1";
        case Layer2: return "Layer 2";
        case Layer3: return "Layer 3";
        case TransitionZone: return "Transition zone";
        case Aquifer: return "Aquifer";
    }
    return {};
}

}  // namespace

void BuildLeachingCurvesPlot(QCustomPlot& plot, const std::vector<LeachingCurve>& curves) {
    plot.clearPlottables();
    plot.clearItems();
    if (plot.plotLayout()->rowCount() < 2) {
        plot.plotLayout()->insertRow(0);
        plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, "Leaching-efficiency searches",
                                                               QFont(plot.font().family(), 11, QFont::Bold)));
    }
    plot.xAxis->setLabel("Leaching efficiency (fraction)");
    plot.yAxis->setLabel("Sum of squared salinity differences ((dS/m)\u00b2)");
    plot.legend->setVisible(true);
    plot.legend->setFont(QFont(plot.font().family(), 8));

    const QColor colours[] = {QColor(200, 30, 30), QColor(30, 90, 200), QColor(20, 150, 60), QColor(200, 120, 0),
                              QColor(120, 40, 160)};
    double low = std::numeric_limits<double>::infinity(), high = 0;
    for (size_t c = 0; c < curves.size(); ++c) {
        const LeachingCurve& curve = curves[c];
        const QColor colour = colours[c % std::size(colours)];
        QCPGraph* line = plot.addGraph();
        line->setPen(QPen(colour, 2));
        QVector<double> x(curve.efficiency.begin(), curve.efficiency.end());
        QVector<double> y(curve.sum_of_squares.begin(), curve.sum_of_squares.end());
        line->setData(x, y, true);
        // The search keeps the first of equal sums.
        const auto best = std::min_element(curve.sum_of_squares.begin(), curve.sum_of_squares.end());
        const size_t at = static_cast<size_t>(best - curve.sum_of_squares.begin());
        line->setName(QString("%1, best %2 at %3").arg(ZoneTitle(curve.zone)).arg(*best, 0, 'g', 4).arg(x[at], 0, 'f', 2));
        for (double v : curve.sum_of_squares) {
            if (!std::isfinite(v)) continue;
            if (v > 0) low = std::min(low, v);
            high = std::max(high, v);
        }
        QCPGraph* mark = plot.addGraph();
        mark->removeFromLegend();
        mark->setLineStyle(QCPGraph::lsNone);
        mark->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colour, 2), Qt::white, 9));
        mark->addData(x[at], *best);
    }
    const bool logarithmic = std::isfinite(low) && high / low > 100;
    plot.yAxis->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (logarithmic) {
        plot.yAxis->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
    } else {
        plot.yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    }
    plot.rescaleAxes();
    // Room for the marks at the bottom of the curves.
    const QCPRange y = plot.yAxis->range();
    plot.yAxis->setRange(logarithmic ? QCPRange(y.lower / 1.5, y.upper * 1.5)
                                     : QCPRange(y.lower - 0.05 * y.size(), y.upper + 0.05 * y.size()));
    plot.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot.replot();
}

}  // namespace vantorel
