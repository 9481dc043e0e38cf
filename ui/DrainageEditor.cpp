#include "ui/DrainageEditor.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "model/NumberText.h"
#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* DrainageEditor::Build() {
    InputControls& c = x_.c;
    c.DrainPanel = MakePanel("DrainPanel", "Properties of the subsurface drainage system");
    auto* grid = new QGridLayout(c.DrainPanel);
    c.DrainPresentCombo = MakeCombo("DrainPresentCombo", {"no", "yes"});
    c.DrainDepthLabel = MakeLabel("DrainDepthLabel", "Drainage depth (m)");
    c.DrainDepthEdit = MakeEdit("DrainDepthEdit");
    c.DrainQH1Label = MakeLabel("DrainQH1Label", "Drainage reaction factor QH1 (m/day/m)");
    c.DrainQH1Edit = MakeEdit("DrainQH1Edit");
    c.DrainQH2Label = MakeLabel("DrainQH2Label", "Drainage reaction factor QH2 (m/day/m^2)");
    c.DrainQH2Edit = MakeEdit("DrainQH2Edit");
    c.DrainHelpButton = MakeButton("DrainHelpButton", "Help with calcultions ");
    c.SeeEqButton = MakeButton("SeeEqButton", "See equations");
    c.DischPanel = MakePanel("DischPanel", "Measured drain discharge");
    c.DischGrid = MakeGrid("DischGrid", {2, 12, 1, 1, {64, 110}, {"", "Discharge"}}, x_.services.clipboard);
    c.DrainSaveButton = MakeButton("DrainSaveButton", "Save group");
    c.DrainQuitButton = MakeButton("DrainQuitButton", "Cancel");
    c.DrainQuitButton->setEnabled(false);

    auto* disch_layout = new QVBoxLayout(c.DischPanel);
    disch_layout->addWidget(
        MakeLabel("DischLabel", "Measured subsurface drain discharge in mm per time step.\nLeave the times without "
                                "data open."));
    disch_layout->addWidget(c.DischGrid, 1);
    c.DischGrid->setMaximumWidth(220);

    grid->addWidget(MakeLabel("DrainPresentLabel", "Subsurface drainage system present?"), 0, 0);
    grid->addWidget(c.DrainPresentCombo, 0, 1);
    grid->addWidget(c.DrainDepthLabel, 1, 0);
    grid->addWidget(c.DrainDepthEdit, 1, 1);
    grid->addWidget(c.DrainQH1Label, 2, 0);
    grid->addWidget(c.DrainQH1Edit, 2, 1);
    grid->addWidget(c.DrainQH2Label, 3, 0);
    grid->addWidget(c.DrainQH2Edit, 3, 1);
    grid->addWidget(c.DrainHelpButton, 4, 0);
    grid->addWidget(c.SeeEqButton, 4, 1);
    grid->addWidget(c.DischPanel, 5, 0, 1, 3);
    grid->addWidget(PanelButtons(c.DrainSaveButton, c.DrainQuitButton), 6, 0, 1, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(2, 1);

    QObject::connect(c.DrainPresentCombo, &QComboBox::currentIndexChanged, [this] { DrainPresentComboChange(); });
    QObject::connect(c.DrainHelpButton, &QPushButton::clicked, [this] { DrainHelpButtonClick(); });
    QObject::connect(c.SeeEqButton, &QPushButton::clicked, [this] { SeeEqButtonClick(); });
    QObject::connect(c.DrainSaveButton, &QPushButton::clicked, [this] { DrainSaveButtonClick(); });
    QObject::connect(c.DrainQuitButton, &QPushButton::clicked, [this] { DrainQuitButtonClick(); });
    DrainPresentComboChange();
    return c.DrainPanel;
}

void DrainageEditor::DrainPresentComboChange() {
    InputControls& c = x_.c;
    const int item = c.DrainPresentCombo->currentIndex();
    if (item != 0 && item != 1) return;
    x_.Data().DrainPresent = item == 1;
    for (QWidget* control : std::initializer_list<QWidget*>{c.DrainDepthLabel, c.DrainDepthEdit, c.DrainQH1Label,
                                                            c.DrainQH1Edit, c.DrainQH2Label, c.DrainQH2Edit,
                                                            c.DischPanel, c.DischGrid}) {
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
    InputControls& c = x_.c;
    InputData& d = x_.Data();
    const double root_zone = RootZoneThickness(d);
    x_.state.Run.Dr = root_zone;
    if (d.DrainPresent) {
        const QString depth = c.DrainDepthEdit->text();
        const QString qh1 = c.DrainQH1Edit->text();
        const QString qh2 = c.DrainQH2Edit->text();
        d.Dd = depth.isEmpty() ? -1 : EditorNumber(depth);
        d.QH1 = qh1.isEmpty() ? 0 : EditorNumber(qh1);
        d.QH2 = qh2.isEmpty() ? 0 : EditorNumber(qh2);
        if (d.Dd < 0) {
            x_.Message("Then drain depth value is invalid. Please adjust.");
            return false;
        }
        if (d.Dd < root_zone) {
            x_.Message(
                "The drain depth must be greater than the total thickness of the root zone. Enlarge the drain depth or "
                "reduce the rootzone thickness.");
            c.DrainQuitButton->setEnabled(true);
            return false;
        }
        if (root_zone + d.Dt < d.Dd) {
            x_.Message(
                "The drain depth must be less than the total thickness of the root zone plus transition zone. Reduce "
                "the drain depth or enlarge the transition zone thickness.");
            c.DrainQuitButton->setEnabled(true);
            return false;
        }
        if (d.QH1 == 0 && d.QH2 == 0) {
            x_.Message("The drainage recation factors QH1 and QH2 need to be given a value.");
            return false;
        }
        const int32_t steps = d.NrTimeStepsSaved;
        d.DrainMeas.resize(static_cast<size_t>(steps) + 1);
        c.DischGrid->setEnabled(true);
        StringGrid& grid = *c.DischGrid;
        for (int32_t r = 1; r <= steps; ++r) {
            const QString text = grid.Cell(1, r);
            const std::string cleaned = RemoveBlanks(text.toStdString());
            if (cleaned == "-" || cleaned.empty()) grid.SetCell(1, r, QString());
            try {
                d.DrainMeas[r] = EditorNumber(grid.Cell(1, r));
            } catch (const ConversionError&) {
                d.DrainMeas[r] = MissingDepthOrDischarge;
            }
            if (grid.Cell(1, r) == "-1000") grid.SetCell(1, r, QString());
            if (d.DrainMeas[r] > MissingDepthOrDischarge && d.DrainMeas[r] < 0) d.DrainMeas[r] = 0;
        }
    } else {
        c.DischGrid->setEnabled(false);
    }
    x_.ModeMessage("The data on the Subsurface Drainage System were saved.",
                   "The data on the subsurface drainage system were saved. Continue with the data on the Initial "
                   "Conditions.");
    x_.workflow.AfterSave(GroupPanel::Drainage);
    x_.flags.DrainPresentIndex = c.DrainPresentCombo->currentIndex();
    HideHelpWindows();
    return true;
}

void DrainageEditor::DrainQuitButtonClick() {
    x_.workflow.AfterCancel(GroupPanel::Drainage);
    x_.c.DrainPresentCombo->setCurrentIndex(x_.flags.DrainPresentIndex);
    DrainPresentComboChange();
    HideHelpWindows();
}

}  // namespace vantorel
