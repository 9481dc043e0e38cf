#include "ui/Workflow.h"

#include <stdexcept>
#include <string>

namespace vantorel {

namespace {

enum class GroupButtons { Disable, Enable };

// The panel a step opens; the soil and salinity panels are those of the current layer count.
enum class Opens { Nothing, Hydrology, WaterTable, Soil, Salinity, Drainage, Conditions, Rice };

}  // namespace

struct WorkflowStep {
    GroupButtons buttons;
    Opens opens = Opens::Nothing;
    std::vector<const char*> enable = {};
    bool then_disable_save_all = false;
};

namespace {

struct Transitions {
    GroupPanel panel;
    WorkflowStep save_sequence, save_free, cancel_sequence, cancel_free;
};

// Every Save and every Cancel first hides its own panel. Disable and Enable stand for
// DisableGroupButtons and EnableGroupButtons (the eight group buttons and "Save all - Run"); then
// the buttons named are enabled, the panel named is opened, and last, where marked, "Save all -
// Run" is disabled again.
using enum GroupButtons;
const Transitions Table[] = {
    {GroupPanel::General,
     /* Save, sequence mode   */ {Disable, Opens::Hydrology, {"GenQuitButton", "HydrOpenButton"}},
     /* Save, free mode       */ {Enable, Opens::Hydrology, {"GenQuitButton"}},
     /* Cancel, sequence mode */ {Disable, Opens::Hydrology, {"GenOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Hydrology,
     /* Save, sequence mode   */ {Disable, Opens::WaterTable, {"HydrQuitButton", "DWTopenButton"}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {"HydrQuitButton"}},
     /* Cancel, sequence mode */ {Disable, Opens::WaterTable, {"DWTopenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::WaterTable,
     /* Save, sequence mode   */ {Disable, Opens::Soil, {"DWTquitButton", "SoilOpenButton"}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {"DWTquitButton"}},
     /* Cancel, sequence mode */ {Disable, Opens::Soil, {"DWTopenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Soil1,
     /* Save, sequence mode   */ {Disable, Opens::Salinity, {"Soil1QuitButton", "SaltOpenButton"}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"SoilOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Soil2,
     /* Save, sequence mode   */ {Disable, Opens::Salinity},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"SoilOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Soil3,
     /* Save, sequence mode   */ {Disable, Opens::Salinity},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"SoilOpenButton", "Salt3QuitButton", "Soil1QuitButton", "Soil2QuitButton"}},
     /* Cancel, free mode     */ {Enable, Opens::Nothing, {"Salt3QuitButton", "Soil1QuitButton", "Soil2QuitButton"}}},
    {GroupPanel::Salinity1,
     /* Save, sequence mode   */ {Disable, Opens::Drainage, {"Salt1QuitButton", "DrainOpenButton"}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"SaltOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Salinity2,
     /* Save, sequence mode   */ {Disable, Opens::Drainage, {"Salt2QuitButton", "DrainOpenButton"}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"SaltOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Salinity3,
     /* Save, sequence mode   */ {Disable, Opens::Drainage, {"Salt3QuitButton", "DrainOpenButton"}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"SaltOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Drainage,
     /* Save, sequence mode   */ {Disable, Opens::Conditions, {"DrainQuitButton", "CondOpenButton"}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {"DrainQuitButton"}},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {"DrainOpenButton"}},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Conditions,
     /* Save, sequence mode   */ {Disable, Opens::Rice, {"RiceOpenButton", "CondQuitButton"}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {"CondQuitButton"}},
     /* Cancel, sequence mode */ {Enable, Opens::Nothing, {}, true},
     /* Cancel, free mode     */ {Enable}},
    {GroupPanel::Rice,
     /* Save, sequence mode   */ {Enable, Opens::Nothing, {"RiceQuitButton"}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {"RiceQuitButton"}},
     /* Cancel, sequence mode */ {Enable, Opens::Nothing, {}, true},
     /* Cancel, free mode     */ {Enable}},
};

const Transitions& TransitionsOf(GroupPanel panel) {
    for (const Transitions& row : Table) {
        if (row.panel == panel) return row;
    }
    throw std::logic_error("no transitions for a group panel");
}

}  // namespace

void Workflow::AfterSave(GroupPanel panel) {
    const Transitions& row = TransitionsOf(panel);
    Apply(panel, flags_.AllGroupsChecked ? row.save_free : row.save_sequence);
}

void Workflow::AfterCancel(GroupPanel panel) {
    const Transitions& row = TransitionsOf(panel);
    Apply(panel, flags_.AllGroupsChecked ? row.cancel_free : row.cancel_sequence);
}

void Workflow::Apply(GroupPanel panel, const WorkflowStep& step) {
    Panel(panel)->hide();
    if (step.buttons == GroupButtons::Disable) {
        DisableGroupButtons();
    } else {
        EnableGroupButtons();
    }
    for (const char* name : step.enable) {
        auto* button = c_.InpTab->findChild<QPushButton*>(name);
        if (!button) throw std::logic_error(std::string("no button ") + name + " on the Input page");
        button->setEnabled(true);
    }
    const int layers = LayerSlot(data_.NrLayers);
    QWidget* next = nullptr;
    switch (step.opens) {
        case Opens::Nothing: break;
        case Opens::Hydrology: next = c_.HydrPanel; break;
        case Opens::WaterTable: next = c_.DWTPanel; break;
        case Opens::Soil: next = c_.SoilPanel[layers]; break;
        case Opens::Salinity: next = c_.SaltPanel[layers]; break;
        case Opens::Drainage: next = c_.DrainPanel; break;
        case Opens::Conditions: next = c_.CondPanel; break;
        case Opens::Rice: next = c_.RicePanel; break;
    }
    if (next) {
        HideGroupPanels();
        next->show();
    }
    if (step.then_disable_save_all) c_.SaveAllButton->setEnabled(false);
}

void Workflow::OpenGroup(QPushButton* open_button) {
    HideGroupPanels();
    const bool layer_flags[3] = {data_.Is1Layer, data_.Is2Layer, data_.Is3Layer};
    if (open_button == c_.SoilOpenButton || open_button == c_.SaltOpenButton) {
        for (int slot = 0; slot < 3; ++slot) {
            if (!layer_flags[slot]) continue;
            (open_button == c_.SoilOpenButton ? c_.SoilPanel[slot] : c_.SaltPanel[slot])->show();
        }
    } else if (open_button == c_.GenOpenButton) {
        c_.GenPanel->show();
    } else if (open_button == c_.HydrOpenButton) {
        c_.HydrPanel->show();
    } else if (open_button == c_.DWTopenButton) {
        c_.DWTPanel->show();
    } else if (open_button == c_.DrainOpenButton) {
        c_.DrainPanel->show();
    } else if (open_button == c_.CondOpenButton) {
        c_.CondPanel->show();
    } else if (open_button == c_.RiceOpenButton) {
        c_.RicePanel->show();
    }
    DisableGroupButtons();
}

void Workflow::HideGroupPanels() {
    for (QWidget* panel : AllPanels()) panel->hide();
}

void Workflow::DisableGroupButtons() {
    for (QPushButton* button : {c_.SaveAllButton, c_.GenOpenButton, c_.HydrOpenButton, c_.DWTopenButton,
                                c_.SoilOpenButton, c_.SaltOpenButton, c_.DrainOpenButton, c_.CondOpenButton,
                                c_.RiceOpenButton}) {
        button->setEnabled(false);
    }
}

void Workflow::EnableGroupButtons() {
    for (QPushButton* button : {c_.SaveAllButton, c_.GenOpenButton, c_.HydrOpenButton, c_.DWTopenButton,
                                c_.SoilOpenButton, c_.SaltOpenButton, c_.DrainOpenButton, c_.CondOpenButton,
                                c_.RiceOpenButton}) {
        button->setEnabled(true);
    }
}

QWidget* Workflow::Panel(GroupPanel panel) const {
    switch (panel) {
        case GroupPanel::General: return c_.GenPanel;
        case GroupPanel::Hydrology: return c_.HydrPanel;
        case GroupPanel::WaterTable: return c_.DWTPanel;
        case GroupPanel::Soil1: return c_.SoilPanel[0];
        case GroupPanel::Soil2: return c_.SoilPanel[1];
        case GroupPanel::Soil3: return c_.SoilPanel[2];
        case GroupPanel::Salinity1: return c_.SaltPanel[0];
        case GroupPanel::Salinity2: return c_.SaltPanel[1];
        case GroupPanel::Salinity3: return c_.SaltPanel[2];
        case GroupPanel::Drainage: return c_.DrainPanel;
        case GroupPanel::Conditions: return c_.CondPanel;
        case GroupPanel::Rice: return c_.RicePanel;
    }
    return c_.GenPanel;
}

std::vector<QWidget*> Workflow::AllPanels() const {
    return {c_.GenPanel,     c_.HydrPanel,    c_.DWTPanel,     c_.SaltPanel[0], c_.SaltPanel[1], c_.SaltPanel[2],
            c_.SoilPanel[0], c_.SoilPanel[1], c_.SoilPanel[2], c_.DrainPanel,   c_.CondPanel,    c_.RicePanel};
}

}  // namespace vantorel
