#pragma once
// The soil properties of every zone: thickness, porosities, leaching efficiency and the initial
// salinity. The group has one panel per number of root-zone layers, each with its own Save.

#include <array>

#include "ui/EditorContext.h"

namespace vantorel {

class SalinityEditors;

class SoilEditors {
public:
    // A Save makes the salinity grid of its layer count as long as the time series.
    SoilEditors(EditorContext& context, SalinityEditors& salinity) : x_(context), salinity_(salinity) {}

    // The panel for a root zone of 1, 2 or 3 layers.
    QGroupBox* BuildPanel(int layers);
    // The grid of the data set's layer count shows its zones.
    void Show(const InputData& d);

    void Soil1SaveButtonClick();
    void Soil2SaveButtonClick();
    void Soil3SaveButtonClick();
    void SoilQuitButtonClick(int layers);

    // Soil1Grid, Soil2Grid, Soil3Grid, by LayerSlot.
    std::array<StringGrid*, 3> SoilGrid{};

private:
    bool Save1();
    bool Save2();
    bool Save3();
    EditorContext& x_;
    SalinityEditors& salinity_;
};

}  // namespace vantorel
