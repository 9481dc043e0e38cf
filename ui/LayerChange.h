#pragma once
// What a change of the number of root-zone layers carries over: the soil grid of the new layer
// count takes its rows from the old one, the salinity grid its columns. New layers copy the
// upper layer's values, thickness included; dropped layers leave the upper layers' values.

#include <array>
#include <vector>

#include "ui/InputControls.h"
#include "ui/StringGrid.h"

namespace vantorel {

// For each row of the new soil grid, the row of the old grid it copies (layer counts 1 to 3).
std::vector<int> SoilSourceRows(int old_layers, int new_layers);
// For each data column 1.. of the new salinity grid, the column of the old grid it copies.
std::vector<int> SalinitySourceColumns(int old_layers, int new_layers);

// The soil or salinity grids of the three layer counts, by LayerSlot.
using LayerGrids = std::array<StringGrid*, 3>;

// Copies every column 0 to 4 of the soil grid rows.
void CarrySoilRows(const LayerGrids& soil_grids, int old_layers, int new_layers);
// Gives the new salinity grid steps + 1 rows and copies the data columns of steps 1..steps.
void CarrySalinityColumns(const LayerGrids& salinity_grids, int old_layers, int new_layers, int steps);

}  // namespace vantorel
