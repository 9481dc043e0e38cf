#pragma once
// Rice cropping details: whether rice is grown under standing water, the infiltration capacity
// of the soil surface and the transpiration of waterlogged rice. The last group of the sequence.

#include "ui/EditorContext.h"

namespace vantorel {

class RiceEditor {
public:
    explicit RiceEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    // At creation and Restart: no rice.
    void Reset();
    void Show(const InputData& d);
    void RiceComboChange();
    void RiceSaveButtonClick();
    void RiceQuitButtonClick();

    QComboBox* RiceCombo = nullptr;
    QLabel* InfilLabel = nullptr;
    QLineEdit* InfilEdit = nullptr;
    QLabel* FractLabel = nullptr;
    QLineEdit* FractionEdit = nullptr;

private:
    bool Save();
    EditorContext& x_;
    PanelFrame frame_;
    // The choice as last saved or read: the choice list writes the data set at once, and Cancel
    // gives it back, as the drainage group does with its own choice.
    bool saved_rice_ = false;
};

}  // namespace vantorel
