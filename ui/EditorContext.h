#pragma once
// What every group editor works with: the model state, the window's services and flags, the
// Input page's own controls and the workflow that moves on after a Save or a Cancel.

#include <functional>
#include <string>

#include <QString>

#include "model/DataChecks.h"
#include "model/ModelState.h"
#include "ui/InputControls.h"
#include "ui/Platform.h"
#include "ui/Workflow.h"

namespace vantorel {

// The windows besides the main window, created with it.
struct SmallWindows {
    QWidget* CloseForm = nullptr;
    QWidget* AlfaForm = nullptr;
    QWidget* DrainForm = nullptr;
};

struct EditorContext {
    ModelState& state;
    WindowServices& services;
    InputControls& c;
    WindowFlags& flags;
    Workflow& workflow;
    SmallWindows& windows;

    InputData& Data() const { return state.Input; }
    void Message(const std::string& text) const { services.dialogs.ShowMessage(text); }
    // Where an editor has two messages, the first is for free mode, the second for sequence mode.
    void ModeMessage(const std::string& free_mode, const std::string& sequence_mode) const {
        Message(flags.AllGroupsChecked ? free_mode : sequence_mode);
    }
};

// Runs an editor's action. A text that is not a number ends it where it stands, in the toolkit's
// error box.
void RunEditorAction(ErrorBoxes& errors, const std::function<void()>& action);

// Runs a group's Save, which returns true once it has stored the group. A Save refused by a check
// or ended by a text that is not a number leaves the data set as it was before it: values it wrote
// before the refusal would otherwise reach the next input file the user saves.
void RunEditorSave(const EditorContext& x, const std::function<bool()>& save);

// Numbers and texts between the controls and the data set.
double EditorNumber(const QString& text);
int32_t EditorWholeNumber(const QString& text);
QString NumberText(double value);
QString StepNumberText(int64_t step);
// Titles are single-byte text in the files.
std::string TitleFromEditor(const QString& text);
QString TitleToEditor(const std::string& title);

// A measured depth or discharge as a cell shows it: "-" where nothing was measured.
QString MeasuredOrDash(double value);
// A measured salinity as a cell shows it: empty where nothing was measured.
QString SalinityOrEmpty(double value);

// Writes the step numbers 1..steps into column 0 of a time-step grid.
void NumberGridRows(StringGrid& grid, int steps);
// Writes the values of a series into a column of a time-step grid, rows 1..steps; rows the series
// does not reach keep their texts.
void ShowSeriesColumn(StringGrid& grid, int column, const StepSeries& series, int32_t steps, QString (*text)(double));

}  // namespace vantorel
