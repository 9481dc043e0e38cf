#pragma once
// "Drainage-factor map...": the heat map of one objective of the drainage-factor search for the
// current data set, computed off the window thread; hover shows the trial under the pointer in the
// objective shown, the wheel zooms and dragging pans within the grid, "Reset view" shows it whole.

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "engine/ObjectiveMap.h"
#include "ui/BackgroundWork.h"
#include "ui/Platform.h"

class QComboBox;
class QCustomPlot;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vantorel {

class DrainageMapWindow : public QDialog {
public:
    // The computation works on its own copy of the data set; closing the window leaves it to finish
    // unobserved, destroying the window stops it.
    DrainageMapWindow(QWidget* parent, WindowServices& services);

    // Starts computing the map of the data set; the pair a run used is marked when given.
    void ComputeFor(const InputData& data, std::optional<std::pair<double, double>> used_pair);
    bool Busy() const { return work_.Busy(); }
    // The hover text for a point given in QH1 and QH2.
    QString PointText(double qh1, double qh2) const;

    void SavePictureButtonClick();
    void SaveTableButtonClick();
    void ResetViewButtonClick();

private:
    // The map computed, or why there is none.
    void MapComputed(std::variant<ObjectiveMap, std::string> result);
    void Draw();

    WindowServices& services_;
    std::unique_ptr<ObjectiveMap> map_;
    std::optional<std::pair<double, double>> used_pair_;
    // Where the pointer was last over the plot, as QH1 and QH2.
    std::optional<std::pair<double, double>> pointer_;
    QComboBox* objective_ = nullptr;
    QDoubleSpinBox* percent_ = nullptr;
    QCustomPlot* plot_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* point_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QPushButton* save_picture_ = nullptr;
    QPushButton* save_table_ = nullptr;
    QPushButton* reset_view_ = nullptr;
    FileDialogSettings picture_dialog_{"MapPictureDialog", "PNG pictures (*.png)|*.png", "png", ""};
    FileDialogSettings table_dialog_{"MapTableDialog", "CSV files (*.csv)|*.csv", "csv", ""};
    BackgroundWork work_{*this};
};

}  // namespace vantorel
