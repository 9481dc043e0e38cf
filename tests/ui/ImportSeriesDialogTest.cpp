// "File" > "Import series...": the dialog shows what the files hold or every problem before
// anything changes, then the data set and its editors take the import as they take a file opened.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

#include "model/InputFile.h"
#include "tests/app/RunTool.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"
#include "ui/ImportSeriesDialog.h"

namespace vantorel::test {
namespace {

class ImportSeriesDialogTest : public WindowFixture {
protected:
    void SetUp() override {
        std::string weather = "date,rain,tmin,tmax\r\n";
        for (int day = 0; day < 62; ++day) {
            weather += IsoDateText(*ParseIsoDate("2023-01-01") + std::chrono::days(day)) + "," +
                       (day % 3 == 0 ? "4.2" : "0") + ",6,17\r\n";
        }
        WriteFile(temp_.File("weather.csv"), weather);
        WriteFile(temp_.File("readings.csv"), "date,salinity_layer_2,water_table_depth\n2023-02-10,3.4,1.25\n");
        OpenDataSet(MakeDataSet({2, 12, 30, true, false, 3}));
    }
    ImportSeriesDialog& OpenDialog() {
        Window().findChild<QAction*>("ImportSeriesAction")->trigger();
        ImportSeriesDialog* dialog = FindImportSeriesDialog(Window());
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    QLineEdit* DialogEdit(ImportSeriesDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }
};

TEST_F(ImportSeriesDialogTest, ShowsProblemsFirstThenFillsTheEditors) {
    const InputData before = Data();
    ImportSeriesDialog& dialog = OpenDialog();
    EXPECT_EQ(Window().menuBar()->actions().front()->text(), "&File");
    scripted_.files.answers = {temp_.File("weather.csv"), temp_.File("readings.csv")};
    dialog.AddFileClick();
    dialog.AddFileClick();
    DialogEdit(dialog, "StartEdit")->setText("2023-01-01");
    EXPECT_FALSE(dialog.CheckClick());
    EXPECT_EQ(dialog.ReportText(), "Nothing can be imported while these problems remain:\n"
                                   "Latitude: the evaporation from the weather needs the latitude");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("ImportButton")->isEnabled());
    ExpectSameFileContents(before, Data());

    DialogEdit(dialog, "LatitudeEdit")->setText("35.5");
    ASSERT_TRUE(dialog.CheckClick());
    EXPECT_TRUE(dialog.ReportText().startsWith("Read " + QString::fromStdString(temp_.File("weather.csv"))));
    EXPECT_TRUE(dialog.ReportText().contains("Period: 2023-01-01 to 2023-02-28, 2 steps of a calendar month (Ts 30)"));
    dialog.ImportClick();
    EXPECT_FALSE(dialog.isVisible());

    EXPECT_EQ(Data().NrTimeSteps, 2);
    EXPECT_EQ(Data().StartDate, ParseIsoDate("2023-01-01"));
    EXPECT_EQ(Data().D2, before.D2);
    EXPECT_EQ(Edit("NrTstEdit")->text(), "2");
    EXPECT_EQ(Grid("HydrGrid")->Cell(1, 1), "46.2");
    EXPECT_EQ(Grid("SaltGrid2")->Cell(2, 2), "3.40");
    EXPECT_EQ(Grid("DWTGrid")->Cell(1, 2), "1.25");
    EXPECT_EQ(Find<QLabel>("NameLabel")->text(), "");
    EXPECT_TRUE(Button("SaveAllButton")->isEnabled());

    // The data set of the window is the one the runner saves from the same files.
    WriteFile(temp_.File("base.inp"), ReadFile(before.FileName));
    ASSERT_EQ(RunTool({"--import", temp_.File("weather.csv"), "--import", temp_.File("readings.csv"), "--start",
                       "2023-01-01", "--latitude", "35.5", "--resave", temp_.File("runner.inp"), temp_.File("base.inp")})
                  .status,
              0);
    InputData runner;
    runner.FileName = temp_.File("runner.inp");
    ScriptedDialogs quiet;
    LoadInputFile(runner, quiet);
    ExpectSameFileContents(runner, Data());
    EXPECT_EQ(runner.StartDate, Data().StartDate);
}

}  // namespace
}  // namespace vantorel::test
