#pragma once
// The measured soil-moisture salinities per time step, one panel per number of root-zone
// layers. An empty cell is a step without a measurement.

#include "ui/EditorContext.h"

namespace vantorel {

class SalinityEditors {
public:
    explicit SalinityEditors(EditorContext& context) : x_(context) {}

    QGroupBox* BuildPanel(int layers);
    // Salt1SaveButtonClick, Salt2SaveButtonClick, Salt3SaveButtonClick.
    void SaltSaveButtonClick(int layers);
    void SaltQuitButtonClick(int layers);

private:
    bool Save(int layers);
    EditorContext& x_;
};

}  // namespace vantorel
