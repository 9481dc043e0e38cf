#pragma once
// The two time-step groups of the water balance: the hydrological data (rainfall, irrigation,
// potential evaporation, surface drainage per step) and the measured water-table depths.

#include "ui/EditorContext.h"

namespace vantorel {

class HydrologyEditors {
public:
    explicit HydrologyEditors(EditorContext& context) : x_(context) {}

    QGroupBox* BuildHydrPanel();
    QGroupBox* BuildDWTPanel();

    void HydrSaveButtonClick();
    void HydrQuitButtonClick();
    void DWTSaveButtonClick();
    void DWTquitButtonClick();

private:
    bool SaveHydrology();
    bool SaveWaterTable();
    EditorContext& x_;
};

}  // namespace vantorel
