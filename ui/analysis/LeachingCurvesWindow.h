#pragma once
// "Leaching curves...": the sum of squares of every trial efficiency of the leaching searches of the
// last run made in the window, saved as a picture or a table like the map.

#include <QDialog>

#include <optional>

#include "ui/Platform.h"
#include "ui/analysis/CalibrationRun.h"

class QCustomPlot;
class QLabel;
class QPushButton;

namespace vantorel {

class LeachingCurvesWindow : public QDialog {
public:
    LeachingCurvesWindow(QWidget* parent, WindowServices& services);
    void ShowRun(const std::optional<CalibrationRun>& run);

    void SavePictureButtonClick();
    void SaveTableButtonClick();

private:
    WindowServices& services_;
    std::vector<LeachingCurve> curves_;
    QLabel* note_ = nullptr;
    QCustomPlot* plot_ = nullptr;
    QPushButton* save_picture_ = nullptr;
    QPushButton* save_table_ = nullptr;
    FileDialogSettings picture_dialog_{"CurvesPictureDialog", "PNG pictures (*.png)|*.png", "png", ""};
    FileDialogSettings table_dialog_{"CurvesTableDialog", "CSV files (*.csv)|*.csv", "csv", ""};
};

}  // namespace vantorel
