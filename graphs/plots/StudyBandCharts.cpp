#include "graphs/plots/StudyBandCharts.h"

#include "graphs/plots/BandPlot.h"

namespace vantorel {

std::vector<StudyBandChart> StudyBandCharts(const std::vector<SampledRow>& rows) {
    std::vector<StudyBandChart> charts;
    for (const SampledRow& row : rows) {
        for (size_t band = 0; band < row.bands.size(); ++band) {
            const QString title = QString("%1 over the samples of %2 (%3 of %4 completed)")
                                      .arg(BandSeriesTitle(row.bands, band), QString::fromStdString(row.name))
                                      .arg(row.completed)
                                      .arg(row.samples);
            charts.push_back({StudyBandPictureStem(row.name, row.bands[band].series), title, &row, band});
        }
    }
    return charts;
}

void DrawStudyBand(QCustomPlot& plot, const StudyBandChart& chart) {
    BuildBandPlot(plot, chart.row->bands, chart.band, chart.title, "5 to 95 % of the samples");
}

}  // namespace vantorel
