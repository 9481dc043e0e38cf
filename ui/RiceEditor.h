#pragma once
// Rice cropping details: whether rice is grown under standing water, the infiltration capacity
// of the soil surface and the transpiration of waterlogged rice. The last group of the sequence.

#include "ui/EditorContext.h"

namespace vantorel {

class RiceEditor {
public:
    explicit RiceEditor(EditorContext& context) : x_(context) {}

    QGroupBox* Build();
    void RiceComboChange();
    void RiceSaveButtonClick();
    void RiceQuitButtonClick();

private:
    bool Save();
    EditorContext& x_;
};

}  // namespace vantorel
