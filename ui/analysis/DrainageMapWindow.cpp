#include "ui/analysis/DrainageMapWindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "engine/CalibrationTables.h"
#include "graphs/plots/GridPlot.h"
#include "graphs/plots/ObjectiveMapPlot.h"
#include "ui/ControlFactory.h"
#include "ui/Mnemonics.h"
#include "ui/QtPlatform.h"
#include "ui/analysis/PlotViewParts.h"
#include "ui/analysis/StaleInput.h"
#include "ui/analysis/ViewSaves.h"
#include "model/NumberText.h"

namespace vantorel {

DrainageMapWindow::DrainageMapWindow(QWidget* parent, WindowServices& services)
    : QDialog(parent), services_(services) {
    SetUpWindow(*this, "DrainageMapWindow", "Drainage-factor map", 900, 760);
    objective_ = MakeNamed<QComboBox>("MapObjectiveCombo");
    for (const DrainageObjective objective : DrainageObjectives) {
        objective_->addItem(QString(ObjectiveLabel(objective)), static_cast<int>(objective));
    }
    percent_ = MakeNamed<QDoubleSpinBox>("NearOptimalSpin");
    percent_->setRange(0.1, 100);
    percent_->setDecimals(1);
    percent_->setValue(5);
    percent_->setSuffix(" %");
    note_ = MakeNamed<QLabel>("MapNoteLabel");
    note_->setWordWrap(true);
    busy_ = MakeBusyBar("MapBusyBar");
    plot_ = MakeNamed<QCustomPlot>("MapPlot");
    plot_->setMouseTracking(true);
    new StaleInputFilter(*plot_);
    point_ = MakeNamed<QLabel>("MapPointLabel");
    save_picture_ = MakeButton("MapSavePictureButton", "Save picture");
    save_table_ = MakeButton("MapSaveTableButton", "Save table");
    reset_view_ = MakeButton("MapResetViewButton", "Reset view");

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Objective:"));
    choices->addWidget(objective_);
    choices->addSpacing(16);
    choices->addWidget(new QLabel("Near-optimal region within"));
    choices->addWidget(percent_);
    choices->addWidget(new QLabel("of the best"));
    choices->addStretch();
    choices->addWidget(busy_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(point_, 1);
    buttons->addWidget(reset_view_);
    buttons->addWidget(save_picture_);
    buttons->addWidget(save_table_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(note_);
    layout->addWidget(plot_, 1);
    layout->addLayout(buttons);

    connect(objective_, &QComboBox::currentIndexChanged, this, [this] { Draw(); });
    connect(percent_, &QDoubleSpinBox::valueChanged, this, [this] { Draw(); });
    connect(plot_, &QCustomPlot::mouseMove, this, [this](QMouseEvent* event) {
        pointer_.emplace(plot_->xAxis->pixelToCoord(event->position().x()),
                         plot_->yAxis->pixelToCoord(event->position().y()));
        point_->setText(PointText(pointer_->first, pointer_->second));
    });
    connect(save_picture_, &QPushButton::clicked, this, [this] { SavePictureButtonClick(); });
    connect(save_table_, &QPushButton::clicked, this, [this] { SaveTableButtonClick(); });
    connect(reset_view_, &QPushButton::clicked, this, [this] { ResetViewButtonClick(); });
    for (QPushButton* button : {save_picture_, save_table_, reset_view_}) button->setEnabled(false);
    plot_->hide();
    AddMnemonics(*this);
}

void DrainageMapWindow::ComputeFor(const InputData& data, std::optional<std::pair<double, double>> used_pair) {
    show();
    raise();
    if (Busy()) return;
    used_pair_ = used_pair;
    map_.reset();
    plot_->hide();
    point_->clear();
    pointer_.reset();
    for (QPushButton* button : {save_picture_, save_table_, reset_view_}) button->setEnabled(false);
    picture_dialog_.proposed_file = ProposedFileName(data.FileName, ".png");
    table_dialog_.proposed_file = ProposedFileName(data.FileName, ".csv");
    note_->setText("Computing the 10000 trials of the drainage-factor search ...");
    busy_->show();
    auto computed = std::make_shared<ObjectiveMap>();
    work_.Start([data, computed](const StopRequest& stop) { *computed = ComputeObjectiveMap(data, &stop); },
                [this, computed](const std::string& failure) {
                    if (failure.empty()) {
                        MapComputed(std::move(*computed));
                    } else {
                        MapComputed(failure);
                    }
                });
}

void DrainageMapWindow::MapComputed(std::variant<ObjectiveMap, std::string> result) {
    busy_->hide();
    if (const std::string* refusal = std::get_if<std::string>(&result)) {
        note_->setText(QString("No map: %1").arg(QString::fromStdString(*refusal)));
        return;
    }
    map_ = std::make_unique<ObjectiveMap>(std::move(std::get<ObjectiveMap>(result)));
    save_table_->setEnabled(true);
    // Only the objectives that tell something can be chosen; the first of them is shown.
    auto* items = qobject_cast<QStandardItemModel*>(objective_->model());
    int first = -1;
    for (int row = 0; row < objective_->count(); ++row) {
        const bool meaningful = IsMeaningful(*map_, static_cast<DrainageObjective>(objective_->itemData(row).toInt()));
        items->item(row)->setEnabled(meaningful);
        if (meaningful && first < 0) first = row;
    }
    const QSignalBlocker quiet(objective_);
    if (first >= 0) objective_->setCurrentIndex(first);
    Draw();
}

void DrainageMapWindow::Draw() {
    if (!map_) return;
    const auto objective = static_cast<DrainageObjective>(objective_->currentData().toInt());
    const bool meaningful = IsMeaningful(*map_, objective);
    save_picture_->setEnabled(meaningful);
    reset_view_->setEnabled(meaningful);
    plot_->setVisible(meaningful);
    if (!meaningful) {
        point_->clear();
        note_->setText(objective == DrainageObjective::Balance
                           ? "The water balance of steps longer than a day closes but for rounding noise: "
                             "there is nothing to map."
                           : "The data set has no measurements for this objective.");
        return;
    }
    const NearOptimalRegion region = FindNearOptimalRegion(*map_, objective, percent_->value());
    note_->setText(QString("Best %1 %2 at QH1 %3, QH2 %4; within %5 % of it: QH1 %6 to %7, QH2 %8 to %9 (%10).%11")
                       .arg(QString::fromStdString(FormatSignificant(
                                ObjectiveDisplayValue(map_->sums, objective, region.best.index), 6)))
                       .arg(ObjectiveUnit(objective))
                       .arg(region.best.qh1, 0, 'f', 3)
                       .arg(region.best.qh2, 0, 'f', 3)
                       .arg(percent_->value())
                       .arg(region.qh1_min, 0, 'f', 3)
                       .arg(region.qh1_max, 0, 'f', 3)
                       .arg(region.qh2_min, 0, 'f', 3)
                       .arg(region.qh2_max, 0, 'f', 3)
                       .arg(QString::fromStdString(PairCount(region.trials)))
                       .arg(region.best_on_edge ? " The best pair lies on the edge of the grid: the true optimum "
                                                  "may lie outside it."
                                                : ""));
    BuildObjectiveMapPlot(*plot_, *map_, {objective, percent_->value(), used_pair_});
    // The readout tells the value of the objective now shown.
    if (pointer_) point_->setText(PointText(pointer_->first, pointer_->second));
}

QString DrainageMapWindow::PointText(double qh1, double qh2) const {
    if (!map_) return {};
    return ObjectiveMapPointText(*map_, static_cast<DrainageObjective>(objective_->currentData().toInt()), qh1, qh2);
}

void DrainageMapWindow::SavePictureButtonClick() { SavePlotPictureAs(services_, picture_dialog_, *plot_); }

void DrainageMapWindow::SaveTableButtonClick() {
    if (map_) SaveTableAs(services_, table_dialog_, ObjectiveMapCsvLines(*map_));
}

void DrainageMapWindow::ResetViewButtonClick() { ShowWholeGrid(*plot_); }

}  // namespace vantorel
