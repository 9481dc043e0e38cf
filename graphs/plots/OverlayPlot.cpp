#include "graphs/plots/OverlayPlot.h"

#include <qcustomplot.h>

#include <cmath>

#include "graphs/draw/PictureFiles.h"
#include "graphs/plots/SegmentGraph.h"

namespace vantorel {

namespace {

// Distinct colours that read well on white, for the lines that do not stand out.
const QColor LineColours[] = {QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),  QColor(214, 39, 40),
                              QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194), QColor(127, 127, 127),
                              QColor(188, 189, 34),  QColor(23, 190, 207)};

}  // namespace

void DrawOverlay(QCustomPlot& plot, const OverlayChart& chart) {
    plot.clearGraphs();
    plot.clearItems();
    // The title is the layout's first row once the plot has been drawn.
    auto* title = plot.plotLayout()->rowCount() > 1 ? qobject_cast<QCPTextElement*>(plot.plotLayout()->element(0, 0))
                                                    : nullptr;
    if (title == nullptr) {
        plot.plotLayout()->insertRow(0);
        title = new QCPTextElement(&plot, "", QFont(plot.font().family(), 11, QFont::Bold));
        plot.plotLayout()->addElement(0, 0, title);
    }
    title->setText(QString::fromStdString(chart.title));
    SetTimeAxis(*plot.xAxis, chart.calendar);
    plot.yAxis->setLabel(QString::fromStdString(chart.value_label));
    plot.yAxis->setRangeReversed(chart.downward);
    plot.legend->setVisible(true);
    size_t colour = 0;
    // The emphasized line is drawn last, on top of the others.
    std::vector<const OverlayLine*> order;
    for (const OverlayLine& line : chart.lines) {
        if (!line.emphasized) order.push_back(&line);
    }
    for (const OverlayLine& line : chart.lines) {
        if (line.emphasized) order.push_back(&line);
    }
    for (const OverlayLine* drawn : order) {
        const OverlayLine& line = *drawn;
        auto* graph = new SegmentGraph(plot.xAxis, plot.yAxis);
        graph->setName(QString::fromStdString(line.name));
        QVector<double> steps, values;
        for (size_t i = 0; i < line.values.size(); ++i) {
            const double position = StepPosition(chart.calendar, static_cast<int64_t>(i) + 1);
            // Steps after the last date the calendar has are left out.
            if (std::isnan(position)) break;
            steps.push_back(position);
            values.push_back(line.values[i]);
        }
        graph->setData(steps, values, true);
        graph->setPen(line.emphasized ? QPen(Qt::black, 3) : QPen(LineColours[colour++ % std::size(LineColours)], 1.5));
    }
    plot.rescaleAxes();
    // A little room above and below, so that no line runs along the frame.
    plot.yAxis->scaleRange(1.08, plot.yAxis->range().center());
    plot.replot();
}

void SaveOverlayPicture(const OverlayChart& chart, const std::string& path) {
    QCustomPlot plot;
    plot.resize(900, 560);
    DrawOverlay(plot, chart);
    SavePicture(plot.toPixmap(900, 560).toImage(), path);
}

}  // namespace vantorel
