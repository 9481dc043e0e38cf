#include "ui/DrainageEditor.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "model/EditorRules.h"
#include "model/NumberText.h"
#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* DrainageEditor::Build() {
    frame_ = MakePanelFrame({"DrainPanel", "DrainSaveButton", "DrainQuitButton"},
                            "Properties of the subsurface drainage system", "Save group",
                            [this] { DrainSaveButtonClick(); }, [this] { DrainQuitButtonClick(); });
    auto* grid = new QGridLayout(frame_.panel);
    DrainPresentCombo = MakeCombo("DrainPresentCombo", {"no", "yes"});
    DrainDepthLabel = MakeLabel("DrainDepthLabel", "Drainage depth (m)");
    DrainDepthEdit = MakeEdit("DrainDepthEdit");
    DrainQH1Label = MakeLabel("DrainQH1Label", "Drainage reaction factor QH1 (m/day/m)");
    DrainQH1Edit = MakeEdit("DrainQH1Edit");
    DrainQH2Label = MakeLabel("DrainQH2Label", "Drainage reaction factor QH2 (m/day/m^2)");
    DrainQH2Edit = MakeEdit("DrainQH2Edit");
    DrainHelpButton = MakeButton("DrainHelpButton", "Help with calcultions ");
    SeeEqButton = MakeButton("SeeEqButton", "See equations");
    DischPanel = MakePanel("DischPanel", "Measured drain discharge");
    DischGrid = MakeGrid("DischGrid", {2, 12, 1, 1, {64, 110}, {"", "Discharge"}}, x_.services.clipboard);

    auto* disch_layout = new QVBoxLayout(DischPanel);
    disch_layout->addWidget(
        MakeLabel("DischLabel", "Measured subsurface drain discharge in mm per time step.\nLeave the times without "
                                "data open."));
    disch_layout->addWidget(DischGrid, 1);
    DischGrid->setMaximumWidth(220);

    grid->addWidget(MakeLabel("DrainPresentLabel", "Subsurface drainage system present?"), 0, 0);
    grid->addWidget(DrainPresentCombo, 0, 1);
    grid->addWidget(DrainDepthLabel, 1, 0);
    grid->addWidget(DrainDepthEdit, 1, 1);
    grid->addWidget(DrainQH1Label, 2, 0);
    grid->addWidget(DrainQH1Edit, 2, 1);
    grid->addWidget(DrainQH2Label, 3, 0);
    grid->addWidget(DrainQH2Edit, 3, 1);
    grid->addWidget(DrainHelpButton, 4, 0);
    grid->addWidget(SeeEqButton, 4, 1);
    grid->addWidget(DischPanel, 5, 0, 1, 3);
    grid->addWidget(PanelButtons(frame_.save, frame_.quit), 6, 0, 1, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(2, 1);

    QObject::connect(DrainPresentCombo, &QComboBox::currentIndexChanged, [this] { DrainPresentComboChange(); });
    QObject::connect(DrainHelpButton, &QPushButton::clicked, [this] { DrainHelpButtonClick(); });
    QObject::connect(SeeEqButton, &QPushButton::clicked, [this] { SeeEqButtonClick(); });
    DrainPresentComboChange();
    x_.workflow.Register(GroupPanel::Drainage, frame_);
    return frame_.panel;
}

void DrainageEditor::Reset(int steps) {
    DischGrid->SetCell(0, 0, "Time step");
    DischGrid->SetCell(1, 0, "mm/timestep");
    DischGrid->SetRowCount(steps + 1);
    NumberGridRows(*DischGrid, steps);
    for (int row = 1; row <= steps; ++row) DischGrid->SetCell(1, row, "-");
    DrainPresentCombo->setCurrentIndex(0);
    DrainPresentComboChange();
    DrainPresentIndex = 0;
}

void DrainageEditor::Show(const InputData& d) {
    DischGrid->SetRowCount(d.NrTimeSteps + 1);
    NumberGridRows(*DischGrid, d.NrTimeSteps);
    ShowValues(d);
}

void DrainageEditor::ShowValues(const InputData& d) {
    ShowSeriesColumn(*DischGrid, 1, d.DrainMeas, d.NrTimeSteps, MeasuredOrDash);
    DrainPresentCombo->setCurrentIndex(d.DrainPresent ? 1 : 0);
    DrainPresentIndex = d.DrainPresent ? 1 : 0;
    DrainPresentComboChange();
    if (d.DrainPresent) {
        DrainDepthEdit->setText(NumberText(d.Dd));
        DrainQH1Edit->setText(NumberText(d.QH1));
        DrainQH2Edit->setText(NumberText(d.QH2));
    } else {
        for (QLineEdit* edit : {DrainDepthEdit, DrainQH1Edit, DrainQH2Edit}) edit->setText(" ");
    }
}

void DrainageEditor::EnterCalculatedFactors(const QString& depth, const QString& qh1, const QString& qh2) {
    DrainQH2Edit->setText(qh2);
    DrainQH1Edit->setText(qh1);
    DrainDepthEdit->setText(depth);
}

void DrainageEditor::DrainPresentComboChange() {
    const int item = DrainPresentCombo->currentIndex();
    if (item != 0 && item != 1) return;
    x_.Data().DrainPresent = item == 1;
    for (QWidget* control : std::initializer_list<QWidget*>{DrainDepthLabel, DrainDepthEdit, DrainQH1Label,
                                                            DrainQH1Edit, DrainQH2Label, DrainQH2Edit, DischPanel,
                                                            DischGrid}) {
        control->setEnabled(item == 1);
    }
}

namespace {

void ShowWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
}

void HideWindow(QWidget* window) {
    if (window) window->hide();
}

}  // namespace

void DrainageEditor::DrainHelpButtonClick() {
    ShowWindow(x_.windows.AlfaForm);
    HideWindow(x_.windows.DrainForm);
}

void DrainageEditor::SeeEqButtonClick() {
    ShowWindow(x_.windows.DrainForm);
    HideWindow(x_.windows.AlfaForm);
}

void DrainageEditor::HideHelpWindows() {
    HideWindow(x_.windows.AlfaForm);
    HideWindow(x_.windows.DrainForm);
}

void DrainageEditor::DrainSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool DrainageEditor::Save() {
    InputData& d = x_.Data();
    x_.state.Run.Dr = RootZoneThickness(d);
    if (d.DrainPresent) {
        const QString depth = DrainDepthEdit->text();
        const QString qh1 = DrainQH1Edit->text();
        const QString qh2 = DrainQH2Edit->text();
        d.Dd = depth.isEmpty() ? -1 : EditorNumber(depth);
        d.QH1 = qh1.isEmpty() ? 0 : EditorNumber(qh1);
        d.QH2 = qh2.isEmpty() ? 0 : EditorNumber(qh2);
        if (const std::optional<DrainageRefusal> refusal = DrainageRuleRefusal(d)) {
            x_.Message(refusal->breach.rule);
            if (refusal->check == DrainageCheck::DepthWithinRootZone ||
                refusal->check == DrainageCheck::DepthBelowTransitionZone) {
                frame_.quit->setEnabled(true);
            }
            return false;
        }
        ReadDischarges(d);
    } else {
        DischGrid->setEnabled(false);
    }
    x_.ModeMessage("The data on the Subsurface Drainage System were saved.",
                   "The data on the subsurface drainage system were saved. Continue with the data on the Initial "
                   "Conditions.");
    x_.workflow.AfterSave(GroupPanel::Drainage);
    DrainPresentIndex = DrainPresentCombo->currentIndex();
    HideHelpWindows();
    return true;
}

void DrainageEditor::ReadDischarges(InputData& d) {
    const int32_t steps = d.NrTimeStepsSaved;
    d.DrainMeas.resize(static_cast<size_t>(steps) + 1);
    DischGrid->setEnabled(true);
    StringGrid& grid = *DischGrid;
    for (int32_t r = 1; r <= steps; ++r) {
        const std::string cleaned = RemoveBlanks(grid.Cell(1, r).toStdString());
        if (cleaned == "-" || cleaned.empty()) grid.SetCell(1, r, QString());
        try {
            d.DrainMeas[r] = EditorNumber(grid.Cell(1, r));
        } catch (const ConversionError&) {
            d.DrainMeas[r] = MissingDepthOrDischarge;
        }
        if (grid.Cell(1, r) == "-1000") grid.SetCell(1, r, QString());
        d.DrainMeas[r] = KeptMeasurement(d.DrainMeas[r]);
    }
}

void DrainageEditor::DrainQuitButtonClick() {
    x_.workflow.AfterCancel(GroupPanel::Drainage);
    DrainPresentCombo->setCurrentIndex(DrainPresentIndex);
    DrainPresentComboChange();
    HideHelpWindows();
    // What was typed and not saved goes, so that no later Save stores it.
    ShowValues(x_.Data());
}

}  // namespace vantorel
