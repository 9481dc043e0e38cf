#pragma once
// The measured soil-moisture salinities per time step. Like the soil group, one panel per number
// of root-zone layers; an empty cell is a step without a measurement.

#include <array>

#include "model/InputFile.h"
#include "ui/EditorContext.h"

namespace vantorel {

class SalinityEditors {
public:
    explicit SalinityEditors(EditorContext& context) : x_(context) {}

    QGroupBox* BuildPanel(int layers);
    // At creation and Restart: the given number of steps, none measured.
    void Reset(int steps);
    // Every grid gets the data set's steps; the grid of its layer count shows the cell texts as
    // the file held them.
    void Show(const InputData& d, const SalinityCellTexts& salinity_texts);
    // Salt1SaveButtonClick, Salt2SaveButtonClick, Salt3SaveButtonClick.
    void SaltSaveButtonClick(int layers);
    void SaltQuitButtonClick(int layers);

    // SaltGrid1, SaltGrid2, SaltGrid3, by LayerSlot.
    std::array<StringGrid*, 3> SaltGrid{};

private:
    bool Save(int layers);
    EditorContext& x_;
};

}  // namespace vantorel
