#pragma once
// The hydrological data per time step: rainfall, irrigation, potential evaporation and surface
// drainage, all in mm per step and all required.

#include "ui/EditorContext.h"

namespace vantorel {

class HydrologyEditor {
public:
    explicit HydrologyEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    // At creation and Restart: the given number of empty steps.
    void Reset(int steps);
    void Show(const InputData& d);
    // The data set's values in the grid again, its rows as they are.
    void ShowValues(const InputData& d);
    void HydrSaveButtonClick();
    void HydrQuitButtonClick();

    StringGrid* HydrGrid = nullptr;

private:
    bool Save();
    EditorContext& x_;
    PanelFrame frame_;
};

}  // namespace vantorel
