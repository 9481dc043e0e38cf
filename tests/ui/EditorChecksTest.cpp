// What each group editor refuses, the messages it shows, and the markers it stores for missing data.

#include <functional>

#include "model/InputFile.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;
using Values = std::vector<double>;

// Elements first..last of a series.
Values Steps(const StepSeries& series, int first, int last) { return Values(series.begin() + first, series.begin() + last + 1); }

class EditorChecksTest : public WindowFixture {
protected:
    void SetUp() override {
        OpenDataSet(MakeDataSet({1, 12, 30, true, false, 41}), "field.inp");
        ShowPage("InpTab");
        TakeMessages();
    }
};

TEST_F(EditorChecksTest, GeneralDataRefusesACountThatIsNoWholeNumberOrBelowOne) {
    const std::string title = Data().Title1;
    SetEdit("Tit1Edit", "New title");
    SetEdit("NrTstEdit", "1.5");
    Click("GenSaveButton");
    EXPECT_EQ(TakeErrors(), Names{"'1.5' is not a valid integer value"});
    SetEdit("NrTstEdit", "0");
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The number of time steps must be at least 1 and at most 1000000. Please adjust."});
    EXPECT_EQ(OpenPanel(), "GenPanel");
    EXPECT_EQ(Data().NrTimeSteps, 12);
    // Not even what came before the refused field is stored.
    EXPECT_EQ(Data().Title1, title);

    SetEdit("NrTstEdit", "20");
    SetItem("TstCombo", 3);
    Click("GenSaveButton");
    EXPECT_EQ(Data().NrTimeStepsSaved, 20);
    EXPECT_EQ(Data().Ts, 1);
    EXPECT_EQ(Grid("SaltGrid3")->Cell(0, 20), "20");
}

TEST_F(EditorChecksTest, HydrologicalDataRefusesEmptyCellsAndTextsThatAreNoNumbers) {
    Click("HydrOpenButton");
    const double rain = Data().Rain[1];
    Type("HydrGrid", 1, 1, "11");
    Type("HydrGrid", 3, 5, "");
    Click("HydrSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"There are empty cells, please correct."});
    EXPECT_EQ(OpenPanel(), "HydrPanel");
    EXPECT_EQ(Data().Rain[1], rain);  // not even the steps before the empty row are stored

    Type("HydrGrid", 3, 5, "4,5");
    Click("HydrSaveButton");
    EXPECT_EQ(TakeErrors(), Names{"'4,5' is not a valid floating point value"});
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(OpenPanel(), "HydrPanel");

    Type("HydrGrid", 3, 5, "4.5");
    Click("HydrSaveButton");
    EXPECT_EQ(Data().ETp[5], 4.5);
    EXPECT_EQ(OpenPanel(), "");
}

TEST_F(EditorChecksTest, WaterTableDepthsMissingOrAboveTheSurface) {
    Click("DWTopenButton");
    Type("DWTGrid", 1, 1, "-");
    Type("DWTGrid", 1, 2, "");
    Type("DWTGrid", 1, 3, "-0.3");
    Type("DWTGrid", 1, 4, "1.25");
    Click("DWTSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The water  table data were saved."});
    EXPECT_EQ(Steps(Data().DwtMeas, 1, 4), (Values{-1000, -1000, 0, 1.25}));
}

TEST_F(EditorChecksTest, SoilEditorsAcceptEmptyCellsOnlyWhereTheyMayBeMissing) {
    // One layer: an empty thickness is invalid, an empty initial salinity is not measured.
    Click("SoilOpenButton");
    const double transition = Data().Dt;
    const double aquifer_salinity = Data().SAinit;
    Type("Soil1Grid", 0, 1, "");
    Type("Soil1Grid", 4, 2, "");
    Click("Soil1SaveButton");
    EXPECT_EQ(TakeMessages(), Names{"There are invalid values. Please adjust."});
    EXPECT_EQ(Data().Dt, transition);
    EXPECT_EQ(Data().SAinit, aquifer_salinity);
    EXPECT_EQ(OpenPanel(), "Soil1Panel");
    Type("Soil1Grid", 0, 1, "2.5");
    Click("Soil1SaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The data on Soil properties were saved."});
    EXPECT_EQ(Data().SAinit, -1);
    EXPECT_EQ(Window().State().Run.Dr, Data().D1);

    // Two layers: only the 2nd layer's leaching efficiency may be empty.
    OpenDataSet(MakeDataSet({2, 12, 30, false, false, 42}), "two.inp");
    Click("SoilOpenButton");
    Type("Soil2Grid", 3, 1, "");
    Click("Soil2SaveButton");
    EXPECT_EQ(Data().LE2, -1);
    EXPECT_EQ(OpenPanel(), "");
    Click("SoilOpenButton");
    Type("Soil2Grid", 3, 0, "");
    Click("Soil2SaveButton");
    EXPECT_EQ(TakeMessages().back(), "There are invalid values. Please adjust.");
}

TEST_F(EditorChecksTest, ThreeLayerSoilDataMustBeCompleteRowByRow) {
    OpenDataSet(MakeDataSet({3, 12, 30, false, false, 43}), "three.inp");
    TakeMessages();
    Click("SoilOpenButton");
    // Leaching efficiencies and initial salinities may be missing in every row.
    for (int row = 0; row < 5; ++row) {
        Type("Soil3Grid", 3, row, "");
        Type("Soil3Grid", 4, row, "");
    }
    const std::pair<int, const char*> rows[] = {
        {0, "1st layer"}, {1, "2nd layer"}, {2, "3rd layer"}, {3, "transition zone"}, {4, "aquifer"}};
    for (const auto& [row, zone] : rows) {
        const QString kept = Grid("Soil3Grid")->Cell(2, row);
        Type("Soil3Grid", 2, row, row == 2 ? "-1" : "");  // a typed -1 counts as missing
        Click("Soil3SaveButton");
        EXPECT_EQ(TakeMessages(),
                  Names{std::string("The soil data for the ") + zone + " are not complete. Calculations cannot be done"});
        EXPECT_FALSE(Flags().SoilDataComplete);
        EXPECT_EQ(OpenPanel(), "Soil3Panel");
        Type("Soil3Grid", 2, row, kept);
    }
    Click("Soil3SaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The soil data were saved."});
    EXPECT_EQ(Data().LE3, -1);
    EXPECT_EQ(Data().STinit, -1);
    // Complete soil data let the results be presented again.
    EXPECT_TRUE(Flags().SoilDataComplete);
}

TEST_F(EditorChecksTest, SalinityDataStoreEmptyCellsAsNotMeasured) {
    Click("SaltOpenButton");
    Type("SaltGrid1", 1, 2, "");
    Type("SaltGrid1", 2, 2, "3.25");
    Click("Salt1SaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The salinity data were saved."});
    EXPECT_EQ(Data().S1meas[2], MissingSalinity);
    EXPECT_EQ(Data().STmeas[2], 3.25);
}

TEST_F(EditorChecksTest, DrainDepthMustLieBetweenRootZoneAndTransitionZoneBottom) {
    const double root_zone = Data().D1;
    const double bottom = Data().D1 + Data().Dt;
    Click("DrainOpenButton");
    Button("DrainQuitButton")->setEnabled(false);
    SetEdit("DrainDepthEdit", "");
    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"Then drain depth value is invalid. Please adjust."});
    SetEdit("DrainDepthEdit", QString::number(root_zone - 0.01));
    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The drain depth must be greater than the total thickness of the root zone. "
                                    "Enlarge the drain depth or reduce the rootzone thickness."});
    EXPECT_TRUE(Button("DrainQuitButton")->isEnabled());
    SetEdit("DrainDepthEdit", QString::number(bottom + 0.01));
    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The drain depth must be less than the total thickness of the root zone plus "
                                    "transition zone. Reduce the drain depth or enlarge the transition zone thickness."});
    SetEdit("DrainDepthEdit", QString::number(root_zone));
    SetEdit("DrainQH1Edit", "");
    SetEdit("DrainQH2Edit", "0");
    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The drainage recation factors QH1 and QH2 need to be given a value."});
    EXPECT_EQ(OpenPanel(), "DrainPanel");

    SetEdit("DrainQH1Edit", "0.02");
    Type("DischGrid", 1, 1, " - ");
    Type("DischGrid", 1, 2, "-1000");
    Type("DischGrid", 1, 3, "-5");
    Type("DischGrid", 1, 4, "abc");
    Type("DischGrid", 1, 5, "12.5");
    Click("DrainSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The data on the Subsurface Drainage System were saved."});
    EXPECT_EQ(Data().Dd, root_zone);
    EXPECT_EQ(Data().QH1, 0.02);
    EXPECT_EQ(Data().QH2, 0);
    EXPECT_EQ(Steps(Data().DrainMeas, 1, 5), (Values{-1000, -1000, 0, -1000, 12.5}));
    EXPECT_EQ(Grid("DischGrid")->Cell(1, 1) + Grid("DischGrid")->Cell(1, 2) + Grid("DischGrid")->Cell(1, 4), "abc");
    EXPECT_TRUE(TakeErrors().empty());

    // A depth at the bottom of the transition zone passes as well.
    Click("DrainOpenButton");
    SetEdit("DrainDepthEdit", QString::number(bottom));
    Click("DrainSaveButton");
    EXPECT_EQ(OpenPanel(), "");
}

TEST_F(EditorChecksTest, WithoutDrainsTheDrainageValuesStayAndTheCancelRestoresTheChoice) {
    const InputData before = Data();
    Click("DrainOpenButton");
    SetItem("DrainPresentCombo", 0);
    EXPECT_FALSE(Edit("DrainQH1Edit")->isEnabled());
    EXPECT_FALSE(Grid("DischGrid")->isEnabled());
    Click("DrainQuitButton");
    EXPECT_TRUE(Data().DrainPresent);
    EXPECT_EQ(Combo("DrainPresentCombo")->currentIndex(), 1);
    EXPECT_TRUE(Grid("DischGrid")->isEnabled());

    Click("DrainOpenButton");
    SetItem("DrainPresentCombo", 0);
    Click("DrainSaveButton");
    EXPECT_FALSE(Data().DrainPresent);
    EXPECT_EQ(Data().Dd, before.Dd);
    EXPECT_EQ(Data().QH1, before.QH1);
    EXPECT_EQ(Data().DrainMeas, before.DrainMeas);
    Click("DrainOpenButton");
    SetItem("DrainPresentCombo", 1);
    Click("DrainQuitButton");
    EXPECT_EQ(Combo("DrainPresentCombo")->currentIndex(), 0);
    EXPECT_FALSE(Data().DrainPresent);
}

TEST_F(EditorChecksTest, ConditionsRefuseEmptyEditsAndBoundTheIrrigationEfficiency) {
    Click("CondOpenButton");
    const double inflow = Data().Inf;
    const double efficiency = Data().IrrEff;
    SetEdit("GrwtInfEdit", "");
    SetEdit("IrrEffEdit", "120");
    Click("CondSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"There are invalid values. Please adjust."});
    EXPECT_EQ(Data().Inf, inflow);
    EXPECT_EQ(Data().IrrEff, efficiency);
    EXPECT_EQ(OpenPanel(), "CondPanel");
    SetEdit("GrwtInfEdit", "0.5");
    Click("CondSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The data on the Initial Conditions were saved."});
    EXPECT_EQ(Data().IrrEff, 100);
    Click("CondOpenButton");
    SetEdit("IrrEffEdit", "10");
    Click("CondSaveButton");
    EXPECT_EQ(Data().IrrEff, 30);
    EXPECT_EQ(Data().Inf, 0.5);
}

TEST_F(EditorChecksTest, RiceDetailsAreStoredOnlyForRice) {
    Click("RiceOpenButton");
    const double capacity = Data().InfCap;
    SetItem("RiceCombo", 1);
    EXPECT_TRUE(Edit("InfilEdit")->isEnabled());
    SetEdit("InfilEdit", "6");
    SetEdit("FractionEdit", "");
    Click("RiceSaveButton");
    EXPECT_EQ(TakeErrors(), Names{"'' is not a valid floating point value"});
    EXPECT_EQ(Data().InfCap, capacity);
    SetEdit("FractionEdit", "55");
    Click("RiceSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The rice cropping details were saved."});
    EXPECT_TRUE(Data().RicePresent);
    EXPECT_EQ(Data().RiceTransp, 55);
    EXPECT_EQ(Data().InfCap, 6);

    Click("RiceOpenButton");
    SetItem("RiceCombo", 0);
    Click("RiceSaveButton");
    EXPECT_FALSE(Data().RicePresent);
    EXPECT_EQ(Data().InfCap, 100);
    EXPECT_EQ(Data().RiceTransp, 40);
}

TEST_F(EditorChecksTest, AMeasuredDepthOrDischargeOfZeroIsShownAndKept) {
    InputData data = MakeDataSet({1, 12, 30, true, false, 45});
    data.DwtMeas[2] = 0;
    data.DrainMeas[3] = 0;
    OpenDataSet(data, "zeros.inp");
    EXPECT_EQ(Grid("DWTGrid")->Cell(1, 2), "0");
    EXPECT_EQ(Grid("DischGrid")->Cell(1, 3), "0");
    for (const auto& [open, save] : {std::pair{"DWTopenButton", "DWTSaveButton"}, {"DrainOpenButton", "DrainSaveButton"}}) {
        Click(open);
        Click(save);
    }
    EXPECT_EQ(Data().DwtMeas[2], 0);
    EXPECT_EQ(Data().DrainMeas[3], 0);
}

TEST_F(EditorChecksTest, ARefusedSaveLeavesTheDataSetAsItWasInEveryEditor) {
    const InputData before = Data();
    const double root_zone = Window().State().Run.Dr;
    // Opens the group, enters the values, has the Save refused and cancels the panel.
    const auto refuse = [this](const char* open, const char* save, const char* cancel,
                               const std::function<void()>& enter) {
        Click(open);
        enter();
        Click(save);
        EXPECT_FALSE(TakeMessages().empty() && TakeErrors().empty()) << save << " was not refused";
        EXPECT_NE(OpenPanel(), "") << save << " closed its panel";
        Click(cancel);
    };
    refuse("GenOpenButton", "GenSaveButton", "GenQuitButton", [this] {
        SetEdit("Tit2Edit", "Changed");
        SetEdit("NrTstEdit", "x");
    });
    refuse("HydrOpenButton", "HydrSaveButton", "HydrQuitButton", [this] {
        Type("HydrGrid", 2, 1, "99");
        Type("HydrGrid", 2, 7, "1e");
    });
    refuse("DWTopenButton", "DWTSaveButton", "DWTquitButton", [this] {
        Type("DWTGrid", 1, 1, "0.4");
        Type("DWTGrid", 1, 9, "deep");
    });
    refuse("SoilOpenButton", "Soil1SaveButton", "Soil1QuitButton", [this] {
        Type("Soil1Grid", 0, 0, "0.9");
        Type("Soil1Grid", 4, 2, "");
        Type("Soil1Grid", 2, 2, "");
    });
    refuse("SaltOpenButton", "Salt1SaveButton", "Salt1QuitButton", [this] {
        Type("SaltGrid1", 1, 1, "7");
        Type("SaltGrid1", 3, 4, "?");
    });
    // The walk-through's case: no drainage factors and a drain depth below the transition zone.
    refuse("DrainOpenButton", "DrainSaveButton", "DrainQuitButton", [this] {
        SetEdit("DrainDepthEdit", "9");
        SetEdit("DrainQH1Edit", "");
        SetEdit("DrainQH2Edit", "");
    });
    refuse("CondOpenButton", "CondSaveButton", "CondQuitButton", [this] {
        SetEdit("SaltIrrigEdit", "3.5");
        SetEdit("IrrEffEdit", "5");
        SetEdit("SalInfEdit", "");
    });
    refuse("RiceOpenButton", "RiceSaveButton", "RiceQuitButton", [this] {
        SetItem("RiceCombo", 1);
        SetEdit("InfilEdit", "4");
        SetEdit("FractionEdit", "a");
    });
    EXPECT_EQ(Window().State().Run.Dr, root_zone);
    // Each Cancel showed the data set's values again: Saves of every group store nothing refused.
    for (const auto& [open, save] : {std::pair{"GenOpenButton", "GenSaveButton"}, {"HydrOpenButton", "HydrSaveButton"},
                                     {"DWTopenButton", "DWTSaveButton"}, {"SoilOpenButton", "Soil1SaveButton"},
                                     {"SaltOpenButton", "Salt1SaveButton"}, {"DrainOpenButton", "DrainSaveButton"},
                                     {"CondOpenButton", "CondSaveButton"}, {"RiceOpenButton", "RiceSaveButton"}}) {
        Click(open);
        Click(save);
    }
    EXPECT_TRUE(TakeErrors().empty());
    ExpectSameFileContents(before, Data());

    // What reaches the file is the data set as it was before the refused Saves.
    SaveAllAndRun(temp_.File("after.inp"));
    InputData written;
    written.FileName = temp_.File("after.inp");
    ScriptedDialogs quiet;
    LoadInputFile(written, quiet);
    ExpectSameFileContents(before, written);

    // A refused three-layer Save stores none of the values it marked as missing.
    OpenDataSet(MakeDataSet({3, 12, 30, false, false, 44}), "three.inp");
    const InputData three = Data();
    refuse("SoilOpenButton", "Soil3SaveButton", "Soil3QuitButton", [this] {
        Type("Soil3Grid", 3, 0, "");
        Type("Soil3Grid", 1, 4, "");
    });
    ExpectSameFileContents(three, Data());
    EXPECT_FALSE(Flags().SoilDataComplete);
}

}  // namespace
}  // namespace vantorel::test
