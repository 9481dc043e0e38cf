#pragma once
// The Input page's own controls under their form names: the group buttons, the file name and the
// buttons that open, save and run. The group panels' controls belong to their editors. The page
// owns them all (as Qt children); these are views.

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

namespace vantorel {

struct InputControls {
    QWidget* InpTab = nullptr;
    QLabel* FileLabel = nullptr;
    QLabel* NameLabel = nullptr;
    QGroupBox* InputPanel = nullptr;
    // The eight group buttons, one family in the order of the groups.
    QPushButton *GenOpenButton = nullptr, *HydrOpenButton = nullptr, *DWTopenButton = nullptr,
                *SoilOpenButton = nullptr, *SaltOpenButton = nullptr, *DrainOpenButton = nullptr,
                *CondOpenButton = nullptr, *RiceOpenButton = nullptr;
    QPushButton* OpenInpButton = nullptr;
    QPushButton* SaveAllButton = nullptr;
    QPushButton* ReStartButton = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    // Beside the progress bar while a calculation runs: stops it.
    QPushButton* CancelRunButton = nullptr;
};

// The window's own state besides the model: which groups are known to be complete, and whether
// there is output to show.
struct WindowFlags {
    bool AllGroupsChecked = false;
    bool OutputAvailable = false;
    bool SoilDataComplete = true;
};

// The grid, panel or button for a layer count of 1, 2 or 3 (anything else counts as 1).
inline int LayerSlot(int layers) { return layers == 2 ? 1 : layers == 3 ? 2 : 0; }

}  // namespace vantorel
