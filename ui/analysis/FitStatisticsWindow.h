#pragma once
// "Fit statistics...": the standard goodness-of-fit statistics of the last run made in the window,
// copied to the clipboard like the Output page's tables.

#include <QDialog>

#include <optional>

#include "ui/Platform.h"
#include "ui/analysis/CalibrationRun.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vantorel {

class FitStatisticsWindow : public QDialog {
public:
    FitStatisticsWindow(QWidget* parent, WindowServices& services);
    // Shows the run's table, or a note why there is none.
    void ShowRun(const std::optional<CalibrationRun>& run);
    // The table as the clipboard gets it: tab-separated cells, rows separated by a carriage return.
    QString ClipboardText() const;

private:
    WindowServices& services_;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* copy_ = nullptr;
};

}  // namespace vantorel
