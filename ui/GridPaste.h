#pragma once
// The cell-edit handlers of the six time-step grids. A cell text with a TAB or a carriage return
// is a block pasted from a spreadsheet: it is spread over the grid from that cell on, and the
// grid that received it sets the number of time steps (hydrological, water-table and discharge
// grids) or is held to it (salinity grids).

#include "ui/EditorContext.h"
#include "ui/InputEditors.h"

namespace vantorel {

class GridPaste {
public:
    GridPaste(EditorContext& context, InputEditors& editors) : x_(context), e_(editors) {}

    // Hands every cell edit of the six grids to its handler.
    void Connect();

    void HydrGridSetEditText(int column, int row, const QString& text);
    void DWTGridSetEditText(int column, int row, const QString& text);
    void DischGridSetEditText(int column, int row, const QString& text);
    // SaltGrid1SetEditText, SaltGrid2SetEditText, SaltGrid3SetEditText.
    void SaltGridSetEditText(int layers, int column, int row, const QString& text);

private:
    // Spreads the text and returns the number of pasted lines.
    int64_t HandlePasteMultiCell(StringGrid& grid, int column, int row, const QString& text);
    // Runs the paste; when anything fails, shows the grid's message and enables the panel's
    // Cancel button so that the user can leave. Returns false then.
    bool Paste(const std::function<void()>& paste, const char* message, GroupPanel panel);
    // The step counts after a paste into the hydrological, water-table or discharge grid.
    int32_t PastedStepCount(int64_t lines, int row) const;
    // A block in the hydrological or water-table grid, which then has the columns given, sets the
    // number of time steps.
    void PasteTimeSteps(StringGrid& grid, int columns, int column, int row, const QString& text);

    EditorContext& x_;
    InputEditors& e_;
};

}  // namespace vantorel
