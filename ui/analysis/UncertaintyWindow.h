#pragma once
// "Uncertainty...": the posterior of the drainage factors the last run made in the window fitted to
// measurements, and the prediction bands of its results, computed off the window thread with a busy
// indicator and Cancel.

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "engine/FactorUncertainty.h"
#include "ui/BackgroundWork.h"
#include "ui/Platform.h"

class QComboBox;
class QCustomPlot;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vantorel {

// What the view keeps of a completed run: the data set it ran, and what it fitted its factors to or
// why it has no uncertainty.
struct UncertaintyRun {
    std::string output_file;
    InputData data;
    std::variant<UncertaintyBasis, std::string> basis;
    std::pair<double, double> used_pair;
};

UncertaintyRun KeepUncertaintyRun(const ModelState& completed_run);

// A computed uncertainty, or why there is none.
using UncertaintyResult = std::variant<FactorUncertainty, std::string>;

class UncertaintyWindow : public QDialog {
public:
    // A computation still running when the window goes is stopped.
    UncertaintyWindow(QWidget* parent, WindowServices& services);

    // Shows the window and starts computing the run's uncertainty, or says why there is none.
    void ComputeFor(const std::optional<UncertaintyRun>& run);
    bool Busy() const { return work_.Busy(); }
    // The hover text for a point of the plot, in its axes' units.
    QString PointText(double x, double y) const;

    void CancelButtonClick();
    void SavePictureButtonClick();
    void SaveTableButtonClick();

private:
    void Computed(UncertaintyResult result);
    void Draw();

    WindowServices& services_;
    std::unique_ptr<FactorUncertainty> uncertainty_;
    std::pair<double, double> used_pair_;
    QComboBox* picture_ = nullptr;
    QCustomPlot* plot_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* point_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* save_picture_ = nullptr;
    QPushButton* save_table_ = nullptr;
    FileDialogSettings picture_dialog_{"UncertaintyPictureDialog", "PNG pictures (*.png)|*.png", "png", ""};
    FileDialogSettings table_dialog_{"UncertaintyTableDialog", "CSV files (*.csv)|*.csv", "csv", ""};
    // Last: it stops the computation before the controls it reports to go.
    BackgroundWork work_{*this};
};

}  // namespace vantorel
