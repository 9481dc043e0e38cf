#pragma once
// Initial and boundary conditions: irrigation water salinity, the initial water table and soil
// moisture, the critical depth, the irrigation efficiency and the groundwater flows.

#include "ui/EditorContext.h"

namespace vantorel {

class ConditionsEditor {
public:
    explicit ConditionsEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    void CondSaveButtonClick();
    void CondQuitButtonClick();

private:
    bool Save();
    EditorContext& x_;
};

}  // namespace vantorel
