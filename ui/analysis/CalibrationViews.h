#pragma once
// The Analysis menu's calibration views and the run they show.

#include <QObject>

#include <optional>

#include "model/ModelState.h"
#include "ui/Platform.h"
#include "ui/analysis/CalibrationRun.h"
#include "ui/analysis/UncertaintyWindow.h"

class QMenu;
class QWidget;

namespace vantorel {

class DrainageMapWindow;
class FitStatisticsWindow;
class LeachingCurvesWindow;

class CalibrationViews : public QObject {
public:
    CalibrationViews(QWidget& window, const ModelState& state, WindowServices& services);

    // Adds "Fit statistics...", "Drainage-factor map...", "Leaching curves..." and "Uncertainty...".
    void AddTo(QMenu& menu);
    // Right after a run made in the window completed.
    void RunCompleted(const ModelState& state);
    // Once "Open output" has read an output file and its input file: the fit statistics follow it.
    void OutputOpened(const ModelState& read_files);

    void FitStatisticsClick();
    void DrainageMapClick();
    void LeachingCurvesClick();
    void UncertaintyClick();

private:
    QWidget& window_;
    const ModelState& state_;
    WindowServices& services_;
    std::optional<CalibrationRun> last_run_;
    // The run or the output file opened last.
    std::optional<CalibrationRun> last_statistics_;
    std::optional<UncertaintyRun> uncertainty_run_;
    FitStatisticsWindow* statistics_ = nullptr;
    DrainageMapWindow* map_ = nullptr;
    LeachingCurvesWindow* curves_ = nullptr;
    UncertaintyWindow* uncertainty_ = nullptr;
};

}  // namespace vantorel
