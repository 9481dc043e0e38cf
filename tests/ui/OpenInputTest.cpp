// "Open input": the file's data set in every editor, and what a file that cannot be read leaves.

#include <QLabel>

#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/NumberText.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

QString Number(double value) { return QString::fromStdString(FormatGeneral(value)); }

class OpenInputTest : public WindowFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(OpenInputTest, ShowsTheFileInEveryEditor) {
    InputData file;
    file.FileName = ExamplePath(GetParam());
    SalinityCellTexts texts;
    ScriptedDialogs quiet;
    LoadInputFile(file, quiet, &texts);

    scripted_.files.answers.push_back(ExamplePath(GetParam()));
    ShowPage("InpTab");
    Click("OpenInpButton");
    EXPECT_TRUE(TakeErrors().empty());
    ExpectSameFileContents(file, Data());
    const InputData& d = file;
    const int n = d.NrTimeSteps;

    EXPECT_EQ(Edit("Tit1Edit")->text().toStdString(), d.Title1);
    EXPECT_EQ(Edit("Tit2Edit")->text().toStdString(), d.Title2);
    EXPECT_EQ(Edit("NrTstEdit")->text(), QString::number(n));
    EXPECT_EQ(Combo("TstCombo")->currentIndex(), d.Ts == 360 ? 0 : d.Ts == 30 ? 1 : d.Ts == 7 ? 2 : 3);
    EXPECT_EQ(Combo("LayersCombo")->currentIndex(), d.NrLayers - 1);

    StringGrid* hydrology = Grid("HydrGrid");
    EXPECT_EQ(hydrology->RowCount(), n + 1);
    for (const char* name : {"DWTGrid", "DischGrid", "SaltGrid1", "SaltGrid2", "SaltGrid3"}) {
        EXPECT_EQ(Grid(name)->RowCount(), n + 1) << name;
    }
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(hydrology->Cell(0, i), QString::number(i));
        EXPECT_EQ(hydrology->Cell(1, i), Number(d.Rain[i]));
        EXPECT_EQ(hydrology->Cell(2, i), Number(d.Irrig[i]));
        EXPECT_EQ(hydrology->Cell(3, i), Number(d.ETp[i]));
        EXPECT_EQ(hydrology->Cell(4, i), Number(d.Sdr[i]));
        // A depth at or above the surface is a measurement too, which a later Save must keep.
        EXPECT_EQ(Grid("DWTGrid")->Cell(1, i), d.DwtMeas[i] > MissingDepthOrDischarge ? Number(d.DwtMeas[i]) : "-") << i;
        EXPECT_EQ(Grid("DischGrid")->Cell(1, i), d.DrainMeas[i] > MissingDepthOrDischarge ? Number(d.DrainMeas[i]) : "-")
            << i;
    }
    const std::string layers = std::to_string(d.NrLayers);
    StringGrid* salinity = Grid(("SaltGrid" + layers).c_str());
    for (const char* name : {"SaltGrid1", "SaltGrid2", "SaltGrid3"}) {
        EXPECT_EQ(Grid(name)->Cell(0, n), QString::number(n));
    }
    for (int i = 1; i <= n; ++i) {
        for (size_t column = 0; column < texts[i].size(); ++column) {
            EXPECT_EQ(salinity->Cell(static_cast<int>(column) + 1, i).toStdString(), texts[i][column]) << i;
        }
    }

    StringGrid* soil = Grid(("Soil" + layers + "Grid").c_str());
    EXPECT_EQ(soil->Cell(0, 0), Number(d.D1));
    EXPECT_EQ(soil->Cell(1, 0), Number(d.TP1));
    EXPECT_EQ(soil->Cell(3, d.NrLayers), Number(d.LEt));
    EXPECT_EQ(soil->Cell(2, d.NrLayers + 1), Number(d.EffPora));
    EXPECT_EQ(soil->Cell(4, d.NrLayers + 1), Number(d.SAinit));

    EXPECT_EQ(Combo("DrainPresentCombo")->currentIndex(), d.DrainPresent ? 1 : 0);
    for (const char* name : {"DrainDepthEdit", "DrainQH1Edit", "DrainQH2Edit", "DrainDepthLabel", "DischPanel"}) {
        EXPECT_EQ(Control(name)->isEnabled(), d.DrainPresent) << name;
    }
    EXPECT_EQ(Edit("DrainDepthEdit")->text(), d.DrainPresent ? Number(d.Dd) : " ");
    EXPECT_EQ(Edit("DrainQH2Edit")->text(), d.DrainPresent ? Number(d.QH2) : " ");
    EXPECT_EQ(Edit("SaltIrrigEdit")->text(), Number(d.Si));
    EXPECT_EQ(Edit("MoistEdit")->text(), Number(d.MoistInit));
    EXPECT_EQ(Edit("SalInfEdit")->text(), Number(d.Sinf));
    EXPECT_EQ(Combo("RiceCombo")->currentIndex(), d.RicePresent ? 1 : 0);
    EXPECT_EQ(Edit("InfilEdit")->isEnabled(), d.RicePresent);
    if (d.RicePresent) {
        EXPECT_EQ(Edit("FractionEdit")->text(), Number(d.RiceTransp));
    }

    // Free mode: everything may be visited, General data is open.
    EXPECT_TRUE(Flags().AllGroupsChecked);
    EXPECT_EQ(EnabledGroupButtons().size(), 9u);
    EXPECT_EQ(OpenPanel(), "GenPanel");
    EXPECT_TRUE(Control("FileLabel")->isVisible());
    EXPECT_EQ(Window().findChild<QLabel*>("NameLabel")->text().toStdString(), ExamplePath(GetParam()));
    EXPECT_FALSE(Button("GraphButton")->isEnabled());
    EXPECT_FALSE(Button("SaveGraphButton")->isEnabled());
    EXPECT_FALSE(Button("GraphSelectButton")->isEnabled());
    EXPECT_EQ(Window().InputOpenDialog().initial_directory, FolderPart(ExamplePath(GetParam())));
    EXPECT_EQ(Window().InputSaveDialog().initial_directory, FolderPart(ExamplePath(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Examples, OpenInputTest,
                         ::testing::Values("monthly-drained-field.inp", "weekly-leaching-trial.inp",
                                           "daily-rice-field.inp"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char* c = info.param; *c && *c != '.'; ++c) {
                                 if (*c != '-') name += *c;
                             }
                             return name;
                         });

class OpenInputFailureTest : public WindowFixture {};

TEST_F(OpenInputFailureTest, AFileThatCannotBeReadLeavesTheDataAndTheEditorsAsTheyWere) {
    const InputData before = MakeDataSet({2, 12, 30, true, false, 8});
    OpenDataSet(before, "good.inp");
    const std::string good_name = Data().FileName;
    SetEdit("Tit1Edit", "typed but not saved");

    // A file that breaks off in the middle of its hydrological table.
    InputData broken = MakeDataSet({1, 20, 7, false, true, 9});
    broken.FileName = temp_.File("broken.inp");
    SaveInputFile(broken);
    std::vector<std::string> lines = ReadCrLfLines(broken.FileName);
    lines.resize(40);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteFile(broken.FileName, text);

    scripted_.files.answers.push_back(broken.FileName);
    Click("OpenInpButton");
    const std::vector<std::string> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("broken.inp"), std::string::npos) << errors[0];
    ExpectSameFileContents(before, Data());
    EXPECT_EQ(Data().FileName, good_name);
    EXPECT_EQ(Edit("Tit1Edit")->text(), "typed but not saved");
    EXPECT_EQ(Grid("HydrGrid")->RowCount(), 13);
    EXPECT_EQ(Combo("LayersCombo")->currentIndex(), 1);

    // A cancelled dialog changes nothing either.
    Click("OpenInpButton");
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"No input file was selected"});
    EXPECT_EQ(Data().FileName, good_name);
}

TEST_F(OpenInputFailureTest, AFileWithoutRiceShowsNoRiceAfterOneWithRice) {
    InputData rice = MakeDataSet({1, 12, 1, false, true, 10});
    OpenDataSet(rice, "rice.inp");
    EXPECT_EQ(Combo("RiceCombo")->currentIndex(), 1);
    InputData dry = MakeDataSet({1, 12, 30, false, false, 11});
    OpenDataSet(dry, "dry.inp");
    EXPECT_FALSE(Data().RicePresent);
    EXPECT_EQ(Combo("RiceCombo")->currentIndex(), 0);
    EXPECT_FALSE(Edit("InfilEdit")->isEnabled());
    // The rice values the file does not hold stay as they were.
    EXPECT_EQ(Data().InfCap, rice.InfCap);
}

}  // namespace
}  // namespace vantorel::test
