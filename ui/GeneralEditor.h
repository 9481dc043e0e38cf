#pragma once
// The General data group: titles, the number and length of the time steps, and the number of
// root-zone layers, whose change carries the soil and salinity grids over to the new count.

#include "ui/EditorContext.h"

namespace vantorel {

struct InputEditors;

class GeneralEditor {
public:
    // A Save reaches the other editors' grids: the time-step grids take the new number of steps,
    // and a new layer count takes over the soil and salinity grids of the old one.
    GeneralEditor(EditorContext& context, const InputEditors& editors) : x_(context), editors_(editors) {}

    QGroupBox* Build();
    // At creation and Restart: 11 monthly steps, one layer.
    void Reset();
    void Show(const InputData& d);
    void GenSaveButtonClick();
    void GenQuitButtonClick();

    QLineEdit* Tit1Edit = nullptr;
    QLineEdit* Tit2Edit = nullptr;
    QLineEdit* NrTstEdit = nullptr;
    QComboBox* TstCombo = nullptr;
    QComboBox* LayersCombo = nullptr;

private:
    bool Save();
    EditorContext& x_;
    const InputEditors& editors_;
    PanelFrame frame_;
};

}  // namespace vantorel
