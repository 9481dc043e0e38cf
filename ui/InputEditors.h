#pragma once
// The group editors of the Input page, one class per panel (the soil and the salinity group each
// one class for its three layer-count panels). Each builds its panel, shows a data set in its
// controls and saves them back after its checks; here the page reaches all of them at once.

#include <array>
#include <vector>

#include "model/InputFile.h"
#include "ui/ConditionsEditor.h"
#include "ui/DrainageEditor.h"
#include "ui/GeneralEditor.h"
#include "ui/HydrologyEditor.h"
#include "ui/RiceEditor.h"
#include "ui/SalinityEditors.h"
#include "ui/SoilEditors.h"
#include "ui/WaterTableEditor.h"

namespace vantorel {

struct InputEditors {
    explicit InputEditors(EditorContext& context);

    // The panels, to be stacked in one place of the page.
    std::vector<QWidget*> Build();
    // At creation and Restart: the given number of empty steps, one layer, no drainage, no rice.
    void Reset(int steps);
    // Every group shows the data set just read; the salinity grid of the layer count shows the
    // cell texts as the file held them.
    void Show(const InputData& d, const SalinityCellTexts& salinity_texts);
    // The six time-step grids in the order the window fills them.
    std::array<StringGrid*, 6> TimeStepGrids() const;

    GeneralEditor general;
    HydrologyEditor hydrology;
    WaterTableEditor water_table;
    SoilEditors soil;
    SalinityEditors salinity;
    DrainageEditor drainage;
    ConditionsEditor conditions;
    RiceEditor rice;
};

}  // namespace vantorel
