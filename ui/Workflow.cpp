#include "ui/Workflow.h"

#include <stdexcept>

namespace vantorel {

namespace {

enum class GroupButtons { Disable, Enable };

// The panel a step opens; the soil and salinity panels are those of the current layer count.
enum class Opens { Nothing, Hydrology, WaterTable, Soil, Salinity, Drainage, Conditions, Rice };

}  // namespace

struct WorkflowStep {
    GroupButtons buttons;
    Opens opens = Opens::Nothing;
    // The Cancel buttons of these panels and these group buttons are enabled.
    std::vector<GroupPanel> enable_cancel = {};
    std::vector<QPushButton* InputControls::*> enable_open = {};
    bool then_disable_save_all = false;
};

namespace {

struct Transitions {
    GroupPanel panel;
    WorkflowStep save_sequence, save_free, cancel_sequence, cancel_free;
};

// Every Save and every Cancel first hides its own panel. Disable and Enable stand for
// DisableGroupButtons and EnableGroupButtons (the eight group buttons and "Save all - Run"); then
// the Cancel buttons of the panels named and the group buttons named are enabled, the panel named
// is opened, and last, where marked, "Save all - Run" is disabled again.
using enum GroupButtons;
using enum GroupPanel;
using C = InputControls;
const Transitions Table[] = {
    {General,
     /* Save, sequence mode   */ {Disable, Opens::Hydrology, {General}, {&C::HydrOpenButton}},
     /* Save, free mode       */ {Enable, Opens::Hydrology, {General}, {}},
     /* Cancel, sequence mode */ {Disable, Opens::Hydrology, {}, {&C::GenOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Hydrology,
     /* Save, sequence mode   */ {Disable, Opens::WaterTable, {Hydrology}, {&C::DWTopenButton}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {Hydrology}, {}},
     /* Cancel, sequence mode */ {Disable, Opens::WaterTable, {}, {&C::DWTopenButton}},
     /* Cancel, free mode     */ {Enable}},
    {WaterTable,
     /* Save, sequence mode   */ {Disable, Opens::Soil, {WaterTable}, {&C::SoilOpenButton}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {WaterTable}, {}},
     /* Cancel, sequence mode */ {Disable, Opens::Soil, {}, {&C::DWTopenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Soil1,
     /* Save, sequence mode   */ {Disable, Opens::Salinity, {Soil1}, {&C::SaltOpenButton}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {}, {&C::SoilOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Soil2,
     /* Save, sequence mode   */ {Disable, Opens::Salinity},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {}, {&C::SoilOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Soil3,
     /* Save, sequence mode   */ {Disable, Opens::Salinity},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {Salinity3, Soil1, Soil2}, {&C::SoilOpenButton}},
     /* Cancel, free mode     */ {Enable, Opens::Nothing, {Salinity3, Soil1, Soil2}, {}}},
    {Salinity1,
     /* Save, sequence mode   */ {Disable, Opens::Drainage, {Salinity1}, {&C::DrainOpenButton}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {}, {&C::SaltOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Salinity2,
     /* Save, sequence mode   */ {Disable, Opens::Drainage, {Salinity2}, {&C::DrainOpenButton}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {}, {&C::SaltOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Salinity3,
     /* Save, sequence mode   */ {Disable, Opens::Drainage, {Salinity3}, {&C::DrainOpenButton}},
     /* Save, free mode       */ {Enable},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {}, {&C::SaltOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Drainage,
     /* Save, sequence mode   */ {Disable, Opens::Conditions, {Drainage}, {&C::CondOpenButton}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {Drainage}, {}},
     /* Cancel, sequence mode */ {Disable, Opens::Nothing, {}, {&C::DrainOpenButton}},
     /* Cancel, free mode     */ {Enable}},
    {Conditions,
     /* Save, sequence mode   */ {Disable, Opens::Rice, {Conditions}, {&C::RiceOpenButton}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {Conditions}, {}},
     /* Cancel, sequence mode */ {Enable, Opens::Nothing, {}, {}, true},
     /* Cancel, free mode     */ {Enable}},
    {Rice,
     /* Save, sequence mode   */ {Enable, Opens::Nothing, {Rice}, {}},
     /* Save, free mode       */ {Enable, Opens::Nothing, {Rice}, {}},
     /* Cancel, sequence mode */ {Enable, Opens::Nothing, {}, {}, true},
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
    for (const GroupPanel cancel_of : step.enable_cancel) Frame(cancel_of).quit->setEnabled(true);
    for (QPushButton* InputControls::*open : step.enable_open) (c_.*open)->setEnabled(true);
    QWidget* next = nullptr;
    switch (step.opens) {
        case Opens::Nothing: break;
        case Opens::Hydrology: next = Panel(GroupPanel::Hydrology); break;
        case Opens::WaterTable: next = Panel(GroupPanel::WaterTable); break;
        case Opens::Soil: next = Panel(SoilPanelFor(data_.NrLayers)); break;
        case Opens::Salinity: next = Panel(SalinityPanelFor(data_.NrLayers)); break;
        case Opens::Drainage: next = Panel(GroupPanel::Drainage); break;
        case Opens::Conditions: next = Panel(GroupPanel::Conditions); break;
        case Opens::Rice: next = Panel(GroupPanel::Rice); break;
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
        for (int layers = 1; layers <= 3; ++layers) {
            if (!layer_flags[layers - 1]) continue;
            Panel(open_button == c_.SoilOpenButton ? SoilPanelFor(layers) : SalinityPanelFor(layers))->show();
        }
    } else {
        const std::pair<QPushButton*, GroupPanel> single_panels[] = {
            {c_.GenOpenButton, GroupPanel::General},     {c_.HydrOpenButton, GroupPanel::Hydrology},
            {c_.DWTopenButton, GroupPanel::WaterTable},  {c_.DrainOpenButton, GroupPanel::Drainage},
            {c_.CondOpenButton, GroupPanel::Conditions}, {c_.RiceOpenButton, GroupPanel::Rice},
        };
        for (const auto& [button, panel] : single_panels) {
            if (open_button == button) Panel(panel)->show();
        }
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

void Workflow::Register(GroupPanel panel, const PanelFrame& frame) { frames_[static_cast<size_t>(panel)] = frame; }

const PanelFrame& Workflow::Frame(GroupPanel panel) const { return frames_[static_cast<size_t>(panel)]; }

std::vector<QWidget*> Workflow::AllPanels() const {
    std::vector<QWidget*> panels;
    for (const PanelFrame& frame : frames_) panels.push_back(frame.panel);
    return panels;
}

GroupPanel SoilPanelFor(int layers) {
    static constexpr GroupPanel panels[] = {GroupPanel::Soil1, GroupPanel::Soil2, GroupPanel::Soil3};
    return panels[LayerSlot(layers)];
}

GroupPanel SalinityPanelFor(int layers) {
    static constexpr GroupPanel panels[] = {GroupPanel::Salinity1, GroupPanel::Salinity2, GroupPanel::Salinity3};
    return panels[LayerSlot(layers)];
}

}  // namespace vantorel
