#include "ui/GeneralEditor.h"

#include <QGridLayout>

#include "model/DataChecks.h"
#include "ui/ControlFactory.h"
#include "ui/LayerChange.h"

namespace vantorel {

namespace {

constexpr int StepLengths[] = {360, 30, 7, 1};  // by the item of TstCombo

}  // namespace

QGroupBox* GeneralEditor::Build() {
    InputControls& c = x_.c;
    c.GenPanel = MakePanel("GenPanel", "General input data");
    auto* grid = new QGridLayout(c.GenPanel);
    c.Tit1Edit = MakeEdit("Tit1Edit");
    c.Tit2Edit = MakeEdit("Tit2Edit");
    c.NrTstEdit = MakeEdit("NrTstEdit", "11");
    c.TstCombo = MakeCombo("TstCombo", {"Year", "Month", "Week", "Day"});
    c.LayersCombo = MakeCombo("LayersCombo", {"1", "2", "3"});
    c.GenSaveButton = MakeButton("GenSaveButton", "Save");
    c.GenQuitButton = MakeButton("GenQuitButton", "Cancel");
    c.GenQuitButton->setEnabled(false);

    grid->addWidget(MakeLabel("Tit1Label", "Title1"), 0, 0);
    grid->addWidget(c.Tit1Edit, 0, 1, 1, 3);
    grid->addWidget(MakeLabel("Tit2Label", "Title2"), 1, 0);
    grid->addWidget(c.Tit2Edit, 1, 1, 1, 3);
    grid->addWidget(MakeLabel("NrTstLabel", "Number of timesteps"), 2, 0);
    grid->addWidget(c.NrTstEdit, 2, 1);
    grid->addWidget(MakeLabel("TstLabel", "Length of time steps"), 3, 0);
    grid->addWidget(c.TstCombo, 3, 1);
    grid->addWidget(MakeLabel("LayersLabel", "Nr. of layers in root zone"), 4, 0);
    grid->addWidget(c.LayersCombo, 4, 1);
    grid->addWidget(PanelButtons(c.GenSaveButton, c.GenQuitButton), 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);

    QObject::connect(c.GenSaveButton, &QPushButton::clicked, [this] { GenSaveButtonClick(); });
    QObject::connect(c.GenQuitButton, &QPushButton::clicked, [this] { GenQuitButtonClick(); });
    return c.GenPanel;
}

void GeneralEditor::GenSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool GeneralEditor::Save() {
    InputControls& c = x_.c;
    InputData& d = x_.Data();
    d.Title1 = TitleFromEditor(c.Tit1Edit->text());
    d.Title2 = TitleFromEditor(c.Tit2Edit->text());

    const int32_t steps = EditorWholeNumber(c.NrTstEdit->text());
    if (const auto refusal = TimeStepCountRefusal(steps)) {
        x_.Message(*refusal);
        return false;
    }
    d.NrTimeSteps = steps;
    d.NrTimeStepsSaved = steps;
    const int step_index = c.TstCombo->currentIndex();
    if (step_index >= 0 && step_index < 4) d.Ts = StepLengths[step_index];

    const int old_index = d.LayerIndex;
    const int new_index = c.LayersCombo->currentIndex() >= 0 ? c.LayersCombo->currentIndex() : d.NrLayers - 1;
    SetLayerCount(d, new_index + 1);
    const bool layers_changed = old_index != new_index;
    if (layers_changed) {
        CarrySoilRows(c, old_index + 1, new_index + 1);
        c.SoilPanel[LayerSlot(old_index + 1)]->hide();
    }
    if (new_index > old_index) {
        x_.Message(
            "The number of layers was increased and data must be added. Please check and save each data group "
            "before using \"Save All\"");
        x_.flags.AllGroupsChecked = false;
    } else if (new_index < old_index) {
        x_.Message("The number of layers was reduced. Please check and save each data group before using \"Save All\"");
        x_.flags.AllGroupsChecked = false;
    }
    if (!x_.flags.AllGroupsChecked) {
        for (QPushButton* cancel : {c.GenQuitButton, c.HydrQuitButton, c.SaltQuitButton[0], c.SaltQuitButton[1],
                                    c.SaltQuitButton[2], c.SoilQuitButton[0], c.SoilQuitButton[1], c.SoilQuitButton[2],
                                    c.DrainQuitButton, c.CondQuitButton, c.RiceQuitButton}) {
            cancel->setEnabled(false);
        }
    }
    if (layers_changed) CarrySalinityColumns(c, old_index + 1, new_index + 1, steps);
    for (StringGrid* grid : c.TimeStepGrids()) {
        grid->SetRowCount(steps + 1);
        NumberGridRows(*grid, steps);
    }
    x_.ModeMessage("The general data were saved.", "The general data were saved. Continue with the hydrological data.");
    d.LayerIndex = new_index;
    x_.workflow.AfterSave(GroupPanel::General);
    return true;
}

void GeneralEditor::GenQuitButtonClick() {
    x_.c.LayersCombo->setCurrentIndex(x_.Data().LayerIndex);
    x_.workflow.AfterCancel(GroupPanel::General);
}

}  // namespace vantorel
