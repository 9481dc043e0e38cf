#include "ui/analysis/UncertaintyWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <qcustomplot.h>

#include "engine/UncertaintyTables.h"
#include "graphs/plots/UncertaintyPlots.h"
#include "ui/ControlFactory.h"
#include "ui/Mnemonics.h"
#include "ui/QtPlatform.h"
#include "ui/analysis/PlotViewParts.h"
#include "ui/analysis/StaleInput.h"
#include "ui/analysis/ViewSaves.h"

namespace vantorel {

namespace {

QString Lines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines) joined << QString::fromStdString(line).trimmed();
    return joined.join('\n');
}

}  // namespace

UncertaintyRun KeepUncertaintyRun(const ModelState& completed_run) {
    UncertaintyRun run{completed_run.Input.FileName,
                       completed_run.Input,
                       std::string(),
                       {completed_run.Run.QH1Used, completed_run.Run.QH2Used}};
    try {
        run.basis = UncertaintyBasisOf(completed_run);
    } catch (const UncertaintyError& error) {
        run.basis = std::string(error.what());
    }
    return run;
}

UncertaintyWindow::UncertaintyWindow(QWidget* parent, WindowServices& services) : QDialog(parent), services_(services) {
    SetUpWindow(*this, "UncertaintyWindow", "Uncertainty of the drainage factors", 900, 780);
    picture_ = MakeNamed<QComboBox>("UncertaintyPictureCombo");
    note_ = MakeNamed<QLabel>("UncertaintyNoteLabel");
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    busy_ = MakeBusyBar("UncertaintyBusyBar");
    cancel_ = MakeButton("UncertaintyCancelButton", "Cancel");
    cancel_->hide();
    plot_ = MakeNamed<QCustomPlot>("UncertaintyPlot");
    new StaleInputFilter(*plot_);
    point_ = MakeNamed<QLabel>("UncertaintyPointLabel");
    save_picture_ = MakeButton("UncertaintySavePictureButton", "Save picture");
    save_table_ = MakeButton("UncertaintySaveTableButton", "Save table");

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Show:"));
    choices->addWidget(picture_, 1);
    choices->addStretch();
    choices->addWidget(busy_);
    choices->addWidget(cancel_);
    LayOutPlotView(*this, choices, note_, plot_, point_, save_picture_, save_table_);

    connect(picture_, &QComboBox::currentIndexChanged, this, [this] { Draw(); });
    FollowPointer(*plot_, *point_, [this](double x, double y) { return PointText(x, y); });
    connect(cancel_, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    connect(save_picture_, &QPushButton::clicked, this, [this] { SavePictureButtonClick(); });
    connect(save_table_, &QPushButton::clicked, this, [this] { SaveTableButtonClick(); });
    save_picture_->setEnabled(false);
    save_table_->setEnabled(false);
    picture_->setEnabled(false);
    plot_->hide();
    AddMnemonics(*this);
}

void UncertaintyWindow::ComputeFor(const std::optional<UncertaintyRun>& run) {
    show();
    raise();
    if (Busy()) return;
    uncertainty_.reset();
    plot_->hide();
    point_->clear();
    picture_->setEnabled(false);
    save_picture_->setEnabled(false);
    save_table_->setEnabled(false);
    if (!run) {
        note_->setText(
            "No calculation has been made in this window yet. The uncertainty is that of the drainage "
            "factors a run made here with \"Save all - Run\" fitted to the measured water table or drain "
            "discharge.");
        return;
    }
    if (const std::string* refusal = std::get_if<std::string>(&run->basis)) {
        note_->setText(QString("The last run (%1) has no uncertainty to show: %2")
                           .arg(QString::fromStdString(run->output_file), QString::fromStdString(*refusal)));
        return;
    }
    used_pair_ = run->used_pair;
    picture_dialog_.proposed_file = ProposedFileName(run->data.FileName, ".png");
    table_dialog_.proposed_file = ProposedFileName(run->data.FileName, ".csv");
    note_->setText(
        "Computing the posterior of the 10000 pairs of the drainage-factor search and the final runs of "
        "the prediction bands ...");
    busy_->show();
    cancel_->show();
    auto computed = std::make_shared<FactorUncertainty>();
    work_.Start(
        [data = run->data, basis = std::get<UncertaintyBasis>(run->basis), computed](const StopRequest& stop) {
            *computed = ComputeFactorUncertainty(data, basis, &stop);
        },
        [this, computed](const std::string& failure) {
            if (failure.empty()) {
                Computed(std::move(*computed));
            } else if (failure == RunInterrupted().what()) {
                Computed(std::string("The computation was cancelled."));
            } else {
                Computed("No uncertainty: " + failure);
            }
        });
}

void UncertaintyWindow::CancelButtonClick() { work_.RequestStop(); }

void UncertaintyWindow::Computed(UncertaintyResult result) {
    busy_->hide();
    cancel_->hide();
    if (const std::string* failure = std::get_if<std::string>(&result)) {
        note_->setText(QString::fromStdString(*failure));
        return;
    }
    uncertainty_ = std::make_unique<FactorUncertainty>(std::move(std::get<FactorUncertainty>(result)));
    const QSignalBlocker quiet(picture_);
    picture_->clear();
    picture_->addItem("Posterior of the drainage factors");
    for (size_t band = 0; band < uncertainty_->bands.size(); ++band) {
        picture_->addItem(BandTitle(*uncertainty_, band) + ": prediction band");
    }
    picture_->setCurrentIndex(0);
    picture_->setEnabled(true);
    note_->setText(Lines(UncertaintySummaryLines(*uncertainty_)));
    Draw();
}

void UncertaintyWindow::Draw() {
    if (!uncertainty_) return;
    const int shown = picture_->currentIndex();
    if (shown <= 0) {
        BuildPosteriorPlot(*plot_, *uncertainty_, used_pair_);
    } else {
        BuildBandPlot(*plot_, *uncertainty_, static_cast<size_t>(shown - 1));
    }
    point_->clear();
    plot_->show();
    save_picture_->setEnabled(true);
    save_table_->setEnabled(true);
}

QString UncertaintyWindow::PointText(double x, double y) const {
    if (!uncertainty_) return {};
    const int shown = picture_->currentIndex();
    if (shown <= 0) return PosteriorPointText(*uncertainty_, x, y);
    return BandPointText(*uncertainty_, static_cast<size_t>(shown - 1), x);
}

void UncertaintyWindow::SavePictureButtonClick() { SavePlotPictureAs(services_, picture_dialog_, *plot_); }

void UncertaintyWindow::SaveTableButtonClick() {
    if (!uncertainty_) return;
    const int shown = picture_->currentIndex();
    SaveTableAs(services_, table_dialog_,
                shown <= 0 ? PosteriorCsvLines(*uncertainty_)
                           : BandCsvLines(uncertainty_->bands[static_cast<size_t>(shown - 1)]));
}

}  // namespace vantorel
