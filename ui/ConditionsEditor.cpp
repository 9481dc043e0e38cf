#include "ui/ConditionsEditor.h"

#include <QGridLayout>

#include "model/EditorRules.h"
#include "ui/ControlFactory.h"

namespace vantorel {

namespace {

// The panel's rows, top down, with the field each edit shows.
struct ConditionRow {
    QLineEdit* ConditionsEditor::*edit;
    double InputData::*field;
    const char* name;
    const char* label_name;
    const char* caption;
};
const ConditionRow Rows[] = {
    {&ConditionsEditor::SaltIrrigEdit, &InputData::Si, "SaltIrrigEdit", "SaltIrrigLabel",
     "Salinity irrigation water (dS/m)"},
    {&ConditionsEditor::WTdepthEdit, &InputData::DwtInit, "WTdepthEdit", "WTdepthLabel",
     "Initial depth water table (m)"},
    {&ConditionsEditor::CritDepthEdit, &InputData::Dc, "CritDepthEdit", "CritDepthLabel",
     "Crtical depth of water table for capillary rise (m)"},
    {&ConditionsEditor::MoistEdit, &InputData::MoistInit, "MoistEdit", "MoistLabel",
     "Initial soil moisture content (%)"},
    {&ConditionsEditor::IrrEffEdit, &InputData::IrrEff, "IrrEffEdit", "IrrEffLabel", "Irrigation efficiency (%)"},
    {&ConditionsEditor::GrwtInfEdit, &InputData::Inf, "GrwtInfEdit", "GrwtInfLabel", "Ground water inflow (mm/day)"},
    {&ConditionsEditor::GrwtOutEdit, &InputData::Out, "GrwtOutEdit", "GrwtOutLabel",
     "Ground water outflow (mm/day)"},
    {&ConditionsEditor::SalInfEdit, &InputData::Sinf, "SalInfEdit", "SalInfLabel",
     "Salinity ground water inflow (dS/m)"},
};

}  // namespace

QGroupBox* ConditionsEditor::Build() {
    frame_ = MakePanelFrame({"CondPanel", "CondSaveButton", "CondQuitButton"}, "Intial and boundary conditions", "Save",
                            [this] { CondSaveButtonClick(); }, [this] { CondQuitButtonClick(); });
    auto* grid = new QGridLayout(frame_.panel);
    int row = 0;
    for (const ConditionRow& field : Rows) {
        QLineEdit* edit = MakeEdit(field.name);
        this->*field.edit = edit;
        edit->setMaximumWidth(100);
        grid->addWidget(MakeLabel(field.label_name, field.caption), row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    grid->addWidget(PanelButtons(frame_.save, frame_.quit), row + 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    x_.workflow.Register(GroupPanel::Conditions, frame_);
    return frame_.panel;
}

void ConditionsEditor::Show(const InputData& d) {
    for (const ConditionRow& field : Rows) (this->*field.edit)->setText(NumberText(d.*field.field));
}

void ConditionsEditor::CondSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool ConditionsEditor::Save() {
    InputData& d = x_.Data();
    bool invalid = false;
    const auto read = [&invalid](const QLineEdit* edit, double& field) {
        if (edit->text().isEmpty()) {
            invalid = true;
        } else {
            field = EditorNumber(edit->text());
        }
    };
    read(SaltIrrigEdit, d.Si);
    read(WTdepthEdit, d.DwtInit);
    read(GrwtInfEdit, d.Inf);
    read(GrwtOutEdit, d.Out);
    read(CritDepthEdit, d.Dc);
    read(MoistEdit, d.MoistInit);
    read(IrrEffEdit, d.IrrEff);
    d.IrrEff = KeptIrrigationEfficiency(d.IrrEff);
    read(SalInfEdit, d.Sinf);
    if (invalid) {
        x_.Message("There are invalid values. Please adjust.");
        return false;
    }
    x_.Message("The data on the Initial Conditions were saved.");
    x_.workflow.AfterSave(GroupPanel::Conditions);
    return true;
}

void ConditionsEditor::CondQuitButtonClick() {
    x_.workflow.AfterCancel(GroupPanel::Conditions);
    Show(x_.Data());
}

}  // namespace vantorel
