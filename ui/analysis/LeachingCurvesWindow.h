#pragma once
// "Leaching curves...": the sum of squares of every trial efficiency of the leaching searches of the
// last run made in the window.

#include <QDialog>

#include <optional>

#include "ui/Platform.h"
#include "ui/analysis/CalibrationRun.h"

class QCustomPlot;
class QLabel;

namespace vantorel {

class LeachingCurvesWindow : public QDialog {
public:
    explicit LeachingCurvesWindow(QWidget* parent);
    void ShowRun(const std::optional<CalibrationRun>& run);

private:
    QLabel* note_ = nullptr;
    QCustomPlot* plot_ = nullptr;
};

}  // namespace vantorel
