#include "ui/LayerChange.h"

namespace vantorel {

namespace {

struct Mapping {
    int old_layers;
    int new_layers;
    std::vector<int> sources;
};

// Target row i of the new soil grid := source row sources[i] of the old one.
const Mapping SoilRows[] = {
    {1, 2, {0, 0, 1, 2}},    {1, 3, {0, 0, 0, 1, 2}}, {2, 1, {0, 2, 3}},
    {2, 3, {0, 0, 1, 2, 3}}, {3, 1, {0, 3, 4}},       {3, 2, {0, 1, 3, 4}},
};

// Target column i + 1 of the new salinity grid := source column sources[i] of the old one.
const Mapping SalinityColumns[] = {
    {1, 2, {1, 1, 2, 3}},    {1, 3, {1, 1, 1, 2, 3}}, {2, 1, {1, 3, 4}},
    {2, 3, {1, 1, 2, 3, 4}}, {3, 1, {1, 4, 5}},       {3, 2, {1, 2, 4, 5}},
};

std::vector<int> Find(const Mapping (&table)[6], int old_layers, int new_layers) {
    for (const Mapping& mapping : table) {
        if (mapping.old_layers == old_layers && mapping.new_layers == new_layers) return mapping.sources;
    }
    return {};
}

constexpr int SoilColumns = 5;

}  // namespace

std::vector<int> SoilSourceRows(int old_layers, int new_layers) { return Find(SoilRows, old_layers, new_layers); }

std::vector<int> SalinitySourceColumns(int old_layers, int new_layers) {
    return Find(SalinityColumns, old_layers, new_layers);
}

void CarrySoilRows(const LayerGrids& soil_grids, int old_layers, int new_layers) {
    const StringGrid& source = *soil_grids[static_cast<size_t>(LayerSlot(old_layers))];
    StringGrid& target = *soil_grids[static_cast<size_t>(LayerSlot(new_layers))];
    const std::vector<int> rows = SoilSourceRows(old_layers, new_layers);
    for (size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < SoilColumns; ++column) {
            target.SetCell(column, static_cast<int>(row), source.Cell(column, rows[row]));
        }
    }
}

void CarrySalinityColumns(const LayerGrids& salinity_grids, int old_layers, int new_layers, int steps) {
    const StringGrid& source = *salinity_grids[static_cast<size_t>(LayerSlot(old_layers))];
    StringGrid& target = *salinity_grids[static_cast<size_t>(LayerSlot(new_layers))];
    const std::vector<int> columns = SalinitySourceColumns(old_layers, new_layers);
    if (columns.empty()) return;
    target.SetRowCount(steps + 1);
    if (old_layers == 3 && new_layers == 1) target.SetColCount(4);
    for (int row = 1; row <= steps; ++row) {
        for (size_t column = 0; column < columns.size(); ++column) {
            target.SetCell(static_cast<int>(column) + 1, row, source.Cell(columns[column], row));
        }
    }
}

}  // namespace vantorel
