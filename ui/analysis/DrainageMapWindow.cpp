#include "ui/analysis/DrainageMapWindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QtConcurrent/QtConcurrentRun>
#include <qcustomplot.h>

#include "engine/CalibrationTables.h"
#include "graphs/plots/ObjectiveMapPlot.h"
#include "ui/ControlFactory.h"
#include "ui/analysis/PlotViewParts.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

// Runs on a worker thread with its own copy of the data set, so that closing the window or
// changing the data set meanwhile does not touch it.
ObjectiveMapResult ComputeMap(const InputData& data) {
    try {
        return ComputeObjectiveMap(data);
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
}

}  // namespace

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
    point_ = MakeNamed<QLabel>("MapPointLabel");
    save_picture_ = MakeButton("MapSavePictureButton", "Save picture");
    save_table_ = MakeButton("MapSaveTableButton", "Save table");

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Objective:"));
    choices->addWidget(objective_);
    choices->addSpacing(16);
    choices->addWidget(new QLabel("Near-optimal region within"));
    choices->addWidget(percent_);
    choices->addWidget(new QLabel("of the best"));
    choices->addStretch();
    choices->addWidget(busy_);
    LayOutPlotView(*this, choices, note_, plot_, point_, save_picture_, save_table_);

    connect(objective_, &QComboBox::currentIndexChanged, this, [this] { Draw(); });
    connect(percent_, &QDoubleSpinBox::valueChanged, this, [this] { Draw(); });
    connect(&watcher_, &QFutureWatcher<ObjectiveMapResult>::finished, this, [this] { MapComputed(); });
    FollowPointer(*plot_, *point_, [this](double qh1, double qh2) { return PointText(qh1, qh2); });
    connect(save_picture_, &QPushButton::clicked, this, [this] { SavePictureButtonClick(); });
    connect(save_table_, &QPushButton::clicked, this, [this] { SaveTableButtonClick(); });
    save_picture_->setEnabled(false);
    save_table_->setEnabled(false);
    plot_->hide();
}

void DrainageMapWindow::ComputeFor(const InputData& data, std::optional<std::pair<double, double>> used_pair) {
    show();
    raise();
    if (Busy()) return;
    used_pair_ = used_pair;
    map_.reset();
    plot_->hide();
    point_->clear();
    save_picture_->setEnabled(false);
    save_table_->setEnabled(false);
    note_->setText("Computing the 10000 trials of the drainage-factor search ...");
    busy_->show();
    watcher_.setFuture(QtConcurrent::run(ComputeMap, data));
}

bool DrainageMapWindow::Busy() const { return watcher_.isRunning(); }

void DrainageMapWindow::MapComputed() {
    busy_->hide();
    ObjectiveMapResult result = watcher_.result();
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
}

QString DrainageMapWindow::PointText(double qh1, double qh2) const {
    if (!map_) return {};
    return ObjectiveMapPointText(*map_, static_cast<DrainageObjective>(objective_->currentData().toInt()), qh1, qh2);
}

void DrainageMapWindow::SavePictureButtonClick() { SavePlotAs(services_, picture_dialog_, *plot_); }

void DrainageMapWindow::SaveTableButtonClick() {
    if (map_) SaveTableAs(services_, table_dialog_, ObjectiveMapCsvLines(*map_));
}

}  // namespace vantorel
