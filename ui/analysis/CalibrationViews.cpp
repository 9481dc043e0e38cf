#include "ui/analysis/CalibrationViews.h"

#include <QMenu>

#include "model/FileNames.h"

#include "ui/analysis/DrainageMapWindow.h"
#include "ui/analysis/FitStatisticsWindow.h"
#include "ui/analysis/LeachingCurvesWindow.h"

namespace vantorel {

CalibrationRun KeepCalibrationRun(const ModelState& completed_run) {
    return {completed_run.Input.FileName, RunFitStatistics(completed_run), completed_run.Run.LeachingCurves,
            {completed_run.Run.QH1Used, completed_run.Run.QH2Used}, completed_run.Input.DrainPresent};
}

CalibrationRun KeepOutputFileStatistics(const ModelState& read_files) {
    CalibrationRun opened;
    opened.output_file = ReplaceExtension(read_files.Input.FileName, ".out");
    opened.statistics = OutputFileFitStatistics(read_files);
    opened.from_output_file = true;
    return opened;
}

CalibrationViews::CalibrationViews(QWidget& window, const ModelState& state, WindowServices& services)
    : QObject(&window), window_(window), state_(state), services_(services) {}

void CalibrationViews::AddTo(QMenu& menu) {
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
        void (CalibrationViews::*click)();
    } items[] = {
        {"FitStatisticsItem", "&Fit statistics...", "Ctrl+Shift+F", &CalibrationViews::FitStatisticsClick},
        {"DrainageMapItem", "Drainage-factor &map...", "Ctrl+Shift+M", &CalibrationViews::DrainageMapClick},
        {"LeachingCurvesItem", "&Leaching curves...", "Ctrl+Shift+L", &CalibrationViews::LeachingCurvesClick},
        {"UncertaintyItem", "&Uncertainty...", "Ctrl+Shift+U", &CalibrationViews::UncertaintyClick},
    };
    for (const auto& item : items) {
        QAction* action = menu.addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcut(QKeySequence(item.shortcut));
        connect(action, &QAction::triggered, this, [this, click = item.click] { (this->*click)(); });
    }
}

void CalibrationViews::RunCompleted(const ModelState& state) {
    last_run_ = KeepCalibrationRun(state);
    uncertainty_run_ = KeepUncertaintyRun(state);
    last_statistics_ = last_run_;
}

void CalibrationViews::OutputOpened(const ModelState& read_files) {
    last_statistics_ = KeepOutputFileStatistics(read_files);
}

void CalibrationViews::FitStatisticsClick() {
    if (!statistics_) statistics_ = new FitStatisticsWindow(&window_, services_);
    statistics_->ShowRun(last_statistics_);
}

void CalibrationViews::DrainageMapClick() {
    if (!map_) map_ = new DrainageMapWindow(&window_, services_);
    std::optional<std::pair<double, double>> used;
    if (last_run_ && last_run_->drains) used = last_run_->drainage_factors;
    map_->ComputeFor(state_.Input, used);
}

void CalibrationViews::LeachingCurvesClick() {
    if (!curves_) curves_ = new LeachingCurvesWindow(&window_, services_);
    curves_->ShowRun(last_run_);
}

void CalibrationViews::UncertaintyClick() {
    if (!uncertainty_) uncertainty_ = new UncertaintyWindow(&window_, services_);
    uncertainty_->ComputeFor(uncertainty_run_);
}

}  // namespace vantorel
