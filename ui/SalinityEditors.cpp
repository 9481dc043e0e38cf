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

}  // namespace

QGroupBox* SalinityEditors::BuildPanel(int layers) {
    const int slot = LayerSlot(layers);
    static const PanelNames names[] = {{"Salt1Panel", "Salt1SaveButton", "Salt1QuitButton"},
                                       {"Salt2Panel", "Salt2SaveButton", "Salt2QuitButton"},
                                       {"Salt3Panel", "Salt3SaveButton", "Salt3QuitButton"}};
    static const char* const grid_names[] = {"SaltGrid1", "SaltGrid2", "SaltGrid3"};
    static const QStringList captions[] = {
        {"", "Root zone", "Transition zone", "Aquifer"},
        {"", "1st layer", "2nd layer", "Transition zone", "Aquifer"},
        {"", "1st layer", "2nd layer", "3rd layer", "Transition zone", "Aquifer"},
    };
    std::vector<int> widths = {64};
    widths.resize(static_cast<size_t>(layers) + 3, 86);

    const PanelFrame frame =
        MakePanelFrame(names[slot], "Measured salinity (dS/m), if any", "Save",
                       [this, layers] { SaltSaveButtonClick(layers); }, [this, layers] { SaltQuitButtonClick(layers); });
    auto* layout = new QVBoxLayout(frame.panel);
    StringGrid* grid = MakeGrid(grid_names[slot], {layers + 3, 12, 1, 1, widths, captions[slot]}, x_.services.clipboard);
    layout->addWidget(grid, 1);
    layout->addWidget(PanelButtons(frame.save, frame.quit));
    SaltGrid[static_cast<size_t>(slot)] = grid;
    x_.workflow.Register(SalinityPanelFor(layers), frame);
    return frame.panel;
}

void SalinityEditors::Reset(int steps) {
    SaltGrid[0]->SetCell(0, 0, "Serial Nr");
    SaltGrid[1]->SetCell(0, 0, QString());
    SaltGrid[2]->SetCell(0, 0, QString());
    for (StringGrid* grid : SaltGrid) {
        for (int column = 1; column <= 3; ++column) grid->SetCell(column, 0, "(dS/m)");
    }
    SaltGrid[1]->SetCell(4, 0, "dS/m");
    SaltGrid[2]->SetCell(4, 0, "dS/m");
    SaltGrid[2]->SetCell(5, 0, "dS/m");
    for (StringGrid* grid : SaltGrid) {
        grid->SetRowCount(steps + 1);
        NumberGridRows(*grid, steps);
        for (int row = 1; row <= steps; ++row) {
            for (int column = 1; column <= 3; ++column) grid->SetCell(column, row, QString());
        }
    }
}

void SalinityEditors::Show(const InputData& d, const SalinityCellTexts& salinity_texts) {
    const int steps = d.NrTimeSteps;
    for (StringGrid* grid : SaltGrid) {
        grid->SetCell(0, 0, "Time step");
        grid->SetRowCount(steps + 1);
        NumberGridRows(*grid, steps);
    }
    StringGrid& measured = *SaltGrid[static_cast<size_t>(LayerSlot(d.NrLayers))];
    for (int i = 1; i <= steps && static_cast<size_t>(i) < salinity_texts.size(); ++i) {
        const std::vector<std::string>& row = salinity_texts[static_cast<size_t>(i)];
        for (size_t column = 0; column < row.size(); ++column) {
            measured.SetCell(static_cast<int>(column) + 1, i, QString::fromLatin1(row[column]));
        }
    }
}

void SalinityEditors::SaltSaveButtonClick(int layers) {
    RunEditorSave(x_, [this, layers] { return Save(layers); });
}

bool SalinityEditors::Save(int layers) {
    InputData& d = x_.Data();
    const StringGrid& grid = *SaltGrid[static_cast<size_t>(LayerSlot(layers))];
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
    x_.workflow.AfterSave(SalinityPanelFor(layers));
    return true;
}

void SalinityEditors::SaltQuitButtonClick(int layers) {
    x_.workflow.AfterCancel(SalinityPanelFor(layers));
    InputData& d = x_.Data();
    int column = 1;
    for (const StepSeries* series : SalinityColumns(d, layers)) {
        ShowSeriesColumn(*SaltGrid[static_cast<size_t>(LayerSlot(layers))], column++, *series, d.NrTimeSteps,
                         SalinityOrEmpty);
    }
}

}  // namespace vantorel
