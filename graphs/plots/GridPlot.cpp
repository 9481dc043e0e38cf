#include "graphs/plots/GridPlot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "engine/DrainageGridSearch.h"
#include "graphs/plots/TitledPlot.h"

namespace vantorel {

namespace {

constexpr double Step = 0.001;
constexpr double HalfStep = Step / 2;

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

QCPColorMap* StartGridHeatMap(QCustomPlot& plot, const QString& title, const QString& scale_label) {
    QCPAxisRect* axes = StartTitledPlot(plot, title);
    // The units as the drainage editor writes them.
    plot.xAxis->setLabel("QH1 (m/day/m)");
    plot.yAxis->setLabel("QH2 (m/day/m^2)");
    plot.xAxis->setRange(WholeGrid);
    plot.yAxis->setRange(WholeGrid);
    KeepWithinGrid(*plot.xAxis);
    KeepWithinGrid(*plot.yAxis);

    auto* colours = new QCPColorMap(plot.xAxis, plot.yAxis);
    // The colour scale explains the cells; a legend row of the map would stay empty.
    colours->removeFromLegend();
    colours->data()->setSize(DrainageGridSize, DrainageGridSize);
    colours->data()->setRange(QCPRange(Step, DrainageGridSize * Step), QCPRange(Step, DrainageGridSize * Step));
    colours->setInterpolate(false);
    auto* scale = new QCPColorScale(&plot);
    plot.plotLayout()->addElement(1, 1, scale);
    scale->setType(QCPAxis::atRight);
    scale->axis()->setLabel(scale_label);
    colours->setColorScale(scale);
    auto* margins = new QCPMarginGroup(&plot);
    axes->setMarginGroup(QCP::msBottom | QCP::msTop, margins);
    scale->setMarginGroup(QCP::msBottom | QCP::msTop, margins);
    return colours;
}

void AddGridOutline(QCustomPlot& plot, const std::vector<char>& inside, const QString& name, const QPen& pen) {
    const auto in = [&inside](int j, int k) {
        return j >= 1 && j <= DrainageGridSize && k >= 1 && k <= DrainageGridSize &&
               inside[DrainageTrialIndex(j, k)] != 0;
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
            if (!in(j, k)) continue;
            const double left = Step * j - HalfStep, right = Step * j + HalfStep;
            const double bottom = Step * k - HalfStep, top = Step * k + HalfStep;
            if (!in(j - 1, k)) piece(left, bottom, left, top);
            if (!in(j + 1, k)) piece(right, bottom, right, top);
            if (!in(j, k - 1)) piece(left, bottom, right, bottom);
            if (!in(j, k + 1)) piece(left, top, right, top);
        }
    }
    auto* outline = new QCPCurve(plot.xAxis, plot.yAxis);
    outline->setName(name);
    outline->setPen(pen);
    outline->setData(t, x, y);
}

void AddGridMark(QCustomPlot& plot, double qh1, double qh2, QCPScatterStyle::ScatterShape shape, const QColor& colour,
                 int size, const QString& name) {
    QCPGraph* mark = plot.addGraph();
    mark->setName(name);
    mark->setLineStyle(QCPGraph::lsNone);
    mark->setScatterStyle(QCPScatterStyle(shape, QPen(colour, 2), Qt::NoBrush, size));
    mark->setPen(QPen(colour, 2));
    mark->addData(qh1, qh2);
}

void ShowWholeGrid(QCustomPlot& plot) {
    plot.xAxis->setRange(WholeGrid);
    plot.yAxis->setRange(WholeGrid);
    plot.replot();
}

QCPRange GridRangeAround(const std::vector<int>& cells, double (*factor)(int)) {
    double low = 1, high = 0;
    for (const int index : cells) {
        low = std::min(low, factor(index));
        high = std::max(high, factor(index));
    }
    if (low > high) return WholeGrid;
    const double room = std::max(3 * Step, (high - low) / 3);
    low = low - room;
    high = high + room;
    const double shortfall = 10 * Step - (high - low);
    if (shortfall > 0) {
        low = low - shortfall / 2;
        high = high + shortfall / 2;
    }
    return QCPRange(std::max(low, WholeGrid.lower), std::min(high, WholeGrid.upper));
}

std::optional<int> GridCellAt(double qh1, double qh2) {
    const long j = std::lround(qh1 / Step), k = std::lround(qh2 / Step);
    if (j < 1 || j > DrainageGridSize || k < 1 || k > DrainageGridSize) return std::nullopt;
    return DrainageTrialIndex(static_cast<int>(j), static_cast<int>(k));
}

QString GridPairText(double qh1, double qh2) {
    return QString("QH1 %1, QH2 %2").arg(qh1, 0, 'f', 3).arg(qh2, 0, 'f', 3);
}

}  // namespace vantorel
