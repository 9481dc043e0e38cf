#pragma once
// Initial and boundary conditions: irrigation water salinity, the initial water table and soil
// moisture, the critical depth, the irrigation efficiency and the groundwater flows.

#include "ui/EditorContext.h"

namespace vantorel {

class ConditionsEditor {
public:
    explicit ConditionsEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    void Show(const InputData& d);
    void CondSaveButtonClick();
    void CondQuitButtonClick();

    QLineEdit* SaltIrrigEdit = nullptr;
    QLineEdit* WTdepthEdit = nullptr;
    QLineEdit* CritDepthEdit = nullptr;
    QLineEdit* MoistEdit = nullptr;
    QLineEdit* IrrEffEdit = nullptr;
    QLineEdit* GrwtInfEdit = nullptr;
    QLineEdit* GrwtOutEdit = nullptr;
    QLineEdit* SalInfEdit = nullptr;

private:
    bool Save();
    EditorContext& x_;
    PanelFrame frame_;
};

}  // namespace vantorel
