#include "ui/WaterTableEditor.h"

#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* WaterTableEditor::Build() {
    frame_ = MakePanelFrame({"DWTPanel", "DWTSaveButton", "DWTquitButton"}, "Water table data", "Save",
                            [this] { DWTSaveButtonClick(); }, [this] { DWTquitButtonClick(); });
    auto* layout = new QVBoxLayout(frame_.panel);
    auto* note = MakeLabel("DWTLabel",
                           "Measured depth of the water table in m below the soil surface.\n"
                           "Leave the times without data open.");
    DWTGrid = MakeGrid("DWTGrid", {2, 12, 1, 1, {64, 150}, {"", "Depth of water table"}}, x_.services.clipboard);
    DWTGrid->setMaximumWidth(260);
    layout->addWidget(note);
    layout->addWidget(DWTGrid, 1);
    layout->addWidget(PanelButtons(frame_.save, frame_.quit));
    x_.workflow.Register(GroupPanel::WaterTable, frame_);
    return frame_.panel;
}

void WaterTableEditor::Reset(int steps) {
    DWTGrid->SetCell(0, 0, "Serial Nr");
    DWTGrid->SetCell(1, 0, "   m");
    DWTGrid->SetRowCount(steps + 1);
    NumberGridRows(*DWTGrid, steps);
    for (int row = 1; row <= steps; ++row) DWTGrid->SetCell(1, row, "-");
}

void WaterTableEditor::Show(const InputData& d) {
    DWTGrid->SetRowCount(d.NrTimeSteps + 1);
    NumberGridRows(*DWTGrid, d.NrTimeSteps);
    ShowSeriesColumn(*DWTGrid, 1, d.DwtMeas, d.NrTimeSteps, MeasuredOrDash);
}

void WaterTableEditor::DWTSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool WaterTableEditor::Save() {
    InputData& d = x_.Data();
    const StringGrid& grid = *DWTGrid;
    for (StepSeries* series : {&d.S1meas, &d.STmeas, &d.SAmeas}) series->resize(static_cast<size_t>(d.NrTimeSteps) + 1);
    const int32_t steps = d.NrTimeStepsSaved;
    d.DwtMeas.resize(static_cast<size_t>(steps) + 1);
    for (int32_t r = 1; r <= steps; ++r) {
        const QString text = grid.Cell(1, r);
        if (text.isEmpty() || text == "-") {
            d.DwtMeas[r] = MissingDepthOrDischarge;
        } else {
            const double depth = EditorNumber(text);
            d.DwtMeas[r] = depth < 0 ? 0 : depth;
        }
    }
    x_.ModeMessage("The water  table data were saved.",
                   "The water table  data were saved. Continue with the Soil properties.");
    if (x_.flags.AllGroupsChecked) x_.c.SaveAllButton->setEnabled(true);
    x_.workflow.AfterSave(GroupPanel::WaterTable);
    return true;
}

void WaterTableEditor::DWTquitButtonClick() {
    x_.workflow.AfterCancel(GroupPanel::WaterTable);
    ShowSeriesColumn(*DWTGrid, 1, x_.Data().DwtMeas, x_.Data().NrTimeSteps, MeasuredOrDash);
}

}  // namespace vantorel
