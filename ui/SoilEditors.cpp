#include "ui/SoilEditors.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <array>
#include <functional>

#include "model/EditorRules.h"
#include "ui/ControlFactory.h"
#include "ui/SalinityEditors.h"

namespace vantorel {

namespace {

constexpr int SoilColumns = 5;
const QStringList ColumnCaptions = {"Thickness (m)", "Total porosity (%)", "Effective (drainable) porosity (%)",
                                    "Leaching efficiency (%)", "Initial salinity (dS/m)"};

using SoilRow = std::array<double*, SoilColumns>;

// The fields of each row of the soil grid of the layer count, top down.
std::vector<SoilRow> SoilFields(InputData& d, int layers) {
    std::vector<SoilRow> rows = {{&d.D1, &d.TP1, &d.EffPor1, &d.LE1, &d.S1init}};
    if (layers >= 2) rows.push_back({&d.D2, &d.TP2, &d.EffPor2, &d.LE2, &d.S2init});
    if (layers == 3) rows.push_back({&d.D3, &d.TP3, &d.EffPor3, &d.LE3, &d.S3init});
    rows.push_back({&d.Dt, &d.TPt, &d.EffPort, &d.LEt, &d.STinit});
    rows.push_back({&d.Da, &d.TPa, &d.EffPora, &d.LEa, &d.SAinit});
    return rows;
}

// How an empty cell is stored.
enum class WhenEmpty { Invalid, MinusOne };

// Reads the grid column by column, top down. Returns false when an empty cell made the Save
// invalid; that field keeps its value.
bool ReadSoilGrid(const StringGrid& grid, const std::vector<SoilRow>& rows,
                  const std::function<WhenEmpty(size_t row, int column)>& when_empty) {
    bool valid = true;
    for (int column = 0; column < SoilColumns; ++column) {
        for (size_t row = 0; row < rows.size(); ++row) {
            const QString text = grid.Cell(column, static_cast<int>(row));
            if (!text.isEmpty()) {
                *rows[row][column] = EditorNumber(text);
            } else if (when_empty(row, column) == WhenEmpty::MinusOne) {
                *rows[row][column] = -1;
            } else {
                valid = false;
            }
        }
    }
    return valid;
}

}  // namespace

QGroupBox* SoilEditors::BuildPanel(int layers) {
    const int slot = LayerSlot(layers);
    static const PanelNames names[] = {{"Soil1Panel", "Soil1SaveButton", "Soil1QuitButton"},
                                       {"Soil2Panel", "Soil2SaveButton", "Soil2QuitButton"},
                                       {"Soil3Panel", "Soil3SaveButton", "Soil3QuitButton"}};
    static const char* const grid_names[] = {"Soil1Grid", "Soil2Grid", "Soil3Grid"};
    static const QStringList row_captions[] = {
        {"Root zone", "Transition zone", "Aquifer"},
        {"1st layer", "2nd layer", "Transition zone", "Aquifer"},
        {"1st layer", "2nd layer", "3rd layer", "Transition zone", "Aquifer"},
    };
    const std::function<void()> save_handlers[] = {[this] { Soil1SaveButtonClick(); }, [this] { Soil2SaveButtonClick(); },
                                                   [this] { Soil3SaveButtonClick(); }};

    const PanelFrame frame = MakePanelFrame(names[slot], "Soil properties", "Save", save_handlers[slot],
                                            [this, layers] { SoilQuitButtonClick(layers); });
    auto* layout = new QVBoxLayout(frame.panel);
    StringGrid* grid = MakeGrid(grid_names[slot],
                                {SoilColumns, layers + 2, 0, 0, {84, 84, 84, 84, 84}, ColumnCaptions, row_captions[slot], 3},
                                x_.services.clipboard);
    grid->setMaximumHeight(grid->horizontalHeader()->height() + (layers + 2) * grid->rowHeight(0) + 4);
    layout->addWidget(grid);
    layout->addStretch(1);
    layout->addWidget(PanelButtons(frame.save, frame.quit));
    SoilGrid[static_cast<size_t>(slot)] = grid;
    x_.workflow.Register(SoilPanelFor(layers), frame);
    return frame.panel;
}

void SoilEditors::Show(const InputData& d) {
    struct Zone {
        double thickness, total_porosity, effective_porosity, leaching_efficiency, initial_salinity;
    };
    std::vector<Zone> zones = {{d.D1, d.TP1, d.EffPor1, d.LE1, d.S1init}};
    if (d.Is2Layer || d.Is3Layer) zones.push_back({d.D2, d.TP2, d.EffPor2, d.LE2, d.S2init});
    if (d.Is3Layer) zones.push_back({d.D3, d.TP3, d.EffPor3, d.LE3, d.S3init});
    zones.push_back({d.Dt, d.TPt, d.EffPort, d.LEt, d.STinit});
    zones.push_back({d.Da, d.TPa, d.EffPora, d.LEa, d.SAinit});
    StringGrid& grid = *SoilGrid[static_cast<size_t>(LayerSlot(d.NrLayers))];
    for (size_t row = 0; row < zones.size(); ++row) {
        const Zone& zone = zones[row];
        const int r = static_cast<int>(row);
        grid.SetCell(0, r, NumberText(zone.thickness));
        grid.SetCell(1, r, NumberText(zone.total_porosity));
        grid.SetCell(2, r, NumberText(zone.effective_porosity));
        grid.SetCell(3, r, NumberText(zone.leaching_efficiency));
        grid.SetCell(4, r, SalinityOrEmpty(zone.initial_salinity));
    }
}

void SoilEditors::Soil1SaveButtonClick() {
    RunEditorSave(x_, [this] { return Save1(); });
}

void SoilEditors::Soil2SaveButtonClick() {
    RunEditorSave(x_, [this] { return Save2(); });
}

void SoilEditors::Soil3SaveButtonClick() {
    RunEditorSave(x_, [this] { return Save3(); });
}

bool SoilEditors::Save1() {
    InputData& d = x_.Data();
    const bool valid = ReadSoilGrid(*SoilGrid[0], SoilFields(d, 1), [](size_t, int column) {
        return column == 4 ? WhenEmpty::MinusOne : WhenEmpty::Invalid;
    });
    if (!valid) {
        x_.Message("There are invalid values. Please adjust.");
        return false;
    }
    x_.ModeMessage("The data on Soil properties were saved.", "The soil data were saved. Continue with the Salinity data ..");
    x_.state.Run.Dr = d.D1;
    x_.flags.SoilDataComplete = true;
    salinity_.SaltGrid[0]->SetRowCount(d.NrTimeStepsSaved + 1);
    x_.workflow.AfterSave(GroupPanel::Soil1);
    return true;
}

bool SoilEditors::Save2() {
    InputData& d = x_.Data();
    const bool valid = ReadSoilGrid(*SoilGrid[1], SoilFields(d, 2), [](size_t row, int column) {
        const bool second_layer_efficiency = row == 1 && column == 3;
        return column == 4 || second_layer_efficiency ? WhenEmpty::MinusOne : WhenEmpty::Invalid;
    });
    if (!valid) {
        x_.Message("There are invalid values. Please adjust.");
        return false;
    }
    x_.ModeMessage("The soil data were saved.", "The soil data were saved. Continue with the Salinity data ..");
    if (x_.flags.AllGroupsChecked) x_.c.SaveAllButton->setEnabled(true);
    x_.state.Run.Dr = d.D1 + d.D2;
    x_.flags.SoilDataComplete = true;
    salinity_.SaltGrid[1]->SetRowCount(d.NrTimeStepsSaved + 1);
    x_.workflow.AfterSave(GroupPanel::Soil2);
    return true;
}

bool SoilEditors::Save3() {
    InputData& d = x_.Data();
    ReadSoilGrid(*SoilGrid[2], SoilFields(d, 3), [](size_t, int) { return WhenEmpty::MinusOne; });
    if (const std::optional<ValueBreach> missing = ThreeLayerSoilRefusal(d)) {
        x_.Message(missing->rule);
        x_.flags.SoilDataComplete = false;
        return false;
    }
    x_.ModeMessage("The soil data were saved.", "The soil data were saved. Continue with the soil salinity data.");
    if (x_.flags.AllGroupsChecked) x_.c.SaveAllButton->setEnabled(true);
    x_.state.Run.Dr = d.D1 + d.D2 + d.D3;
    x_.flags.SoilDataComplete = true;
    salinity_.SaltGrid[2]->SetRowCount(d.NrTimeStepsSaved + 1);
    x_.workflow.AfterSave(GroupPanel::Soil3);
    return true;
}

void SoilEditors::SoilQuitButtonClick(int layers) {
    x_.workflow.AfterCancel(SoilPanelFor(layers));
    Show(x_.Data());
}

}  // namespace vantorel
