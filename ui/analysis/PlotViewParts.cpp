#include "ui/analysis/PlotViewParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "ui/ControlFactory.h"

namespace vantorel {

void LayOutPlotView(QDialog& view, QBoxLayout* choices, QLabel* note, QCustomPlot* plot, QLabel* point,
                    QPushButton* save_picture, QPushButton* save_table) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(point, 1);
    buttons->addWidget(save_picture);
    buttons->addWidget(save_table);
    auto* layout = new QVBoxLayout(&view);
    layout->addLayout(choices);
    layout->addWidget(note);
    layout->addWidget(plot, 1);
    layout->addLayout(buttons);
}

QProgressBar* MakeBusyBar(const char* name) {
    auto* busy = MakeNamed<QProgressBar>(name);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setMaximumWidth(160);
    busy->hide();
    return busy;
}

void FollowPointer(QCustomPlot& plot, QLabel& label, std::function<QString(double x, double y)> text) {
    plot.setMouseTracking(true);
    QObject::connect(&plot, &QCustomPlot::mouseMove, &label, [&plot, &label, text](QMouseEvent* event) {
        label.setText(
            text(plot.xAxis->pixelToCoord(event->position().x()), plot.yAxis->pixelToCoord(event->position().y())));
    });
}

}  // namespace vantorel
