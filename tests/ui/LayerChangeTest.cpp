// A change of the number of root-zone layers in the General data: the soil and salinity grids of
// the new count take over the old ones' rows and columns, and the sequence starts again.

#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;

class LayerChangeTest : public WindowFixture {
protected:
    // Every cell of the target row equals the source row's.
    void ExpectSameRow(const char* target, int target_row, const char* source, int source_row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(Grid(target)->Cell(column, target_row), Grid(source)->Cell(column, source_row))
                << target << " row " << target_row << " column " << column;
        }
    }
    void ExpectSameColumn(const char* target, int target_column, const char* source, int source_column, int steps) {
        for (int row = 1; row <= steps; ++row) {
            EXPECT_EQ(Grid(target)->Cell(target_column, row), Grid(source)->Cell(source_column, row))
                << target << " column " << target_column << " row " << row;
        }
    }
};

TEST_F(LayerChangeTest, OneToThreeLayersCopiesTheRootZoneIntoEveryLayer) {
    const int n = 14;
    OpenDataSet(MakeDataSet({1, n, 30, true, false, 31}));
    ShowPage("InpTab");
    TakeMessages();
    SetItem("LayersCombo", 2);
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), (Names{"The number of layers was increased and data must be added. Please check and "
                                     "save each data group before using \"Save All\"",
                                     "The general data were saved. Continue with the hydrological data."}));
    EXPECT_FALSE(Flags().AllGroupsChecked);
    EXPECT_TRUE(Data().Is3Layer);
    EXPECT_EQ(Data().NrLayers, 3);
    EXPECT_EQ(Data().LayerIndex, 2);
    for (int row : {0, 1, 2}) ExpectSameRow("Soil3Grid", row, "Soil1Grid", 0);
    ExpectSameRow("Soil3Grid", 3, "Soil1Grid", 1);
    ExpectSameRow("Soil3Grid", 4, "Soil1Grid", 2);
    EXPECT_EQ(Grid("SaltGrid3")->RowCount(), n + 1);
    for (int column : {1, 2, 3}) ExpectSameColumn("SaltGrid3", column, "SaltGrid1", 1, n);
    ExpectSameColumn("SaltGrid3", 4, "SaltGrid1", 2, n);
    ExpectSameColumn("SaltGrid3", 5, "SaltGrid1", 3, n);

    // Sequence mode again: the next groups lead to the three-layer panels.
    EXPECT_EQ(OpenPanel(), "HydrPanel");
    EXPECT_EQ(EnabledGroupButtons(), Names{"HydrOpenButton"});
    EXPECT_FALSE(Button("Soil1QuitButton")->isEnabled());
    EXPECT_FALSE(Button("RiceQuitButton")->isEnabled());
    Click("HydrSaveButton");
    Click("DWTSaveButton");
    EXPECT_EQ(OpenPanel(), "Soil3Panel");
    Click("Soil3SaveButton");
    EXPECT_EQ(OpenPanel(), "Salt3Panel");
    // The root zone is three times as thick until the user edits it.
    EXPECT_EQ(Data().D1, Data().D2);
    EXPECT_EQ(Data().D3, Data().D1);
    EXPECT_EQ(Window().State().Run.Dr, Data().D1 + Data().D2 + Data().D3);
}

TEST_F(LayerChangeTest, ThreeToTwoLayersKeepsTheUpperLayers) {
    const int n = 12;
    OpenDataSet(MakeDataSet({3, n, 7, false, false, 32}));
    ShowPage("InpTab");
    TakeMessages();
    SetItem("LayersCombo", 1);
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), (Names{"The number of layers was reduced. Please check and save each data group before "
                                     "using \"Save All\"",
                                     "The general data were saved. Continue with the hydrological data."}));
    EXPECT_TRUE(Data().Is2Layer);
    ExpectSameRow("Soil2Grid", 0, "Soil3Grid", 0);
    ExpectSameRow("Soil2Grid", 1, "Soil3Grid", 1);
    ExpectSameRow("Soil2Grid", 2, "Soil3Grid", 3);
    ExpectSameRow("Soil2Grid", 3, "Soil3Grid", 4);
    ExpectSameColumn("SaltGrid2", 1, "SaltGrid3", 1, n);
    ExpectSameColumn("SaltGrid2", 2, "SaltGrid3", 2, n);
    ExpectSameColumn("SaltGrid2", 3, "SaltGrid3", 4, n);
    ExpectSameColumn("SaltGrid2", 4, "SaltGrid3", 5, n);
}

TEST_F(LayerChangeTest, AnUnchangedLayerCountCopiesNothing) {
    OpenDataSet(MakeDataSet({2, 12, 30, false, false, 33}));
    ShowPage("InpTab");
    Type("Soil3Grid", 0, 0, "untouched");
    TakeMessages();
    Click("GenSaveButton");
    EXPECT_EQ(TakeMessages(), Names{"The general data were saved."});
    EXPECT_EQ(Grid("Soil3Grid")->Cell(0, 0), "untouched");
    EXPECT_TRUE(Flags().AllGroupsChecked);
    EXPECT_TRUE(Button("RiceQuitButton")->isEnabled());
}

}  // namespace
}  // namespace vantorel::test
