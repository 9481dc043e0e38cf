#include "ui/EditorContext.h"

#include <algorithm>
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

// A depth of 0 (water at the surface) and a discharge of 0 are measurements too.
QString MeasuredOrDash(double value) { return value > MissingDepthOrDischarge ? NumberText(value) : QString("-"); }

QString SalinityOrEmpty(double value) { return value == MissingSalinity ? QString() : NumberText(value); }

void NumberGridRows(StringGrid& grid, int steps) {
    for (int row = 1; row <= steps; ++row) grid.SetCell(0, row, StepNumberText(row));
}

void ShowSeriesColumn(StringGrid& grid, int column, const StepSeries& series, int32_t steps, QString (*text)(double)) {
    const int32_t last = std::min<int32_t>(steps, static_cast<int32_t>(series.size()) - 1);
    for (int32_t row = 1; row <= last; ++row) grid.SetCell(column, row, text(series[static_cast<size_t>(row)]));
}

}  // namespace vantorel
