#include "ui/analysis/LeachingCurvesWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "engine/CalibrationTables.h"
#include "graphs/plots/LeachingCurvesPlot.h"
#include "ui/ControlFactory.h"
#include "ui/Mnemonics.h"
#include "ui/QtPlatform.h"
#include "ui/analysis/StaleInput.h"
#include "ui/analysis/ViewSaves.h"

namespace vantorel {

LeachingCurvesWindow::LeachingCurvesWindow(QWidget* parent, WindowServices& services)
    : QDialog(parent), services_(services) {
    SetUpWindow(*this, "LeachingCurvesWindow", "Leaching curves", 860, 640);
    note_ = MakeNamed<QLabel>("CurvesNoteLabel");
    note_->setWordWrap(true);
    plot_ = MakeNamed<QCustomPlot>("CurvesPlot");
    new StaleInputFilter(*plot_);
    save_picture_ = MakeButton("CurvesSavePictureButton", "Save picture");
    save_table_ = MakeButton("CurvesSaveTableButton", "Save table");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_picture_);
    buttons->addWidget(save_table_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(plot_, 1);
    layout->addLayout(buttons);
    connect(save_picture_, &QPushButton::clicked, this, [this] { SavePictureButtonClick(); });
    connect(save_table_, &QPushButton::clicked, this, [this] { SaveTableButtonClick(); });
    AddMnemonics(*this);
}

void LeachingCurvesWindow::ShowRun(const std::optional<CalibrationRun>& run) {
    curves_ = run ? run->leaching_curves : std::vector<LeachingCurve>{};
    const bool curves = !curves_.empty();
    if (!run) {
        note_->setText("No calculation has been made in this window yet. The curves are those of the leaching "
                       "searches of a run made here with \"Save all - Run\".");
    } else if (!curves) {
        note_->setText(QString("The last run (%1) searched no leaching efficiency.")
                           .arg(QString::fromStdString(run->output_file)));
    } else {
        note_->setText(QString("Last run: %1. A flat bottom means the measurements hardly fix the efficiency.")
                           .arg(QString::fromStdString(run->output_file)));
        BuildLeachingCurvesPlot(*plot_, curves_);
        picture_dialog_.proposed_file = ProposedFileName(run->output_file, ".png");
        table_dialog_.proposed_file = ProposedFileName(run->output_file, ".csv");
    }
    plot_->setVisible(curves);
    save_picture_->setEnabled(curves);
    save_table_->setEnabled(curves);
    show();
    raise();
}

void LeachingCurvesWindow::SavePictureButtonClick() { SavePlotPictureAs(services_, picture_dialog_, *plot_); }

void LeachingCurvesWindow::SaveTableButtonClick() {
    SaveTableAs(services_, table_dialog_, LeachingCurvesCsvLines(curves_));
}

}  // namespace vantorel
