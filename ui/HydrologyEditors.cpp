#include "ui/HydrologyEditors.h"

#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* HydrologyEditors::BuildHydrPanel() {
    InputControls& c = x_.c;
    c.HydrPanel = MakePanel("HydrPanel", "Hydrological data (mm per time step)");
    auto* layout = new QVBoxLayout(c.HydrPanel);
    c.HydrGrid = MakeGrid("HydrGrid",
                          {5, 12, 1, 1, {64, 104, 104, 104, 104},
                           {"", "Rainfall", "Irrigation", "Potential evaporation", "Surface drainage"}},
                          x_.services.clipboard);
    c.HydrSaveButton = MakeButton("HydrSaveButton", "Save");
    c.HydrQuitButton = MakeButton("HydrQuitButton", "Cancel");
    c.HydrQuitButton->setEnabled(false);
    layout->addWidget(c.HydrGrid, 1);
    layout->addWidget(PanelButtons(c.HydrSaveButton, c.HydrQuitButton));
    QObject::connect(c.HydrSaveButton, &QPushButton::clicked, [this] { HydrSaveButtonClick(); });
    QObject::connect(c.HydrQuitButton, &QPushButton::clicked, [this] { HydrQuitButtonClick(); });
    return c.HydrPanel;
}

QGroupBox* HydrologyEditors::BuildDWTPanel() {
    InputControls& c = x_.c;
    c.DWTPanel = MakePanel("DWTPanel", "Water table data");
    auto* layout = new QVBoxLayout(c.DWTPanel);
    auto* note = MakeLabel("DWTLabel",
                           "Measured depth of the water table in m below the soil surface.\n"
                           "Leave the times without data open.");
    c.DWTGrid = MakeGrid("DWTGrid", {2, 12, 1, 1, {64, 150}, {"", "Depth of water table"}}, x_.services.clipboard);
    c.DWTGrid->setMaximumWidth(260);
    c.DWTSaveButton = MakeButton("DWTSaveButton", "Save");
    c.DWTquitButton = MakeButton("DWTquitButton", "Cancel");
    c.DWTquitButton->setEnabled(false);
    layout->addWidget(note);
    layout->addWidget(c.DWTGrid, 1);
    layout->addWidget(PanelButtons(c.DWTSaveButton, c.DWTquitButton));
    QObject::connect(c.DWTSaveButton, &QPushButton::clicked, [this] { DWTSaveButtonClick(); });
    QObject::connect(c.DWTquitButton, &QPushButton::clicked, [this] { DWTquitButtonClick(); });
    return c.DWTPanel;
}

void HydrologyEditors::HydrSaveButtonClick() {
    RunEditorSave(x_, [this] { return SaveHydrology(); });
}

bool HydrologyEditors::SaveHydrology() {
    InputData& d = x_.Data();
    const StringGrid& grid = *x_.c.HydrGrid;
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

void HydrologyEditors::HydrQuitButtonClick() { x_.workflow.AfterCancel(GroupPanel::Hydrology); }

void HydrologyEditors::DWTSaveButtonClick() {
    RunEditorSave(x_, [this] { return SaveWaterTable(); });
}

bool HydrologyEditors::SaveWaterTable() {
    InputData& d = x_.Data();
    const StringGrid& grid = *x_.c.DWTGrid;
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

void HydrologyEditors::DWTquitButtonClick() { x_.workflow.AfterCancel(GroupPanel::WaterTable); }

}  // namespace vantorel
