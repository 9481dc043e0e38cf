#include "ui/RiceEditor.h"

#include <QGridLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* RiceEditor::Build() {
    InputControls& c = x_.c;
    c.RicePanel = MakePanel("RicePanel", "Rice cropping details");
    auto* grid = new QGridLayout(c.RicePanel);
    c.RiceCombo = MakeCombo("RiceCombo", {"No", "Yes"});
    c.InfilLabel = MakeLabel("InfilLabel", "Infiltration capacity for water at the soil surface (mm/day)");
    c.InfilEdit = MakeEdit("InfilEdit", "100");
    c.FractLabel = MakeLabel("FractLabel",
                             "Transpiration of waterlogged rice (precentage of potential evapotranspiration)");
    c.FractionEdit = MakeEdit("FractionEdit", "40");
    c.RiceSaveButton = MakeButton("RiceSaveButton", "Save");
    c.RiceQuitButton = MakeButton("RiceQuitButton", "Cancel");
    c.RiceQuitButton->setEnabled(false);
    for (QLabel* label : {c.InfilLabel, c.FractLabel}) label->setWordWrap(true);
    for (QWidget* field : std::initializer_list<QWidget*>{c.RiceCombo, c.InfilEdit, c.FractionEdit}) {
        field->setMaximumWidth(100);
    }

    auto* question = MakeLabel("RiceLabel", "Is rice being cropped under standing water? (Yes/No)");
    question->setWordWrap(true);
    grid->addWidget(question, 0, 0);
    grid->addWidget(c.RiceCombo, 0, 1);
    grid->addWidget(c.InfilLabel, 1, 0);
    grid->addWidget(c.InfilEdit, 1, 1);
    grid->addWidget(c.FractLabel, 2, 0);
    grid->addWidget(c.FractionEdit, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(PanelButtons(c.RiceSaveButton, c.RiceQuitButton), 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    QObject::connect(c.RiceCombo, &QComboBox::currentIndexChanged, [this] { RiceComboChange(); });
    QObject::connect(c.RiceSaveButton, &QPushButton::clicked, [this] { RiceSaveButtonClick(); });
    QObject::connect(c.RiceQuitButton, &QPushButton::clicked, [this] { RiceQuitButtonClick(); });
    RiceComboChange();
    return c.RicePanel;
}

void RiceEditor::RiceComboChange() {
    InputControls& c = x_.c;
    const bool rice = c.RiceCombo->currentIndex() == 1;
    for (QWidget* control : std::initializer_list<QWidget*>{c.FractionEdit, c.FractLabel, c.InfilEdit, c.InfilLabel}) {
        control->setEnabled(rice);
    }
    x_.Data().RicePresent = rice;
}

void RiceEditor::RiceSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool RiceEditor::Save() {
    InputControls& c = x_.c;
    InputData& d = x_.Data();
    if (d.RicePresent) {
        d.InfCap = EditorNumber(c.InfilEdit->text());
        d.RiceTransp = EditorNumber(c.FractionEdit->text());
    } else {
        d.InfCap = 100;
        d.RiceTransp = 40;
    }
    const bool sequence_mode = !x_.flags.AllGroupsChecked;
    x_.workflow.AfterSave(GroupPanel::Rice);
    x_.Message(sequence_mode ? "The rice cropping details were saved. Use \"Save all\" to do the calculations."
                             : "The rice cropping details were saved.");
    x_.flags.AllGroupsChecked = true;
    return true;
}

void RiceEditor::RiceQuitButtonClick() { x_.workflow.AfterCancel(GroupPanel::Rice); }

}  // namespace vantorel
