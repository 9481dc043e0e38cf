#include "graphs/plots/ObjectiveMapPlot.h"

#include <qcustomplot.h>

#include <cmath>
#include <limits>

#include "engine/CalibrationTables.h"
#include "graphs/plots/GridPlot.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

QString Number(double value) { return QString::fromStdString(FormatSignificant(value, 4)); }

}  // namespace

void BuildObjectiveMapPlot(QCustomPlot& plot, const ObjectiveMap& map, const ObjectiveMapView& view) {
    const DrainageObjective objective = view.objective;
    const QString label = ObjectiveLabel(objective);
    const QString unit = ObjectiveUnit(objective);
    QString what = objective == DrainageObjective::Balance
                       ? "|sum of the water balance terms|"
                       : QString("sum of |simulated - measured| %1").arg(label);
    QCPColorMap* colours = StartGridHeatMap(plot, QString("Drainage-factor search: %1 objective").arg(label),
                                            QString("%1 (%2)").arg(what, unit));
    double low = std::numeric_limits<double>::infinity(), high = 0;
    for (int index = 0; index < DrainageTrials; ++index) {
        double value = ObjectiveDisplayValue(map.sums, objective, index);
        if (!std::isfinite(value)) value = std::numeric_limits<double>::quiet_NaN();
        if (value > 0) low = std::min(low, value);
        if (value > high) high = value;
        colours->data()->setCell(index / DrainageGridSize, index % DrainageGridSize, value);
    }
    QCPColorScale* scale = colours->colorScale();
    QCPColorGradient gradient(QCPColorGradient::gpThermal);
    gradient.setNanHandling(QCPColorGradient::nhTransparent);
    colours->setGradient(gradient);
    // The interesting values lie near the best, often orders of magnitude below the worst; a log
    // scale shows them apart when the values span enough decades to label.
    const bool logarithmic = std::isfinite(low) && high / low >= 100;
    if (logarithmic) {
        scale->setDataScaleType(QCPAxis::stLogarithmic);
        scale->axis()->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
        colours->setDataRange(QCPRange(low, high));
    } else {
        colours->setDataRange(QCPRange(0, high > 0 ? high : 1));
    }
    const NearOptimalRegion region = FindNearOptimalRegion(map, objective, view.percent);
    if (region.best.found) {
        const QString pairs = QString::fromStdString(PairCount(region.trials));
        AddGridOutline(plot, region.inside, QString("within %1 % of the best (%2)").arg(view.percent).arg(pairs),
                       QPen(Qt::white, 2));
    }
    AddGridMark(plot, map.input_qh1, map.input_qh2, QCPScatterStyle::ssSquare, Qt::cyan, 11,
                "input pair: " + GridPairText(map.input_qh1, map.input_qh2));
    for (const DrainageObjective other : DrainageObjectives) {
        if (!IsMeaningful(map, other)) continue;
        const DrainageOptimum best = FindDrainageOptimum(map.sums, other);
        if (!best.found) continue;
        const bool own = other == objective;
        AddGridMark(plot, best.qh1, best.qh2, own ? QCPScatterStyle::ssStar : QCPScatterStyle::ssTriangle,
                    own ? QColor(Qt::green) : QColor(Qt::magenta), own ? 14 : 9,
                    QString("%1 optimum: %2").arg(ObjectiveLabel(other), GridPairText(best.qh1, best.qh2)));
    }
    if (view.used_pair) {
        AddGridMark(plot, view.used_pair->first, view.used_pair->second, QCPScatterStyle::ssCross, Qt::red, 13,
                    "pair used by the run: " + GridPairText(view.used_pair->first, view.used_pair->second));
    }
    plot.replot();
}

QString ObjectiveMapPointText(const ObjectiveMap& map, DrainageObjective objective, double qh1, double qh2) {
    const std::optional<int> index = GridCellAt(qh1, qh2);
    if (!index) return {};
    return QString("%1: %2 %3").arg(GridPairText(TrialQH1(*index), TrialQH2(*index)),
                                     Number(ObjectiveDisplayValue(map.sums, objective, *index)), ObjectiveUnit(objective));
}

}  // namespace vantorel
