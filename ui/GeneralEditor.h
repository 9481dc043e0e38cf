#pragma once
// The General data group: titles, the number and length of the time steps, and the number of
// root-zone layers, whose change carries the soil and salinity grids over to the new count.

#include "ui/EditorContext.h"

namespace vantorel {

class GeneralEditor {
public:
    explicit GeneralEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    void GenSaveButtonClick();
    void GenQuitButtonClick();

private:
    bool Save();
    EditorContext& x_;
};

}  // namespace vantorel
