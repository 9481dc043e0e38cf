#include "ui/InputEditors.h"

namespace vantorel {

InputEditors::InputEditors(EditorContext& context)
    : general(context, *this),
      hydrology(context),
      water_table(context),
      soil(context, salinity),
      salinity(context),
      drainage(context),
      conditions(context),
      rice(context) {}

std::vector<QWidget*> InputEditors::Build() {
    return {general.Build(),        hydrology.Build(),      water_table.Build(),    soil.BuildPanel(1),
            soil.BuildPanel(2),     soil.BuildPanel(3),     salinity.BuildPanel(1), salinity.BuildPanel(2),
            salinity.BuildPanel(3), drainage.Build(),       conditions.Build(),     rice.Build()};
}

void InputEditors::Reset(int steps) {
    general.Reset();
    hydrology.Reset(steps);
    water_table.Reset(steps);
    salinity.Reset(steps);
    drainage.Reset(steps);
    rice.Reset();
}

void InputEditors::Show(const InputData& d, const SalinityCellTexts& salinity_texts) {
    general.Show(d);
    hydrology.Show(d);
    water_table.Show(d);
    salinity.Show(d, salinity_texts);
    soil.Show(d);
    drainage.Show(d);
    conditions.Show(d);
    rice.Show(d);
}

std::array<StringGrid*, 6> InputEditors::TimeStepGrids() const {
    return {hydrology.HydrGrid,   water_table.DWTGrid,  drainage.DischGrid,
            salinity.SaltGrid[0], salinity.SaltGrid[1], salinity.SaltGrid[2]};
}

}  // namespace vantorel
