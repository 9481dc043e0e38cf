#include "ui/analysis/LeachingCurvesWindow.h"

#include <QLabel>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "graphs/plots/LeachingCurvesPlot.h"
#include "ui/ControlFactory.h"
#include "ui/analysis/StaleInput.h"

namespace vantorel {

LeachingCurvesWindow::LeachingCurvesWindow(QWidget* parent) : QDialog(parent) {
    SetUpWindow(*this, "LeachingCurvesWindow", "Leaching curves", 860, 640);
    note_ = MakeNamed<QLabel>("CurvesNoteLabel");
    note_->setWordWrap(true);
    plot_ = MakeNamed<QCustomPlot>("CurvesPlot");
    new StaleInputFilter(*plot_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(plot_, 1);
}

void LeachingCurvesWindow::ShowRun(const std::optional<CalibrationRun>& run) {
    const bool curves = run && !run->leaching_curves.empty();
    if (!run) {
        note_->setText("No calculation has been made in this window yet. The curves are those of the leaching "
                       "searches of a run made here with \"Save all - Run\".");
    } else if (!curves) {
        note_->setText(QString("The last run (%1) searched no leaching efficiency.")
                           .arg(QString::fromStdString(run->output_file)));
    } else {
        note_->setText(QString("Last run: %1. A flat bottom means the measurements hardly fix the efficiency.")
                           .arg(QString::fromStdString(run->output_file)));
        BuildLeachingCurvesPlot(*plot_, run->leaching_curves);
    }
    plot_->setVisible(curves);
    show();
    raise();
}

}  // namespace vantorel
