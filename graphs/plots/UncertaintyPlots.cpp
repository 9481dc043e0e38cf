#include "graphs/plots/UncertaintyPlots.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "engine/CalibrationTables.h"
#include "engine/UncertaintyTables.h"
#include "graphs/plots/GridPlot.h"
#include "graphs/plots/PlotFiles.h"
#include "graphs/plots/TitledPlot.h"

namespace vantorel {

namespace {

constexpr double Step = 0.001;

// The cells of the most probable pairs that hold the level of the probability.
std::vector<char> Region(const FactorUncertainty& uncertainty, double level) {
    std::vector<char> inside(uncertainty.posterior.probability.size(), 0);
    for (const int index : HighestProbabilitySet(uncertainty.posterior.probability, level)) inside[index] = 1;
    return inside;
}

// Around the pairs of the bands with some room, at least a tenth of the grid wide, within the grid.
QCPRange ZoomedRange(const std::vector<int>& pairs, double (*factor)(int)) {
    double low = 1, high = 0;
    for (const int index : pairs) {
        low = std::min(low, factor(index));
        high = std::max(high, factor(index));
    }
    if (low > high) return QCPRange(Step / 2, DrainageGridSize * Step + Step / 2);
    const double room = std::max(3 * Step, (high - low) / 3);
    low = low - room;
    high = high + room;
    const double shortfall = 10 * Step - (high - low);
    if (shortfall > 0) {
        low = low - shortfall / 2;
        high = high + shortfall / 2;
    }
    return QCPRange(std::max(low, Step / 2), std::min(high, DrainageGridSize * Step + Step / 2));
}

struct BandLook {
    QString title, value_label;
    bool downward;
};

BandLook LookOf(const std::string& series, bool one_layer) {
    if (series == "water_table_depth") return {"Water-table depth", "Depth below the soil surface (m)", true};
    if (series == "drain_discharge") return {"Drain discharge", "Drain discharge (mm per time step)", false};
    QString zone = QString::fromStdString(series.substr(std::string("salinity_").size()));
    zone.replace('_', ' ');
    if (one_layer && series == "salinity_layer_1") zone = "root zone";
    return {"Salinity of the " + zone, "Salinity of the soil moisture (dS/m)", false};
}

bool OneLayer(const FactorUncertainty& uncertainty) {
    return std::none_of(uncertainty.bands.begin(), uncertainty.bands.end(),
                        [](const PredictionBand& band) { return band.series == "salinity_layer_2"; });
}

QVector<double> Values(const std::vector<double>& values) { return QVector<double>(values.begin(), values.end()); }

}  // namespace

void BuildPosteriorPlot(QCustomPlot& plot, const FactorUncertainty& uncertainty,
                        std::optional<std::pair<double, double>> used_pair) {
    QCPColorMap* colours = StartGridHeatMap(plot,
                                            QString("Posterior of the drainage factors, fitted to the %1 (n = %2)")
                                                .arg(ObjectiveLabel(uncertainty.objective))
                                                .arg(uncertainty.measurements),
                                            "Probability of the pair");
    const std::vector<double>& probability = uncertainty.posterior.probability;
    for (size_t index = 0; index < probability.size(); ++index) {
        colours->data()->setCell(static_cast<int>(index) / DrainageGridSize, static_cast<int>(index) % DrainageGridSize,
                                 probability[index]);
    }
    QCPColorGradient gradient;
    gradient.clearColorStops();
    gradient.setColorStopAt(0, Qt::white);
    gradient.setColorStopAt(0.35, QColor(120, 170, 230));
    gradient.setColorStopAt(1, QColor(10, 30, 110));
    colours->setGradient(gradient);
    colours->setDataRange(QCPRange(0, *std::max_element(probability.begin(), probability.end())));

    AddGridOutline(plot, Region(uncertainty, 0.5), "50 % region", QPen(QColor(230, 110, 0), 2));
    AddGridOutline(plot, Region(uncertainty, 0.9), "90 % region", QPen(QColor(230, 110, 0), 2, Qt::DashLine));
    const PosteriorSummary& s = uncertainty.summary;
    AddGridMark(plot, s.first.p50, s.second.p50, QCPScatterStyle::ssStar, QColor(0, 150, 0), 14,
                "medians: " + GridPairText(s.first.p50, s.second.p50));
    if (used_pair) {
        AddGridMark(plot, used_pair->first, used_pair->second, QCPScatterStyle::ssCross, Qt::red, 13,
                    "pair used by the run: " + GridPairText(used_pair->first, used_pair->second));
    }
    plot.xAxis->setRange(ZoomedRange(uncertainty.band_pairs, TrialQH1));
    plot.yAxis->setRange(ZoomedRange(uncertainty.band_pairs, TrialQH2));
    plot.replot();
}

QString PosteriorPointText(const FactorUncertainty& uncertainty, double qh1, double qh2) {
    const std::optional<int> index = GridCellAt(qh1, qh2);
    if (!index) return {};
    return QString("%1: probability %2")
        .arg(GridPairText(TrialQH1(*index), TrialQH2(*index)))
        .arg(uncertainty.posterior.probability[*index], 0, 'g', 4);
}

QString BandPointText(const FactorUncertainty& uncertainty, size_t band, double step) {
    const PredictionBand& b = uncertainty.bands[band];
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

QString BandTitle(const FactorUncertainty& uncertainty, size_t band) {
    return LookOf(uncertainty.bands[band].series, OneLayer(uncertainty)).title;
}

void BuildBandPlot(QCustomPlot& plot, const FactorUncertainty& uncertainty, size_t band) {
    const PredictionBand& b = uncertainty.bands[band];
    const BandLook look = LookOf(b.series, OneLayer(uncertainty));
    StartTitledPlot(plot, look.title + " with the uncertainty of the drainage factors");
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
    high->setName("5 to 95 % of the runs");
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

std::vector<std::string> SaveUncertaintyPictures(const FactorUncertainty& uncertainty, const std::string& folder,
                                                 std::optional<std::pair<double, double>> used_pair) {
    const std::filesystem::path place(folder);
    QCustomPlot plot;
    std::vector<std::string> files = {"posterior.png"};
    BuildPosteriorPlot(plot, uncertainty, used_pair);
    SavePlotPicture(plot, (place / files.back()).string());
    for (size_t band = 0; band < uncertainty.bands.size(); ++band) {
        files.push_back("bands-" + BandFileName(uncertainty.bands[band].series) + ".png");
        BuildBandPlot(plot, uncertainty, band);
        SavePlotPicture(plot, (place / files.back()).string());
    }
    return files;
}

}  // namespace vantorel
