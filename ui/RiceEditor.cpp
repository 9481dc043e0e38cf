#include "ui/RiceEditor.h"

#include <QGridLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

QGroupBox* RiceEditor::Build() {
    frame_ = MakePanelFrame({"RicePanel", "RiceSaveButton", "RiceQuitButton"}, "Rice cropping details", "Save",
                            [this] { RiceSaveButtonClick(); }, [this] { RiceQuitButtonClick(); });
    auto* grid = new QGridLayout(frame_.panel);
    RiceCombo = MakeCombo("RiceCombo", {"No", "Yes"});
    InfilLabel = MakeLabel("InfilLabel", "Infiltration capacity for water at the soil surface (mm/day)");
    InfilEdit = MakeEdit("InfilEdit", "100");
    FractLabel = MakeLabel("FractLabel", "Transpiration of waterlogged rice (precentage of potential evapotranspiration)");
    FractionEdit = MakeEdit("FractionEdit", "40");
    for (QLabel* label : {InfilLabel, FractLabel}) label->setWordWrap(true);
    for (QWidget* field : std::initializer_list<QWidget*>{RiceCombo, InfilEdit, FractionEdit}) field->setMaximumWidth(100);

    auto* question = MakeLabel("RiceLabel", "Is rice being cropped under standing water? (Yes/No)");
    question->setWordWrap(true);
    grid->addWidget(question, 0, 0);
    grid->addWidget(RiceCombo, 0, 1);
    grid->addWidget(InfilLabel, 1, 0);
    grid->addWidget(InfilEdit, 1, 1);
    grid->addWidget(FractLabel, 2, 0);
    grid->addWidget(FractionEdit, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(PanelButtons(frame_.save, frame_.quit), 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    QObject::connect(RiceCombo, &QComboBox::currentIndexChanged, [this] { RiceComboChange(); });
    RiceComboChange();
    x_.workflow.Register(GroupPanel::Rice, frame_);
    return frame_.panel;
}

void RiceEditor::Reset() {
    RiceCombo->setCurrentIndex(0);
    RiceComboChange();
    saved_rice_ = false;
}

void RiceEditor::Show(const InputData& d) {
    // A file without rice shows "No" as well, so that the choice on screen is the one the data set holds.
    RiceCombo->setCurrentIndex(d.RicePresent ? 1 : 0);
    RiceComboChange();
    saved_rice_ = d.RicePresent;
    if (d.RicePresent) {
        InfilEdit->setText(NumberText(d.InfCap));
        FractionEdit->setText(NumberText(d.RiceTransp));
    }
}

void RiceEditor::RiceComboChange() {
    const bool rice = RiceCombo->currentIndex() == 1;
    for (QWidget* control : std::initializer_list<QWidget*>{FractionEdit, FractLabel, InfilEdit, InfilLabel}) {
        control->setEnabled(rice);
    }
    x_.Data().RicePresent = rice;
}

void RiceEditor::RiceSaveButtonClick() {
    RunEditorSave(x_, [this] { return Save(); });
}

bool RiceEditor::Save() {
    InputData& d = x_.Data();
    if (d.RicePresent) {
        d.InfCap = EditorNumber(InfilEdit->text());
        d.RiceTransp = EditorNumber(FractionEdit->text());
    } else {
        d.InfCap = 100;
        d.RiceTransp = 40;
    }
    saved_rice_ = d.RicePresent;
    const bool sequence_mode = !x_.flags.AllGroupsChecked;
    x_.workflow.AfterSave(GroupPanel::Rice);
    x_.Message(sequence_mode ? "The rice cropping details were saved. Use \"Save all\" to do the calculations."
                             : "The rice cropping details were saved.");
    x_.flags.AllGroupsChecked = true;
    return true;
}

void RiceEditor::RiceQuitButtonClick() {
    x_.workflow.AfterCancel(GroupPanel::Rice);
    x_.Data().RicePresent = saved_rice_;
    Show(x_.Data());
}

}  // namespace vantorel
