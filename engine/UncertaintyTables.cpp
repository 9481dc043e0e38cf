#include "engine/UncertaintyTables.h"

#include <algorithm>

#include "engine/CalibrationTables.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

std::string Exact(double value) { return FormatSignificant(value, 17); }

std::string Factor(double value) { return FormatFixed(value, 0, 3); }

std::string Percent(double fraction) { return FormatSignificant(100 * fraction, 3); }

std::string MarginalRow(const char* parameter, const MarginalSummary& m) {
    return std::string(parameter) + ',' + Exact(m.mean) + ',' + Exact(m.sd) + ',' + Exact(m.p05) + ',' + Exact(m.p50) +
           ',' + Exact(m.p95);
}

std::string Interval(const char* name, const MarginalSummary& m) {
    return std::string(name) + ' ' + Factor(m.p50) + " (90 %: " + Factor(m.p05) + "-" + Factor(m.p95) + ")";
}

constexpr const char* BandsHeader = "step,series,p05,p50,p95";

void AddBandLines(const PredictionBand& band, std::vector<std::string>& lines) {
    for (size_t step = 0; step < band.p50.size(); ++step) {
        lines.push_back(std::to_string(step + 1) + ',' + band.series + ',' + Exact(band.p05[step]) + ',' +
                        Exact(band.p50[step]) + ',' + Exact(band.p95[step]));
    }
}

}  // namespace

std::vector<std::string> PosteriorCsvLines(const FactorUncertainty& uncertainty) {
    const GridPosterior& posterior = uncertainty.posterior;
    std::vector<std::string> lines = {"qh1,qh2,probability"};
    lines.reserve(posterior.probability.size() + 1);
    for (size_t j = 0; j < posterior.first.size(); ++j) {
        for (size_t k = 0; k < posterior.second.size(); ++k) {
            lines.push_back(Exact(posterior.first[j]) + ',' + Exact(posterior.second[k]) + ',' +
                            Exact(posterior.probability[j * posterior.second.size() + k]));
        }
    }
    return lines;
}

std::vector<std::string> IntervalsCsvLines(const FactorUncertainty& uncertainty) {
    const PosteriorSummary& s = uncertainty.summary;
    return {"parameter,mean,sd,p05,p50,p95", MarginalRow("qh1", s.first), MarginalRow("qh2", s.second),
            "correlation," + (s.correlation ? Exact(*s.correlation) : std::string()) + ",,,,",
            "edge_probability," + Exact(s.edge_probability) + ",,,,"};
}

std::vector<std::string> BandsCsvLines(const FactorUncertainty& uncertainty) {
    std::vector<std::string> lines = {BandsHeader};
    for (const PredictionBand& band : uncertainty.bands) AddBandLines(band, lines);
    return lines;
}

std::vector<std::string> BandCsvLines(const PredictionBand& band) {
    std::vector<std::string> lines = {BandsHeader};
    AddBandLines(band, lines);
    return lines;
}

std::vector<std::string> UncertaintySummaryLines(const FactorUncertainty& uncertainty) {
    const PosteriorSummary& s = uncertainty.summary;
    std::vector<std::string> lines = {
        "Uncertainty of the drainage factors (" + std::string(ObjectiveLabel(uncertainty.objective)) + ", n = " +
        std::to_string(uncertainty.measurements) + "): " + Interval("QH1", s.first) + ", " + Interval("QH2", s.second) +
        ", correlation " + (s.correlation ? FormatFixed(*s.correlation, 0, 2) : std::string("n.a."))};
    if (s.edge_probability > EdgeWarningProbability) {
        lines.push_back("  The grid's outer rows and columns hold " + Percent(s.edge_probability) +
                        " % of the probability: the factors may lie outside the grid.");
    }
    lines.push_back("Prediction bands (5, 50 and 95 % per time step) over " +
                    PairCount(static_cast<int>(uncertainty.band_pairs.size())) + " holding " +
                    Percent(uncertainty.band_probability) + " % of the probability");
    return lines;
}

std::string BandFileName(const std::string& series) {
    std::string name = series;
    std::replace(name.begin(), name.end(), '_', '-');
    return name;
}

}  // namespace vantorel
