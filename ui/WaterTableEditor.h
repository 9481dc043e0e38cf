#pragma once
// The measured water-table depths per time step, in m below the soil surface; a step without a
// measurement is left open or given "-".

#include "ui/EditorContext.h"

namespace vantorel {

class WaterTableEditor {
public:
    explicit WaterTableEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    // At creation and Restart: the given number of steps, none measured.
    void Reset(int steps);
    void Show(const InputData& d);
    void DWTSaveButtonClick();
    void DWTquitButtonClick();

    StringGrid* DWTGrid = nullptr;

private:
    bool Save();
    EditorContext& x_;
    PanelFrame frame_;
};

}  // namespace vantorel
