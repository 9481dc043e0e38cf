#include "ui/HydrologyEditor.h"

#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* HydrologyEditor::Build() {
    frame_ = MakePanelFrame({"HydrPanel", "HydrSaveButton", "HydrQuitButton"}, "Hydrological data (mm per time step)",
                            "Save", [this] { HydrSaveButtonClick(); }, [this] { HydrQuitButtonClick(); });
    auto* layout = new QVBoxLayout(frame_.panel);
    HydrGrid = MakeGrid("HydrGrid",
                        {5, 12, 1, 1, {64, 104, 104, 104, 104},
                         {"", "Rainfall", "Irrigation", "Potential evaporation", "Surface drainage"}},
                        x_.services.clipboard);
    layout->addWidget(HydrGrid, 1);
    layout->addWidget(PanelButtons(frame_.save, frame_.quit));
    x_.workflow.Register(GroupPanel::Hydrology, frame_);
    return frame_.panel;
}

void HydrologyEditor::Reset(int steps) {
    StringGrid& grid = *HydrGrid;
    grid.SetCell(0, 0, "Serial Nr");
    for (int column = 1; column <= 4; ++column) grid.SetCell(column, 0, "mm/timestep");
    grid.SetRowCount(steps + 1);
    NumberGridRows(grid, steps);
    for (int row = 1; row <= steps; ++row) {
        for (int column = 1; column <= 4; ++column) grid.SetCell(column, row, QString());
    }
}

void HydrologyEditor::Show(const InputData& d) {
    StringGrid& grid = *HydrGrid;
    grid.SetCell(0, 0, "Time step");
    grid.SetRowCount(d.NrTimeSteps + 1);
    NumberGridRows(grid, d.NrTimeSteps);
    ShowValues(d);
}

void HydrologyEditor::ShowValues(const InputData& d) {
    int column = 1;
    for (const StepSeries* series : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr}) {
        ShowSeriesColumn(*HydrGrid, column++, *series, d.NrTimeSteps, NumberText);
    }
}

void HydrologyEditor::HydrSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool HydrologyEditor::Save() {
    InputData& d = x_.Data();
    const StringGrid& grid = *HydrGrid;
    const int32_t steps = d.NrTimeStepsSaved;
    const size_t size = static_cast<size_t>(steps) + 1;
    for (StepSeries* series : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr, &d.SdrGiven}) series->resize(size);
    for (int32_t r = 1; r <= steps; ++r) {
        for (int column = 1; column <= 4; ++column) {
            if (grid.Cell(column, r).isEmpty()) {
                x_.Message("There are empty cells, please correct.");
                return false;
            }
        }
        d.Rain[r] = EditorNumber(grid.Cell(1, r));
        d.Irrig[r] = EditorNumber(grid.Cell(2, r));
        d.ETp[r] = EditorNumber(grid.Cell(3, r));
        d.Sdr[r] = EditorNumber(grid.Cell(4, r));
    }
    x_.ModeMessage("The hydrological data were saved.",
                   "The hydrological data were saved. Continue with the water table dat.");
    if (x_.flags.AllGroupsChecked) x_.c.SaveAllButton->setEnabled(true);
    x_.workflow.AfterSave(GroupPanel::Hydrology);
    return true;
}

void HydrologyEditor::HydrQuitButtonClick() {
    x_.workflow.AfterCancel(GroupPanel::Hydrology);
    ShowValues(x_.Data());
}

}  // namespace vantorel
