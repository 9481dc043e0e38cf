#include "ui/analysis/PlotViewParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "graphs/plots/PlotFiles.h"
#include "model/TextFile.h"
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

void SavePlotAs(WindowServices& services, const FileDialogSettings& dialog, QCustomPlot& plot) {
    const std::optional<std::string> path = services.files.SaveFile(dialog);
    if (!path) return;
    try {
        SavePlotPicture(plot, *path);
    } catch (const std::exception& error) {
        services.errors.ShowError(error.what());
        return;
    }
    services.dialogs.ShowMessage("The picture was saved as " + *path);
}

void SaveTableAs(WindowServices& services, const FileDialogSettings& dialog, const std::vector<std::string>& lines) {
    const std::optional<std::string> path = services.files.SaveFile(dialog);
    if (!path) return;
    AtomicFileWriter writer(*path);
    for (const std::string& line : lines) writer.Line(line);
    try {
        writer.Commit();
    } catch (const std::exception& error) {
        services.errors.ShowError(error.what());
        return;
    }
    services.dialogs.ShowMessage("The table was saved as " + *path);
}

}  // namespace vantorel
