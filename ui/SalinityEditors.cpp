#include "ui/SalinityEditors.h"

#include <QVBoxLayout>

#include "ui/ControlFactory.h"

namespace vantorel {

namespace {

// The series of the data columns 1.. of the salinity grid of the layer count.
std::vector<StepSeries*> SalinityColumns(InputData& d, int layers) {
    if (layers == 3) return {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas};
    if (layers == 2) return {&d.S1meas, &d.S2meas, &d.STmeas, &d.SAmeas};
    return {&d.S1meas, &d.STmeas, &d.SAmeas};
}

const GroupPanel SalinityPanels[] = {GroupPanel::Salinity1, GroupPanel::Salinity2, GroupPanel::Salinity3};

}  // namespace

QGroupBox* SalinityEditors::BuildPanel(int layers) {
    InputControls& c = x_.c;
    const int slot = LayerSlot(layers);
    static const char* const panel_names[] = {"Salt1Panel", "Salt2Panel", "Salt3Panel"};
    static const char* const grid_names[] = {"SaltGrid1", "SaltGrid2", "SaltGrid3"};
    static const char* const save_names[] = {"Salt1SaveButton", "Salt2SaveButton", "Salt3SaveButton"};
    static const char* const quit_names[] = {"Salt1QuitButton", "Salt2QuitButton", "Salt3QuitButton"};
    static const QStringList captions[] = {
        {"", "Root zone", "Transition zone", "Aquifer"},
        {"", "1st layer", "2nd layer", "Transition zone", "Aquifer"},
        {"", "1st layer", "2nd layer", "3rd layer", "Transition zone", "Aquifer"},
    };
    std::vector<int> widths = {64};
    widths.resize(static_cast<size_t>(layers) + 3, 86);

    QGroupBox* panel = MakePanel(panel_names[slot], "Measured salinity (dS/m), if any");
    auto* layout = new QVBoxLayout(panel);
    StringGrid* grid = MakeGrid(grid_names[slot], {layers + 3, 12, 1, 1, widths, captions[slot]}, x_.services.clipboard);
    QPushButton* save = MakeButton(save_names[slot], "Save");
    QPushButton* quit = MakeButton(quit_names[slot], "Cancel");
    quit->setEnabled(false);
    layout->addWidget(grid, 1);
    layout->addWidget(PanelButtons(save, quit));

    c.SaltPanel[slot] = panel;
    c.SaltGrid[slot] = grid;
    c.SaltSaveButton[slot] = save;
    c.SaltQuitButton[slot] = quit;
    QObject::connect(save, &QPushButton::clicked, [this, layers] { SaltSaveButtonClick(layers); });
    QObject::connect(quit, &QPushButton::clicked, [this, layers] { SaltQuitButtonClick(layers); });
    return panel;
}

void SalinityEditors::SaltSaveButtonClick(int layers) {
    RunEditorSave(x_, [this, layers] { return Save(layers); });
}

bool SalinityEditors::Save(int layers) {
    InputData& d = x_.Data();
    const StringGrid& grid = *x_.c.SaltGrid[LayerSlot(layers)];
    const std::vector<StepSeries*> columns = SalinityColumns(d, layers);
    const int32_t steps = d.NrTimeSteps;
    for (StepSeries* series : columns) series->resize(static_cast<size_t>(steps) + 1);
    for (int32_t r = 1; r <= steps; ++r) {
        for (size_t column = 0; column < columns.size(); ++column) {
            const QString text = grid.Cell(static_cast<int>(column) + 1, r);
            (*columns[column])[r] = text.isEmpty() ? MissingSalinity : EditorNumber(text);
        }
    }
    x_.ModeMessage("The salinity data were saved.", layers == 1
                                                        ? "The salinity data were saved. Continue with the Drainage data.."
                                                        : "The salinity data were saved. Continue with the Drainage data ..");
    x_.workflow.AfterSave(SalinityPanels[LayerSlot(layers)]);
    return true;
}

void SalinityEditors::SaltQuitButtonClick(int layers) { x_.workflow.AfterCancel(SalinityPanels[LayerSlot(layers)]); }

}  // namespace vantorel
