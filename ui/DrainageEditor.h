#pragma once
// The subsurface drainage system: whether there is one, the drain depth, the two reaction
// factors and the measured drain discharge per time step; with the calculator and the
// explanation window at hand.

#include "ui/EditorContext.h"

namespace vantorel {

class DrainageEditor {
public:
    explicit DrainageEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();

    void DrainPresentComboChange();
    void DrainHelpButtonClick();
    void SeeEqButtonClick();
    void DrainSaveButtonClick();
    void DrainQuitButtonClick();

private:
    bool Save();
    void HideHelpWindows();
    EditorContext& x_;
};

}  // namespace vantorel
