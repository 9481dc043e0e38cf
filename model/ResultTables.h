#pragma once
// The Output page's three tables (salinity, soil hydrology, surface hydrology), built from the
// series in memory as cell texts; the window shows them, the batch runner exports them.

#include <cstdint>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace vantorel {

// Which table, with the layer count or the storage column that decide its columns; the window
// gives each its place, column width and headings.
enum class ResultTableKind { Salinity1Layer, Salinity2Layers, Salinity3Layers, Hydrology, HydrologyWithStorage, Surface };

class ResultTable {
public:
    ResultTable(int32_t columns, int32_t rows);

    int32_t ColCount() const { return columns_; }
    int32_t RowCount() const { return rows_; }
    // Row 0 holds the headings, column 0 the step numbers.
    const std::string& Cell(int32_t column, int32_t row) const;
    void SetCell(int32_t column, int32_t row, std::string text);

    ResultTableKind Kind = ResultTableKind::Surface;
    // Names with units of every column, for exports.
    std::vector<std::string> ColumnTitles;

private:
    size_t Index(int32_t column, int32_t row) const;
    int32_t columns_;
    int32_t rows_;
    std::vector<std::string> cells_;
};

// Calculated salinities from the series of the output file beside the measured ones of the
// input data, per zone; a salinity not measured shows as a hyphen.
ResultTable BuildSalinityTable(const ModelState& state);
// Rainfall, irrigation and potential evapotranspiration of the input data, then the flows, the
// water-table depth and, when the output file has it, the storage change.
ResultTable BuildHydrologyTable(const ModelState& state);
// Given and actual surface drainage and the water standing on the soil surface.
ResultTable BuildSurfaceTable(const ModelState& state);

// Every cell, headings included: a TAB between the cells of a row, a single CR between rows,
// nothing after the last row.
std::string ClipboardText(const ResultTable& table);

}  // namespace vantorel
