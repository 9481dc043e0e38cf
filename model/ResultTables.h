#pragma once
// The Output page's three tables (salinity, soil hydrology, surface hydrology), built from the
// series in memory as cell texts and grid geometry; the window only shows them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace vantorel {

// The fixed headings shown above the grid, one memo per table and layer count.
enum class HeadingsMemo { OutSalt1Memo, OutSalt2Memo, OutSalt3Memo, HydrOutMemo, SurfMemo };

// A new width and text for the headings memo.
struct MemoLayout {
    int Width;
    std::string Text;
};

class ResultTable {
public:
    ResultTable(int32_t columns, int32_t rows);

    int32_t ColCount() const { return columns_; }
    int32_t RowCount() const { return rows_; }
    // Row 0 holds the headings, column 0 the step numbers.
    const std::string& Cell(int32_t column, int32_t row) const;
    void SetCell(int32_t column, int32_t row, std::string text);

    int DefaultColWidth = 64;
    int GridLeft = 0;
    int GridWidth = 0;
    int ClipLabelLeft = 0;
    int ClipButtonLeft = 0;
    HeadingsMemo Memo = HeadingsMemo::OutSalt1Memo;
    // Set when the table changes the memo's width and text; the other memos keep theirs.
    std::optional<MemoLayout> MemoChange;
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
