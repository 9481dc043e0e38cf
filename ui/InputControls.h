#pragma once
// The controls of the Input page under their form names, shared by the page's editors, its
// workflow and the input-file actions. The page owns them (as Qt children); these are views.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include <array>

#include "ui/StringGrid.h"

namespace vantorel {

struct InputControls {
    QWidget* InpTab = nullptr;
    QLabel* FileLabel = nullptr;
    QLabel* NameLabel = nullptr;
    QGroupBox* InputPanel = nullptr;
    QPushButton* GenOpenButton = nullptr;
    QPushButton* HydrOpenButton = nullptr;
    QPushButton* DWTopenButton = nullptr;
    QPushButton* SoilOpenButton = nullptr;
    QPushButton* SaltOpenButton = nullptr;
    QPushButton* DrainOpenButton = nullptr;
    QPushButton* CondOpenButton = nullptr;
    QPushButton* RiceOpenButton = nullptr;
    QPushButton* OpenInpButton = nullptr;
    QPushButton* SaveAllButton = nullptr;
    QPushButton* ReStartButton = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    // General data
    QGroupBox* GenPanel = nullptr;
    QLineEdit* Tit1Edit = nullptr;
    QLineEdit* Tit2Edit = nullptr;
    QLineEdit* NrTstEdit = nullptr;
    QComboBox* TstCombo = nullptr;
    QComboBox* LayersCombo = nullptr;
    QPushButton* GenSaveButton = nullptr;
    QPushButton* GenQuitButton = nullptr;

    // Hydrological data and water table data
    QGroupBox* HydrPanel = nullptr;
    StringGrid* HydrGrid = nullptr;
    QPushButton* HydrSaveButton = nullptr;
    QPushButton* HydrQuitButton = nullptr;
    QGroupBox* DWTPanel = nullptr;
    StringGrid* DWTGrid = nullptr;
    QPushButton* DWTSaveButton = nullptr;
    QPushButton* DWTquitButton = nullptr;

    // Soil properties, one panel per layer count (index 0 for 1 layer)
    QGroupBox* SoilPanel[3] = {};
    StringGrid* SoilGrid[3] = {};
    QPushButton* SoilSaveButton[3] = {};
    QPushButton* SoilQuitButton[3] = {};

    // Soil salinity data, one panel per layer count
    QGroupBox* SaltPanel[3] = {};
    StringGrid* SaltGrid[3] = {};
    QPushButton* SaltSaveButton[3] = {};
    QPushButton* SaltQuitButton[3] = {};

    // Drainage system
    QGroupBox* DrainPanel = nullptr;
    QComboBox* DrainPresentCombo = nullptr;
    QLabel* DrainDepthLabel = nullptr;
    QLineEdit* DrainDepthEdit = nullptr;
    QLabel* DrainQH1Label = nullptr;
    QLineEdit* DrainQH1Edit = nullptr;
    QLabel* DrainQH2Label = nullptr;
    QLineEdit* DrainQH2Edit = nullptr;
    QPushButton* DrainHelpButton = nullptr;
    QPushButton* SeeEqButton = nullptr;
    QGroupBox* DischPanel = nullptr;
    StringGrid* DischGrid = nullptr;
    QPushButton* DrainSaveButton = nullptr;
    QPushButton* DrainQuitButton = nullptr;

    // Initial and boundary conditions
    QGroupBox* CondPanel = nullptr;
    QLineEdit* SaltIrrigEdit = nullptr;
    QLineEdit* WTdepthEdit = nullptr;
    QLineEdit* CritDepthEdit = nullptr;
    QLineEdit* MoistEdit = nullptr;
    QLineEdit* IrrEffEdit = nullptr;
    QLineEdit* GrwtInfEdit = nullptr;
    QLineEdit* GrwtOutEdit = nullptr;
    QLineEdit* SalInfEdit = nullptr;
    QPushButton* CondSaveButton = nullptr;
    QPushButton* CondQuitButton = nullptr;

    // Rice cropping details
    QGroupBox* RicePanel = nullptr;
    QComboBox* RiceCombo = nullptr;
    QLabel* InfilLabel = nullptr;
    QLineEdit* InfilEdit = nullptr;
    QLabel* FractLabel = nullptr;
    QLineEdit* FractionEdit = nullptr;
    QPushButton* RiceSaveButton = nullptr;
    QPushButton* RiceQuitButton = nullptr;

    // The six time-step grids in the order the window fills them.
    std::array<StringGrid*, 6> TimeStepGrids() const {
        return {HydrGrid, DWTGrid, DischGrid, SaltGrid[0], SaltGrid[1], SaltGrid[2]};
    }
};

// The window's own state besides the model: which groups are known to be complete, and the
// choices the editors restore on Cancel.
struct WindowFlags {
    bool AllGroupsChecked = false;
    bool OutputAvailable = false;
    bool SoilDataComplete = true;
    int DrainPresentIndex = 0;
};

// The grid, panel or button for a layer count of 1, 2 or 3 (anything else counts as 1).
inline int LayerSlot(int layers) { return layers == 2 ? 1 : layers == 3 ? 2 : 0; }

}  // namespace vantorel
