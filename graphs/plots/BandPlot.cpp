#include "graphs/plots/BandPlot.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "graphs/plots/TitledPlot.h"

namespace vantorel {

namespace {

struct BandLook {
    QString title, value_label;
    bool downward;
};

BandLook LookOf(const std::vector<PredictionBand>& bands, size_t band) {
    const std::string& series = bands[band].series;
    if (series == "water_table_depth") return {"Water-table depth", "Depth below the soil surface (m)", true};
    if (series == "drain_discharge") return {"Drain discharge", "Drain discharge (mm per time step)", false};
    QString zone = QString::fromStdString(series.substr(std::string("salinity_").size()));
    zone.replace('_', ' ');
    const bool one_layer = std::none_of(bands.begin(), bands.end(),
                                        [](const PredictionBand& b) { return b.series == "salinity_layer_2"; });
    if (one_layer && series == "salinity_layer_1") zone = "root zone";
    return {"Salinity of the " + zone, "Salinity of the soil moisture (dS/m)", false};
}

QVector<double> Values(const std::vector<double>& values) { return QVector<double>(values.begin(), values.end()); }

}  // namespace

QString BandSeriesTitle(const std::vector<PredictionBand>& bands, size_t band) { return LookOf(bands, band).title; }

QString BandPointText(const PredictionBand& b, double step) {
    const long i = std::lround(step);
    if (i < 1 || i > static_cast<long>(b.p50.size())) return {};
    const size_t at = static_cast<size_t>(i - 1);
    QString text = QString("Step %1: 5 % %2, median %3, 95 % %4")
                       .arg(i)
                       .arg(b.p05[at], 0, 'g', 5)
                       .arg(b.p50[at], 0, 'g', 5)
                       .arg(b.p95[at], 0, 'g', 5);
    if (!std::isnan(b.measured[at])) text += QString(", measured %1").arg(b.measured[at], 0, 'g', 5);
    return text;
}

void BuildBandPlot(QCustomPlot& plot, const std::vector<PredictionBand>& bands, size_t band, const QString& title,
                   const QString& spread) {
    const PredictionBand& b = bands[band];
    const BandLook look = LookOf(bands, band);
    StartTitledPlot(plot, title);
    plot.xAxis->setLabel("Time step");
    plot.yAxis->setLabel(look.value_label);
    plot.yAxis->setRangeReversed(look.downward);

    QVector<double> steps;
    for (size_t i = 1; i <= b.p50.size(); ++i) steps.push_back(static_cast<double>(i));
    const QColor band_colour(70, 130, 210);
    QCPGraph* low = plot.addGraph();
    low->setData(steps, Values(b.p05), true);
    low->setPen(QPen(band_colour.lighter(130), 1));
    low->removeFromLegend();
    QCPGraph* high = plot.addGraph();
    high->setData(steps, Values(b.p95), true);
    high->setPen(QPen(band_colour.lighter(130), 1));
    high->setBrush(QColor(band_colour.red(), band_colour.green(), band_colour.blue(), 70));
    high->setChannelFillGraph(low);
    high->setName(spread);
    QCPGraph* median = plot.addGraph();
    median->setData(steps, Values(b.p50), true);
    median->setPen(QPen(band_colour.darker(160), 1.5));
    median->setName("median");

    QVector<double> measured_steps, measured;
    for (size_t i = 0; i < b.measured.size(); ++i) {
        if (std::isnan(b.measured[i])) continue;
        measured_steps.push_back(static_cast<double>(i + 1));
        measured.push_back(b.measured[i]);
    }
    if (!measured.isEmpty()) {
        QCPGraph* points = plot.addGraph();
        points->setData(measured_steps, measured, true);
        points->setLineStyle(QCPGraph::lsNone);
        points->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QColor(200, 30, 30), 5));
        points->setName("measured");
    }
    plot.rescaleAxes();
    // A little room around the lines, so that none runs along the frame.
    plot.xAxis->setRange(0.5, static_cast<double>(b.p50.size()) + 0.5);
    plot.yAxis->scaleRange(1.08, plot.yAxis->range().center());
    plot.replot();
}

}  // namespace vantorel
