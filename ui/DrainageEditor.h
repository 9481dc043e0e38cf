#pragma once
// The subsurface drainage system: whether there is one, the drain depth, the two reaction
// factors and the measured drain discharge per time step; with the calculator and the
// explanation window at hand. The panel's controls, their filling from a data set and the Save
// into it all live here.

#include "ui/EditorContext.h"

namespace vantorel {

class DrainageEditor {
public:
    explicit DrainageEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    // At creation and Restart: no drainage system, every discharge missing.
    void Reset(int steps);
    void Show(const InputData& d);
    // The data set's values in the controls again, the grid's rows as they are.
    void ShowValues(const InputData& d);
    // The calculator's results, taken over by the next Save.
    void EnterCalculatedFactors(const QString& depth, const QString& qh1, const QString& qh2);

    void DrainPresentComboChange();
    void DrainHelpButtonClick();
    void SeeEqButtonClick();
    void DrainSaveButtonClick();
    void DrainQuitButtonClick();

    QComboBox* DrainPresentCombo = nullptr;
    QLabel* DrainDepthLabel = nullptr;
    QLineEdit* DrainDepthEdit = nullptr;
    QLabel* DrainQH1Label = nullptr;
    QLineEdit* DrainQH1Edit = nullptr;
    QLabel* DrainQH2Label = nullptr;
    QLineEdit* DrainQH2Edit = nullptr;
    QPushButton* DrainHelpButton = nullptr;
    QPushButton* SeeEqButton = nullptr;
    QGroupBox* DischPanel = nullptr;
    StringGrid* DischGrid = nullptr;

private:
    bool Save();
    void ReadDischarges(InputData& d);
    void HideHelpWindows();
    EditorContext& x_;
    PanelFrame frame_;
    // The choice of the last Save or opened file, which Cancel restores.
    int DrainPresentIndex = 0;
};

}  // namespace vantorel
