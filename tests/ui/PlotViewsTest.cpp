// The analysis views' plots with long series: what the pixels can show is drawn, nothing of it
// lost, and input that waited behind a slow repaint is dropped.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <qcustomplot.h>

#include "graphs/plots/OverlayPlot.h"
#include "ui/analysis/StaleInput.h"

namespace vantorel::test {
namespace {

TEST(PlotViewsTest, ALongSeriesKeepsItsOneStepPeakInThePicture) {
    OverlayChart chart{"Salinity", "dS/m", false, {}, {}};
    OverlayLine& line = chart.lines.emplace_back();
    line.name = "base";
    line.emphasized = true;
    line.values.assign(100'000, 1.0);
    line.values[61'234] = 3.0;
    QCustomPlot plot;
    plot.resize(900, 560);
    DrawOverlay(plot, chart);
    const QImage picture = plot.toPixmap(900, 560).toImage();
    const int x = static_cast<int>(plot.xAxis->coordToPixel(61'234));
    const int top = static_cast<int>(plot.yAxis->coordToPixel(3.0));
    const int base = static_cast<int>(plot.yAxis->coordToPixel(1.0));
    // The peak's column is dark from the line up to the peak.
    int dark = 0;
    for (int y = top + 2; y < base - 2; ++y) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (qGray(picture.pixel(x + dx, y)) < 100) {
                ++dark;
                break;
            }
        }
    }
    EXPECT_EQ(dark, base - top - 4);
}

TEST(PlotViewsTest, AWheelTurnThatWaitedBehindARepaintIsDropped) {
    QCustomPlot plot;
    plot.setInteractions(QCP::iRangeZoom);
    plot.resize(400, 300);
    plot.xAxis->setRange(0, 100);
    plot.replot();
    new StaleInputFilter(plot);
    const QPointF inside = plot.axisRect()->rect().center();
    const auto turn = [&](ulong stamp) {
        QWheelEvent wheel(inside, plot.mapToGlobal(inside), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        wheel.setTimestamp(stamp);
        const QCPRange before = plot.xAxis->range();
        QApplication::sendEvent(&plot, &wheel);
        return plot.xAxis->range() != before;
    };
    EXPECT_TRUE(turn(50'000));
    // Stamped half a second before its neighbour, handled at the same moment: it waited.
    EXPECT_FALSE(turn(49'500));
    EXPECT_TRUE(turn(50'010));
}

}  // namespace
}  // namespace vantorel::test
