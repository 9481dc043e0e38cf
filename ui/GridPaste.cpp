#include "ui/GridPaste.h"

#include <limits>
#include <stdexcept>

#include "model/GridPaste.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

constexpr const char* NotEnoughData = "There are not enough data to be pasted or the data are incompatible";
// Two of the salinity grids have their own spelling.
constexpr const char* NotEnoughDat = "There are not enough dat to be pasted or the data are incompatible";

bool IsMultiCellPaste(const QString& text) { return text.contains('\t') || text.contains('\r'); }

}  // namespace

void GridPaste::Connect() {
    e_.hydrology.HydrGrid->SetEditTextHandler(
        [this](int column, int row, const QString& text) { HydrGridSetEditText(column, row, text); });
    e_.water_table.DWTGrid->SetEditTextHandler(
        [this](int column, int row, const QString& text) { DWTGridSetEditText(column, row, text); });
    e_.drainage.DischGrid->SetEditTextHandler(
        [this](int column, int row, const QString& text) { DischGridSetEditText(column, row, text); });
    for (int layers = 1; layers <= 3; ++layers) {
        e_.salinity.SaltGrid[static_cast<size_t>(LayerSlot(layers))]->SetEditTextHandler(
            [this, layers](int column, int row, const QString& text) { SaltGridSetEditText(layers, column, row, text); });
    }
}

int64_t GridPaste::HandlePasteMultiCell(StringGrid& grid, int column, int row, const QString& text) {
    const QByteArray bytes = text.toLatin1();  // one character of the grid per character of the text
    const SpreadPaste spread = SpreadPastedText(column, row, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    constexpr int64_t largest = std::numeric_limits<int>::max();
    for (const PastedCell& cell : spread.cells) {
        if (cell.column > largest || cell.row > largest) throw std::length_error("the pasted block is too large");
        grid.SetCell(static_cast<int>(cell.column), static_cast<int>(cell.row), QString::fromLatin1(cell.text));
    }
    return spread.lines;
}

bool GridPaste::Paste(const std::function<void()>& paste, const char* message, GroupPanel panel) {
    try {
        paste();
        return true;
    } catch (const std::exception&) {
        x_.Message(message);
        x_.workflow.Frame(panel).quit->setEnabled(true);
        return false;
    }
}

int32_t GridPaste::PastedStepCount(int64_t lines, int row) const {
    // Both counts become the last row the block reached, so that the data set, the grids and the
    // number of time steps shown agree. A block that reaches no time step is not enough data.
    const int64_t last_row = lines + row - 1;
    if (last_row < 1 || last_row > MaxEditorTimeSteps) throw std::length_error("no time steps or too many");
    return static_cast<int32_t>(last_row);
}

void GridPaste::PasteTimeSteps(StringGrid& grid, int columns, int column, int row, const QString& text) {
    InputData& d = x_.Data();
    const int64_t lines = HandlePasteMultiCell(grid, column, row, text);
    grid.SetColCount(columns);
    const int32_t steps = PastedStepCount(lines, row);
    d.NrTimeSteps = steps;
    d.NrTimeStepsSaved = steps;
    grid.SetRowCount(steps + 1);
    e_.general.NrTstEdit->setText(StepNumberText(steps));
    NumberGridRows(grid, steps);
}

void GridPaste::HydrGridSetEditText(int column, int row, const QString& text) {
    if (IsMultiCellPaste(text)) {
        const bool pasted = Paste([&] { PasteTimeSteps(*e_.hydrology.HydrGrid, 5, column, row, text); },
                                  NotEnoughData, GroupPanel::Hydrology);
        if (!pasted) return;
    }
    NumberGridRows(*e_.water_table.DWTGrid, x_.Data().NrTimeSteps);
    NumberGridRows(*e_.drainage.DischGrid, x_.Data().NrTimeSteps);
}

void GridPaste::DWTGridSetEditText(int column, int row, const QString& text) {
    if (!IsMultiCellPaste(text)) return;
    Paste([&] { PasteTimeSteps(*e_.water_table.DWTGrid, 2, column, row, text); }, NotEnoughData,
          GroupPanel::WaterTable);
}

void GridPaste::DischGridSetEditText(int column, int row, const QString& text) {
    StringGrid& grid = *e_.drainage.DischGrid;
    InputData& d = x_.Data();
    if (!IsMultiCellPaste(text)) return;
    Paste(
        [&] {
            const int64_t lines = HandlePasteMultiCell(grid, column, row, text);
            grid.SetColCount(2);
            const int32_t steps = PastedStepCount(lines, row);
            d.NrTimeSteps = steps;
            d.NrTimeStepsSaved = steps;
            grid.SetRowCount(steps + 1);
            d.DrainMeas.resize(static_cast<size_t>(steps) + 1);
            for (int32_t s = 1; s <= steps; ++s) {
                try {
                    d.DrainMeas[s] = EditorNumber(grid.Cell(1, s));
                } catch (const ConversionError&) {
                    d.DrainMeas[s] = MissingDepthOrDischarge;
                }
            }
        },
        NotEnoughData, GroupPanel::Drainage);
}

void GridPaste::SaltGridSetEditText(int layers, int column, int row, const QString& text) {
    InputData& d = x_.Data();
    if (!IsMultiCellPaste(text)) return;
    const int slot = LayerSlot(layers);
    StringGrid& grid = *e_.salinity.SaltGrid[static_cast<size_t>(slot)];
    Paste(
        [&] {
            const int64_t lines = HandlePasteMultiCell(grid, column, row, text);
            // Held against the last row the block reached, as the other grids count their steps.
            const int64_t last_row = lines + row - 1;
            if (last_row > d.NrTimeStepsSaved) {
                x_.Message(
                    "The number of time steps is larger than that given under Hydrological data. It will be reduced.");
            } else if (last_row < d.NrTimeStepsSaved) {
                x_.Message(
                    "The number of time steps is smaller than that given under Hydrological data. Missing data must be "
                    "added");
            }
            d.NrTimeSteps = d.NrTimeStepsSaved;
            grid.SetRowCount(d.NrTimeSteps + 1);
            NumberGridRows(grid, d.NrTimeStepsSaved);
        },
        slot == 1 ? NotEnoughData : NotEnoughDat, SalinityPanelFor(layers));
}

}  // namespace vantorel
