#include "graphs/plots/UncertaintyPlots.h"

#include <qcustomplot.h>

#include <algorithm>
#include <filesystem>

#include "engine/CalibrationTables.h"
#include "engine/UncertaintyTables.h"
#include "graphs/plots/BandPlot.h"
#include "graphs/plots/GridPlot.h"
#include "graphs/plots/PlotFiles.h"

namespace vantorel {

namespace {

// The cells of the most probable pairs that hold the level of the probability.
std::vector<char> Region(const FactorUncertainty& uncertainty, double level) {
    std::vector<char> inside(uncertainty.posterior.probability.size(), 0);
    for (const int index : HighestProbabilitySet(uncertainty.posterior.probability, level)) inside[index] = 1;
    return inside;
}

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
    // Shown around the pairs of the bands.
    plot.xAxis->setRange(GridRangeAround(uncertainty.band_pairs, TrialQH1));
    plot.yAxis->setRange(GridRangeAround(uncertainty.band_pairs, TrialQH2));
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
    return BandPointText(uncertainty.bands[band], step);
}

QString BandTitle(const FactorUncertainty& uncertainty, size_t band) { return BandSeriesTitle(uncertainty.bands, band); }

void BuildBandPlot(QCustomPlot& plot, const FactorUncertainty& uncertainty, size_t band) {
    BuildBandPlot(plot, uncertainty.bands, band, BandTitle(uncertainty, band) + " with the uncertainty of the drainage factors",
                  "5 to 95 % of the runs");
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
