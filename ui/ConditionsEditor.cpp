#include "ui/ConditionsEditor.h"

#include <QGridLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* ConditionsEditor::Build() {
    InputControls& c = x_.c;
    c.CondPanel = MakePanel("CondPanel", "Intial and boundary conditions");
    auto* grid = new QGridLayout(c.CondPanel);
    struct Field {
        QLineEdit*& edit;
        const char* name;
        const char* label_name;
        const char* caption;
    };
    const Field fields[] = {
        {c.SaltIrrigEdit, "SaltIrrigEdit", "SaltIrrigLabel", "Salinity irrigation water (dS/m)"},
        {c.WTdepthEdit, "WTdepthEdit", "WTdepthLabel", "Initial depth water table (m)"},
        {c.CritDepthEdit, "CritDepthEdit", "CritDepthLabel", "Crtical depth of water table for capillary rise (m)"},
        {c.MoistEdit, "MoistEdit", "MoistLabel", "Initial soil moisture content (%)"},
        {c.IrrEffEdit, "IrrEffEdit", "IrrEffLabel", "Irrigation efficiency (%)"},
        {c.GrwtInfEdit, "GrwtInfEdit", "GrwtInfLabel", "Ground water inflow (mm/day)"},
        {c.GrwtOutEdit, "GrwtOutEdit", "GrwtOutLabel", "Ground water outflow (mm/day)"},
        {c.SalInfEdit, "SalInfEdit", "SalInfLabel", "Salinity ground water inflow (dS/m)"},
    };
    int row = 0;
    for (const Field& field : fields) {
        field.edit = MakeEdit(field.name);
        field.edit->setMaximumWidth(100);
        grid->addWidget(MakeLabel(field.label_name, field.caption), row, 0);
        grid->addWidget(field.edit, row, 1);
        ++row;
    }
    c.CondSaveButton = MakeButton("CondSaveButton", "Save");
    c.CondQuitButton = MakeButton("CondQuitButton", "Cancel");
    c.CondQuitButton->setEnabled(false);
    grid->setRowStretch(row, 1);
    grid->addWidget(PanelButtons(c.CondSaveButton, c.CondQuitButton), row + 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    QObject::connect(c.CondSaveButton, &QPushButton::clicked, [this] { CondSaveButtonClick(); });
    QObject::connect(c.CondQuitButton, &QPushButton::clicked, [this] { CondQuitButtonClick(); });
    return c.CondPanel;
}

void ConditionsEditor::CondSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool ConditionsEditor::Save() {
    InputControls& c = x_.c;
    InputData& d = x_.Data();
    bool invalid = false;
    const auto read = [&invalid](const QLineEdit* edit, double& field) {
        if (edit->text().isEmpty()) {
            invalid = true;
        } else {
            field = EditorNumber(edit->text());
        }
    };
    read(c.SaltIrrigEdit, d.Si);
    read(c.WTdepthEdit, d.DwtInit);
    read(c.GrwtInfEdit, d.Inf);
    read(c.GrwtOutEdit, d.Out);
    read(c.CritDepthEdit, d.Dc);
    read(c.MoistEdit, d.MoistInit);
    read(c.IrrEffEdit, d.IrrEff);
    if (d.IrrEff > 100) d.IrrEff = 100;
    if (d.IrrEff < 30) d.IrrEff = 30;
    read(c.SalInfEdit, d.Sinf);
    if (invalid) {
        x_.Message("There are invalid values. Please adjust.");
        return false;
    }
    x_.Message("The data on the Initial Conditions were saved.");
    x_.workflow.AfterSave(GroupPanel::Conditions);
    return true;
}

void ConditionsEditor::CondQuitButtonClick() { x_.workflow.AfterCancel(GroupPanel::Conditions); }

}  // namespace vantorel
