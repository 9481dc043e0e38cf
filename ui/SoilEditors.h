#pragma once
// The soil properties of every zone, one panel per number of root-zone layers: thickness,
// porosities, leaching efficiency and the initial salinity.

#include "ui/EditorContext.h"

namespace vantorel {

class SoilEditors {
public:
    explicit SoilEditors(EditorContext& context) : x_(context) {}

    // The panel for a root zone of 1, 2 or 3 layers.
    QGroupBox* BuildPanel(int layers);

    void Soil1SaveButtonClick();
    void Soil2SaveButtonClick();
    void Soil3SaveButtonClick();
    void SoilQuitButtonClick(int layers);

private:
    bool Save1();
    bool Save2();
    bool Save3();
    EditorContext& x_;
};

}  // namespace vantorel
