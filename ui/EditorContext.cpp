#include "ui/EditorContext.h"

#include <exception>

#include "model/NumberText.h"

namespace vantorel {

void RunEditorAction(ErrorBoxes& errors, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        errors.ShowError(error.what());
    }
}

void RunEditorSave(const EditorContext& x, const std::function<bool()>& save) {
    const InputData before = x.state.Input;
    const double root_zone_before = x.state.Run.Dr;
    bool stored = false;
    RunEditorAction(x.services.errors, [&] { stored = save(); });
    if (stored) return;
    x.state.Input = before;
    x.state.Run.Dr = root_zone_before;
}

double EditorNumber(const QString& text) { return StringToFloat(text.toStdString()); }

int32_t EditorWholeNumber(const QString& text) { return StringToInt(text.toStdString()); }

QString NumberText(double value) { return QString::fromStdString(FormatGeneral(value)); }

QString StepNumberText(int64_t step) { return QString::fromStdString(FormatInt(step)); }

std::string TitleFromEditor(const QString& text) { return text.toLatin1().toStdString(); }

QString TitleToEditor(const std::string& title) {
    return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
}

QString MeasuredOrDash(double value) { return value > 0 ? NumberText(value) : QString("-"); }

void NumberGridRows(StringGrid& grid, int steps) {
    for (int row = 1; row <= steps; ++row) grid.SetCell(0, row, StepNumberText(row));
}

}  // namespace vantorel
