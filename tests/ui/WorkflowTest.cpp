// The two workflow modes: the sequence that leads through the groups, free mode after a file was
// opened or the sequence completed, and the way back to sequence mode.

#include <QLabel>
#include <QTabWidget>

#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;

class WorkflowTest : public WindowFixture {
protected:
    QWidget* CurrentPage() { return Window().findChild<QTabWidget*>("PageControl")->currentWidget(); }
    Names AllButSaveAll() {
        return {"GenOpenButton",   "HydrOpenButton", "DWTopenButton",  "SoilOpenButton",
                "SaltOpenButton",  "DrainOpenButton", "CondOpenButton", "RiceOpenButton"};
    }
    Names All() {
        Names all = AllButSaveAll();
        all.emplace_back("SaveAllButton");
        return all;
    }
};

TEST_F(WorkflowTest, StartsOnTheIntroPageAndOffersOnlyGeneralData) {
    EXPECT_EQ(CurrentPage()->objectName(), "IntroTab");
    EXPECT_EQ(OpenPanel(), "");
    ShowPage("InpTab");
    EXPECT_EQ(EnabledGroupButtons(), Names{"GenOpenButton"});
    EXPECT_EQ(OpenPanel(), "GenPanel");
    EXPECT_FALSE(Button("GenQuitButton")->isEnabled());
    EXPECT_FALSE(Control("FileLabel")->isVisible());
    EXPECT_FALSE(Control("ProgressBar1")->isVisible());
}

TEST_F(WorkflowTest, EachSaveInSequenceModeEnablesOnlyTheNextGroupAndItsOwnCancel) {
    ShowPage("InpTab");
    SetEdit("NrTstEdit", "1");
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The general data were saved. Continue with the hydrological data."});
    EXPECT_EQ(OpenPanel(), "HydrPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"HydrOpenButton"});
    EXPECT_TRUE(Button("GenQuitButton")->isEnabled());
    EXPECT_FALSE(Button("HydrQuitButton")->isEnabled());

    for (int column = 1; column <= 4; ++column) Type("HydrGrid", column, 1, "1");
    Click("HydrSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The hydrological data were saved. Continue with the water table dat."});
    EXPECT_EQ(OpenPanel(), "DWTPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"DWTopenButton"});
    EXPECT_TRUE(Button("HydrQuitButton")->isEnabled());

    Click("DWTSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The water table  data were saved. Continue with the Soil properties."});
    EXPECT_EQ(OpenPanel(), "Soil1Panel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"SoilOpenButton"});
    EXPECT_TRUE(Button("DWTquitButton")->isEnabled());

    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) Type("Soil1Grid", column, row, "10");
    }
    Click("Soil1SaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The soil data were saved. Continue with the Salinity data .."});
    EXPECT_EQ(OpenPanel(), "Salt1Panel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"SaltOpenButton"});
    EXPECT_TRUE(Button("Soil1QuitButton")->isEnabled());

    Click("Salt1SaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The salinity data were saved. Continue with the Drainage data.."});
    EXPECT_EQ(OpenPanel(), "DrainPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"DrainOpenButton"});
    EXPECT_TRUE(Button("Salt1QuitButton")->isEnabled());

    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The data on the subsurface drainage system were saved. Continue with the data on "
                                    "the Initial Conditions."});
    EXPECT_EQ(OpenPanel(), "CondPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"CondOpenButton"});
    EXPECT_TRUE(Button("DrainQuitButton")->isEnabled());

    for (const char* edit : {"SaltIrrigEdit", "WTdepthEdit", "CritDepthEdit", "MoistEdit", "IrrEffEdit", "GrwtInfEdit",
                             "GrwtOutEdit", "SalInfEdit"}) {
        SetEdit(edit, "1");
    }
    Click("CondSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The data on the Initial Conditions were saved."});
    EXPECT_EQ(OpenPanel(), "RicePanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"RiceOpenButton"});
    EXPECT_TRUE(Button("CondQuitButton")->isEnabled());

    Click("RiceSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The rice cropping details were saved. Use \"Save all\" to do the calculations."});
    EXPECT_EQ(OpenPanel(), "");
    EXPECT_EQ(EnabledGroupButtons(), All());
    EXPECT_TRUE(Button("RiceQuitButton")->isEnabled());
    EXPECT_TRUE(Flags().AllGroupsChecked);
}

TEST_F(WorkflowTest, FreeModeReturnsToAllButtonsAfterEachSaveOrCancel) {
    OpenDataSet(MakeDataSet({1, 12, 30, true, false, 21}));
    TakeMessages();
    ShowPage("InpTab");
    Click("HydrOpenButton");
    EXPECT_EQ(OpenPanel(), "HydrPanel");
    EXPECT_TRUE(EnabledGroupButtons().empty());
    Click("HydrSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The hydrological data were saved."});
    EXPECT_EQ(OpenPanel(), "");
    EXPECT_EQ(EnabledGroupButtons(), All());

    const std::pair<const char*, const char*> groups[] = {
        {"DWTopenButton", "DWTquitButton"},    {"SoilOpenButton", "Soil1QuitButton"},
        {"SaltOpenButton", "Salt1QuitButton"}, {"DrainOpenButton", "DrainQuitButton"},
        {"CondOpenButton", "CondQuitButton"},  {"RiceOpenButton", "RiceQuitButton"},
    };
    for (const auto& [open, cancel] : groups) {
        Click(open);
        EXPECT_NE(OpenPanel(), "") << open;
        EXPECT_TRUE(EnabledGroupButtons().empty()) << open;
        Click(cancel);
        EXPECT_EQ(OpenPanel(), "") << cancel;
        EXPECT_EQ(EnabledGroupButtons(), All()) << cancel;
    }
    EXPECT_TRUE(TakeMessages().empty());

    // A General data Save without a change of layers stays in free mode and opens the hydrological data.
    Click("GenOpenButton");
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The general data were saved."});
    EXPECT_TRUE(Flags().AllGroupsChecked);
    EXPECT_EQ(OpenPanel(), "HydrPanel");
    EXPECT_EQ(EnabledGroupButtons(), All());
}

TEST_F(WorkflowTest, TheMathPageSwitchesBackToSequenceMode) {
    OpenDataSet(MakeDataSet({1, 12, 30, false, false, 22}));
    ShowPage("MathTab");
    EXPECT_FALSE(Flags().AllGroupsChecked);
    ShowPage("InpTab");
    EXPECT_EQ(EnabledGroupButtons(), (Names{"GenOpenButton", "SaveAllButton"}));
    EXPECT_EQ(OpenPanel(), "GenPanel");
    TakeMessages();
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The general data were saved. Continue with the hydrological data."});
    EXPECT_EQ(EnabledGroupButtons(), Names{"HydrOpenButton"});
    // Sequence mode allows no Cancel but that of General data, and of the water table data, whose
    // state the Save leaves.
    EXPECT_TRUE(Button("GenQuitButton")->isEnabled());
    EXPECT_TRUE(Button("DWTquitButton")->isEnabled());
    for (const char* cancel : {"HydrQuitButton", "Salt1QuitButton", "Soil1QuitButton", "Soil3QuitButton",
                               "DrainQuitButton", "CondQuitButton", "RiceQuitButton"}) {
        EXPECT_FALSE(Button(cancel)->isEnabled()) << cancel;
    }
}

TEST_F(WorkflowTest, CancelsInSequenceModeLeadOnOrBackAsEachGroupDoes) {
    OpenDataSet(MakeDataSet({3, 12, 30, true, false, 23}));
    ShowPage("MathTab");
    ShowPage("InpTab");
    TakeMessages();

    SetItem("LayersCombo", 0);
    Click("GenQuitButton");
    EXPECT_EQ(Combo("LayersCombo")->currentIndex(), 2);
    EXPECT_EQ(OpenPanel(), "HydrPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"GenOpenButton"});

    Click("HydrQuitButton");
    EXPECT_EQ(OpenPanel(), "DWTPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"DWTopenButton"});

    Click("DWTquitButton");
    EXPECT_EQ(OpenPanel(), "Soil3Panel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"DWTopenButton"});

    Button("Salt3QuitButton")->setEnabled(false);
    Click("Soil3QuitButton");
    EXPECT_EQ(OpenPanel(), "");
    EXPECT_EQ(EnabledGroupButtons(), Names{"SoilOpenButton"});
    EXPECT_TRUE(Button("Salt3QuitButton")->isEnabled());

    Click("SoilOpenButton");
    Click("Soil3SaveButton");
    EXPECT_EQ(OpenPanel(), "Salt3Panel");
    Click("Salt3QuitButton");
    EXPECT_EQ(OpenPanel(), "");
    EXPECT_EQ(EnabledGroupButtons(), Names{"SaltOpenButton"});

    Click("SaltOpenButton");
    Click("Salt3SaveButton");
    EXPECT_EQ(OpenPanel(), "DrainPanel");
    SetItem("DrainPresentCombo", 0);
    EXPECT_FALSE(Data().DrainPresent);
    Click("DrainQuitButton");
    EXPECT_EQ(Combo("DrainPresentCombo")->currentIndex(), 1);
    EXPECT_TRUE(Data().DrainPresent);
    EXPECT_TRUE(Edit("DrainDepthEdit")->isEnabled());
    EXPECT_EQ(EnabledGroupButtons(), Names{"DrainOpenButton"});

    Click("DrainOpenButton");
    Click("DrainSaveButton");
    EXPECT_EQ(OpenPanel(), "CondPanel");
    Click("CondQuitButton");
    EXPECT_EQ(EnabledGroupButtons(), AllButSaveAll());
    Click("RiceOpenButton");
    Click("RiceQuitButton");
    EXPECT_EQ(EnabledGroupButtons(), AllButSaveAll());
    EXPECT_FALSE(Flags().AllGroupsChecked);
}

TEST_F(WorkflowTest, RestartReturnsToTheStateOfCreation) {
    OpenDataSet(MakeDataSet({3, 20, 7, true, true, 24}));
    Type("SaltGrid2", 4, 3, "7.5");
    Type("SaltGrid3", 5, 3, "8.5");
    Click("ReStartButton");

    EXPECT_EQ(CurrentPage()->objectName(), "IntroTab");
    EXPECT_FALSE(Flags().AllGroupsChecked);
    EXPECT_EQ(Data().NrTimeSteps, 11);
    EXPECT_EQ(Data().LayerIndex, 0);
    EXPECT_FALSE(Data().DrainPresent || Data().RicePresent);
    EXPECT_EQ(Data().InfCap, 100);
    EXPECT_EQ(Data().RiceTransp, 40);
    EXPECT_EQ(Edit("NrTstEdit")->text(), "11");
    EXPECT_EQ(Combo("TstCombo")->currentIndex(), 1);
    EXPECT_EQ(Combo("LayersCombo")->currentIndex(), 0);
    // The choices on screen agree with the data set again.
    EXPECT_EQ(Combo("DrainPresentCombo")->currentIndex(), 0);
    EXPECT_FALSE(Edit("DrainDepthEdit")->isEnabled());
    EXPECT_EQ(Combo("RiceCombo")->currentIndex(), 0);
    EXPECT_FALSE(Control("FileLabel")->isVisible());
    EXPECT_EQ(Window().findChild<QLabel*>("NameLabel")->text(), "");
    for (const char* name : {"HydrGrid", "DWTGrid", "DischGrid", "SaltGrid1", "SaltGrid2", "SaltGrid3"}) {
        StringGrid* grid = Grid(name);
        EXPECT_EQ(grid->RowCount(), 12) << name;
        EXPECT_EQ(grid->Cell(0, 11), "11") << name;
        EXPECT_EQ(grid->Cell(1, 5), std::string(name) == "DWTGrid" || std::string(name) == "DischGrid" ? "-" : "");
    }
    // Only columns 1 to 3 of the salinity grids are emptied.
    EXPECT_EQ(Grid("SaltGrid2")->Cell(4, 3), "7.5");
    EXPECT_EQ(Grid("SaltGrid3")->Cell(5, 3), "8.5");
}

}  // namespace
}  // namespace vantorel::test
