#include "graphs/plots/ObjectiveMapPlot.h"

#include <qcustomplot.h>

#include <cmath>
#include <limits>

#include "engine/CalibrationTables.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

constexpr double Step = 0.001;
constexpr double HalfStep = Step / 2;

void AddMark(QCustomPlot& plot, double qh1, double qh2, QCPScatterStyle::ScatterShape shape, const QColor& colour,
             int size, const QString& name) {
    QCPGraph* mark = plot.addGraph();
    mark->setName(name);
    mark->setLineStyle(QCPGraph::lsNone);
    mark->setScatterStyle(QCPScatterStyle(shape, QPen(colour, 2), Qt::NoBrush, size));
    mark->setPen(QPen(colour, 2));
    mark->addData(qh1, qh2);
}

// The cell edges between the region and the rest of the grid, as line pieces separated by gaps.
void AddRegionOutline(QCustomPlot& plot, const NearOptimalRegion& region, const QString& name) {
    const auto inside = [&region](int j, int k) {
        return j >= 1 && j <= DrainageGridSize && k >= 1 && k <= DrainageGridSize &&
               region.inside[DrainageTrialIndex(j, k)] != 0;
    };
    QVector<double> t, x, y;
    const double gap = std::numeric_limits<double>::quiet_NaN();
    const auto piece = [&](double x1, double y1, double x2, double y2) {
        for (const auto& [px, py] : {std::pair{x1, y1}, std::pair{x2, y2}, std::pair{gap, gap}}) {
            t.push_back(t.size());
            x.push_back(px);
            y.push_back(py);
        }
    };
    for (int j = 1; j <= DrainageGridSize; ++j) {
        for (int k = 1; k <= DrainageGridSize; ++k) {
            if (!inside(j, k)) continue;
            const double left = Step * j - HalfStep, right = Step * j + HalfStep;
            const double bottom = Step * k - HalfStep, top = Step * k + HalfStep;
            if (!inside(j - 1, k)) piece(left, bottom, left, top);
            if (!inside(j + 1, k)) piece(right, bottom, right, top);
            if (!inside(j, k - 1)) piece(left, bottom, right, bottom);
            if (!inside(j, k + 1)) piece(left, top, right, top);
        }
    }
    auto* outline = new QCPCurve(plot.xAxis, plot.yAxis);
    outline->setName(name);
    outline->setPen(QPen(Qt::white, 2));
    outline->setData(t, x, y);
}

QString Number(double value) { return QString::fromStdString(FormatSignificant(value, 4)); }

QString Pair(double qh1, double qh2) { return QString("QH1 %1, QH2 %2").arg(qh1, 0, 'f', 3).arg(qh2, 0, 'f', 3); }

const QCPRange WholeGrid(Step - HalfStep, DrainageGridSize * Step + HalfStep);

// Panning stops at the grid's edge and zooming out at the whole grid.
void KeepWithinGrid(QCPAxis& axis) {
    QObject::connect(&axis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), &axis, [&axis](const QCPRange& range) {
        if (range.size() >= WholeGrid.size()) {
            if (range != WholeGrid) axis.setRange(WholeGrid);
        } else if (range.lower < WholeGrid.lower) {
            axis.setRange(WholeGrid.lower, WholeGrid.lower + range.size());
        } else if (range.upper > WholeGrid.upper) {
            axis.setRange(WholeGrid.upper - range.size(), WholeGrid.upper);
        }
    });
}

}  // namespace

void BuildObjectiveMapPlot(QCustomPlot& plot, const ObjectiveMap& map, const ObjectiveMapView& view) {
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

    const DrainageObjective objective = view.objective;
    const QString label = ObjectiveLabel(objective);
    const QString unit = ObjectiveUnit(objective);
    QString what = objective == DrainageObjective::Balance
                       ? "|sum of the water balance terms|"
                       : QString("sum of |simulated - measured| %1").arg(label);
    plot.plotLayout()->addElement(
        0, 0, new QCPTextElement(&plot, QString("Drainage-factor search: %1 objective").arg(label),
                                 QFont(plot.font().family(), 11, QFont::Bold)));

    // The units as the drainage editor writes them.
    plot.xAxis->setLabel("QH1 (m/day/m)");
    plot.yAxis->setLabel("QH2 (m/day/m^2)");
    plot.xAxis->setRange(WholeGrid);
    plot.yAxis->setRange(WholeGrid);
    KeepWithinGrid(*plot.xAxis);
    KeepWithinGrid(*plot.yAxis);

    auto* colours = new QCPColorMap(plot.xAxis, plot.yAxis);
    colours->data()->setSize(DrainageGridSize, DrainageGridSize);
    colours->data()->setRange(QCPRange(Step, DrainageGridSize * Step), QCPRange(Step, DrainageGridSize * Step));
    double low = std::numeric_limits<double>::infinity(), high = 0;
    for (int index = 0; index < DrainageTrials; ++index) {
        double value = ObjectiveDisplayValue(map.sums, objective, index);
        if (!std::isfinite(value)) value = std::numeric_limits<double>::quiet_NaN();
        if (value > 0) low = std::min(low, value);
        if (value > high) high = value;
        colours->data()->setCell(index / DrainageGridSize, index % DrainageGridSize, value);
    }
    auto* scale = new QCPColorScale(&plot);
    plot.plotLayout()->addElement(1, 1, scale);
    scale->setType(QCPAxis::atRight);
    scale->axis()->setLabel(QString("%1 (%2)").arg(what, unit));
    colours->setColorScale(scale);
    QCPColorGradient gradient(QCPColorGradient::gpThermal);
    gradient.setNanHandling(QCPColorGradient::nhTransparent);
    colours->setGradient(gradient);
    colours->setInterpolate(false);
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
    auto* margins = new QCPMarginGroup(&plot);
    axes->setMarginGroup(QCP::msBottom | QCP::msTop, margins);
    scale->setMarginGroup(QCP::msBottom | QCP::msTop, margins);

    const NearOptimalRegion region = FindNearOptimalRegion(map, objective, view.percent);
    if (region.best.found) {
        const QString pairs = QString::fromStdString(PairCount(region.trials));
        AddRegionOutline(plot, region, QString("within %1 % of the best (%2)").arg(view.percent).arg(pairs));
    }
    AddMark(plot, map.input_qh1, map.input_qh2, QCPScatterStyle::ssSquare, Qt::cyan, 11,
            "input pair: " + Pair(map.input_qh1, map.input_qh2));
    for (const DrainageObjective other : DrainageObjectives) {
        if (!IsMeaningful(map, other)) continue;
        const DrainageOptimum best = FindDrainageOptimum(map.sums, other);
        if (!best.found) continue;
        const bool own = other == objective;
        AddMark(plot, best.qh1, best.qh2, own ? QCPScatterStyle::ssStar : QCPScatterStyle::ssTriangle,
                own ? QColor(Qt::green) : QColor(Qt::magenta), own ? 14 : 9,
                QString("%1 optimum: %2").arg(ObjectiveLabel(other), Pair(best.qh1, best.qh2)));
    }
    if (view.used_pair) {
        AddMark(plot, view.used_pair->first, view.used_pair->second, QCPScatterStyle::ssCross, Qt::red, 13,
                "pair used by the run: " + Pair(view.used_pair->first, view.used_pair->second));
    }
    plot.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot.replot();
}

void ShowWholeGrid(QCustomPlot& plot) {
    plot.xAxis->setRange(WholeGrid);
    plot.yAxis->setRange(WholeGrid);
    plot.replot();
}

QString ObjectiveMapPointText(const ObjectiveMap& map, DrainageObjective objective, double qh1, double qh2) {
    const long j = std::lround(qh1 / Step), k = std::lround(qh2 / Step);
    if (j < 1 || j > DrainageGridSize || k < 1 || k > DrainageGridSize) return {};
    const int index = DrainageTrialIndex(static_cast<int>(j), static_cast<int>(k));
    return QString("%1: %2 %3").arg(Pair(TrialQH1(index), TrialQH2(index)),
                                     Number(ObjectiveDisplayValue(map.sums, objective, index)), ObjectiveUnit(objective));
}

}  // namespace vantorel
