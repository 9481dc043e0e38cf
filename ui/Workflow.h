#pragma once
// The order in which the input groups are visited. In sequence mode (not every group known to be
// complete) each Save, and some Cancels, lead straight to the next group; in free mode every
// group button is available whenever no panel is open. The transitions are a table in
// Workflow.cpp, one row per group panel, naming the panels and buttons it moves on to.

#include <array>
#include <iterator>
#include <vector>

#include "model/InputData.h"
#include "ui/ControlFactory.h"
#include "ui/InputControls.h"

namespace vantorel {

enum class GroupPanel {
    General,
    Hydrology,
    WaterTable,
    Soil1,
    Soil2,
    Soil3,
    Salinity1,
    Salinity2,
    Salinity3,
    Drainage,
    Conditions,
    Rice,
};

constexpr GroupPanel AllGroupPanels[] = {
    GroupPanel::General,   GroupPanel::Hydrology, GroupPanel::WaterTable, GroupPanel::Soil1,
    GroupPanel::Soil2,     GroupPanel::Soil3,     GroupPanel::Salinity1,  GroupPanel::Salinity2,
    GroupPanel::Salinity3, GroupPanel::Drainage,  GroupPanel::Conditions, GroupPanel::Rice,
};

// The soil and salinity panels of a root zone of 1, 2 or 3 layers.
GroupPanel SoilPanelFor(int layers);
GroupPanel SalinityPanelFor(int layers);

// One cell of the transition table.
struct WorkflowStep;

class Workflow {
public:
    Workflow(InputControls& controls, WindowFlags& flags, const InputData& data)
        : c_(controls), flags_(flags), data_(data) {}

    // Each editor hands over its panel with Save and Cancel once built.
    void Register(GroupPanel panel, const PanelFrame& frame);
    const PanelFrame& Frame(GroupPanel panel) const;

    // The panel shown for a group button; the soil and salinity buttons show the panel of the
    // layer count.
    void OpenGroup(QPushButton* open_button);
    void HideGroupPanels();
    void DisableGroupButtons();
    void EnableGroupButtons();

    // The step after a successful Save or a Cancel of the panel, in the mode now in force.
    void AfterSave(GroupPanel panel);
    void AfterCancel(GroupPanel panel);

    QWidget* Panel(GroupPanel panel) const { return Frame(panel).panel; }
    std::vector<QWidget*> AllPanels() const;

private:
    void Apply(GroupPanel panel, const WorkflowStep& step);

    InputControls& c_;
    WindowFlags& flags_;
    const InputData& data_;
    std::array<PanelFrame, std::size(AllGroupPanels)> frames_{};
};

}  // namespace vantorel
