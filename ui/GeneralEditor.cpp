#include "ui/GeneralEditor.h"

#include <QGridLayout>

#include "model/DataChecks.h"
#include "ui/ControlFactory.h"
#include "ui/InputEditors.h"
#include "ui/LayerChange.h"

namespace vantorel {

namespace {

constexpr int StepLengths[] = {360, 30, 7, 1};  // by the item of TstCombo

}  // namespace

QGroupBox* GeneralEditor::Build() {
    frame_ = MakePanelFrame({"GenPanel", "GenSaveButton", "GenQuitButton"}, "General input data", "Save",
                            [this] { GenSaveButtonClick(); }, [this] { GenQuitButtonClick(); });
    auto* grid = new QGridLayout(frame_.panel);
    Tit1Edit = MakeEdit("Tit1Edit");
    Tit2Edit = MakeEdit("Tit2Edit");
    NrTstEdit = MakeEdit("NrTstEdit", "11");
    TstCombo = MakeCombo("TstCombo", {"Year", "Month", "Week", "Day"});
    LayersCombo = MakeCombo("LayersCombo", {"1", "2", "3"});

    grid->addWidget(MakeLabel("Tit1Label", "Title1"), 0, 0);
    grid->addWidget(Tit1Edit, 0, 1, 1, 3);
    grid->addWidget(MakeLabel("Tit2Label", "Title2"), 1, 0);
    grid->addWidget(Tit2Edit, 1, 1, 1, 3);
    grid->addWidget(MakeLabel("NrTstLabel", "Number of timesteps"), 2, 0);
    grid->addWidget(NrTstEdit, 2, 1);
    grid->addWidget(MakeLabel("TstLabel", "Length of time steps"), 3, 0);
    grid->addWidget(TstCombo, 3, 1);
    grid->addWidget(MakeLabel("LayersLabel", "Nr. of layers in root zone"), 4, 0);
    grid->addWidget(LayersCombo, 4, 1);
    grid->addWidget(PanelButtons(frame_.save, frame_.quit), 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    x_.workflow.Register(GroupPanel::General, frame_);
    return frame_.panel;
}

void GeneralEditor::Reset() {
    NrTstEdit->setText("11");
    TstCombo->setCurrentIndex(1);
    LayersCombo->setCurrentIndex(0);
}

void GeneralEditor::Show(const InputData& d) {
    Tit1Edit->setText(TitleToEditor(d.Title1));
    Tit2Edit->setText(TitleToEditor(d.Title2));
    NrTstEdit->setText(StepNumberText(d.NrTimeSteps));
    const int step_item = d.Ts == 360 ? 0 : d.Ts == 30 ? 1 : d.Ts == 7 ? 2 : d.Ts == 1 ? 3 : -1;
    if (step_item >= 0) TstCombo->setCurrentIndex(step_item);
    if (d.NrLayers >= 1 && d.NrLayers <= 3) LayersCombo->setCurrentIndex(d.NrLayers - 1);
}

void GeneralEditor::GenSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool GeneralEditor::Save() {
    InputData& d = x_.Data();
    d.Title1 = TitleFromEditor(Tit1Edit->text());
    d.Title2 = TitleFromEditor(Tit2Edit->text());

    const int32_t steps = EditorWholeNumber(NrTstEdit->text());
    if (const auto refusal = TimeStepCountRefusal(steps)) {
        x_.Message(*refusal);
        return false;
    }
    d.NrTimeSteps = steps;
    d.NrTimeStepsSaved = steps;
    const int step_index = TstCombo->currentIndex();
    if (step_index >= 0 && step_index < 4) d.Ts = StepLengths[step_index];

    const int old_index = d.LayerIndex;
    const int new_index = LayersCombo->currentIndex() >= 0 ? LayersCombo->currentIndex() : d.NrLayers - 1;
    SetLayerCount(d, new_index + 1);
    const bool layers_changed = old_index != new_index;
    if (layers_changed) {
        CarrySoilRows(editors_.soil.SoilGrid, old_index + 1, new_index + 1);
        x_.workflow.Panel(SoilPanelFor(old_index + 1))->hide();
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
        // The water-table Cancel keeps its state.
        for (const GroupPanel panel : AllGroupPanels) {
            if (panel != GroupPanel::WaterTable) x_.workflow.Frame(panel).quit->setEnabled(false);
        }
    }
    if (layers_changed) CarrySalinityColumns(editors_.salinity.SaltGrid, old_index + 1, new_index + 1, steps);
    for (StringGrid* grid : editors_.TimeStepGrids()) {
        grid->SetRowCount(steps + 1);
        NumberGridRows(*grid, steps);
    }
    x_.ModeMessage("The general data were saved.", "The general data were saved. Continue with the hydrological data.");
    d.LayerIndex = new_index;
    x_.workflow.AfterSave(GroupPanel::General);
    return true;
}

void GeneralEditor::GenQuitButtonClick() {
    Show(x_.Data());
    LayersCombo->setCurrentIndex(x_.Data().LayerIndex);
    x_.workflow.AfterCancel(GroupPanel::General);
}

}  // namespace vantorel
