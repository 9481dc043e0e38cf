// "Analysis" > "Scenario study...": the window starts from the last input file, runs a study off
// the window thread and shows the summary and the overlay graph; the table goes to and from a
// study file; Cancel stops the scenarios running and starts no more.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <qcustomplot.h>

#include <filesystem>
#include <sstream>

#include "app/runner/Runner.h"
#include "engine/StudyFields.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/StudyFieldDescriptions.h"
#include "ui/analysis/ScenarioStudyMenu.h"
#include "ui/analysis/ScenarioStudyWindow.h"

namespace vantorel::test {
namespace {

class ScenarioStudyWindowTest : public WindowFixture {
protected:
    ScenarioStudyWindow& OpenStudyWindow() {
        const std::string base = dir_.File("field.inp");
        std::filesystem::copy_file(ExamplePath("monthly-drained-field.inp"), base);
        Data().FileName = base;
        Window().findChild<QAction*>("ScenarioStudyAction")->trigger();
        ScenarioStudyWindow* window = FindScenarioStudyWindow(Window());
        EXPECT_NE(window, nullptr);
        return *window;
    }
    static void WaitFor(ScenarioStudyWindow& window) {
        while (window.Running()) QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    TempDir& dir_ = temp_;
};

const char* const Study = "name,Irrig,IrrEff\r\nbase,,\r\nwetter,*1.2,\r\nclamped,,120\r\n";

TEST_F(ScenarioStudyWindowTest, RunsTheStudyAndShowsSummaryAndGraph) {
    ScenarioStudyWindow& window = OpenStudyWindow();
    ASSERT_TRUE(window.LoadStudyText(Study, "study.csv"));
    EXPECT_EQ(window.StudyText(), Study);
    auto* plot = window.findChild<QCustomPlot*>("StudyPlot");
    auto* save_picture = window.findChild<QPushButton*>("SavePictureButton");
    auto* save_table = window.findChild<QPushButton*>("SaveTableButton");
    // Nothing to show or save before the first run.
    EXPECT_FALSE(plot->isVisible());
    EXPECT_FALSE(save_picture->isEnabled());
    EXPECT_FALSE(save_table->isEnabled());
    window.RunClick();
    EXPECT_FALSE(window.findChild<QPushButton*>("RunButton")->isEnabled());
    WaitFor(window);
    EXPECT_TRUE(window.findChild<QPushButton*>("RunButton")->isEnabled());

    ASSERT_EQ(window.Results().size(), 3u);
    EXPECT_EQ(window.Results()[1].status, RunStatus::Completed);
    EXPECT_EQ(window.Results()[2].status, RunStatus::Refused);
    auto* summary = window.findChild<QTableWidget*>("SummaryTable");
    EXPECT_EQ(summary->rowCount(), 3);
    EXPECT_EQ(summary->item(2, 1)->text(), "refused");
    EXPECT_TRUE(std::filesystem::exists(dir_.File("field-study/summary.csv")));
    EXPECT_TRUE(std::filesystem::exists(dir_.File("field-study/wetter.out")));

    auto* series = window.findChild<QComboBox*>("SeriesChoice");
    EXPECT_EQ(series->count(), 4);  // the water table and three zones of a one-layer root zone
    EXPECT_TRUE(plot->isVisible());
    EXPECT_TRUE(save_picture->isEnabled());
    EXPECT_TRUE(save_table->isEnabled());
    EXPECT_EQ(plot->graphCount(), 2);
    series->setCurrentIndex(1);
    EXPECT_EQ(plot->graphCount(), 2);

    scripted_.files.answers = {dir_.File("picture.png"), dir_.File("table.csv"), dir_.File("again.csv")};
    TakeMessages();
    window.SavePictureClick();
    EXPECT_EQ(scripted_.files.shown.back().proposed_file, "field.png");
    window.SaveTableClick();
    EXPECT_EQ(scripted_.files.shown.back().proposed_file, "field.csv");
    window.SaveStudyClick();
    EXPECT_EQ(QImage(QString::fromStdString(dir_.File("picture.png"))).size(), QSize(900, 700));
    EXPECT_EQ(ReadFile(dir_.File("table.csv")), ReadFile(dir_.File("field-study/summary.csv")));
    EXPECT_EQ(ReadFile(dir_.File("again.csv")), Study);
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"The picture was saved as " + dir_.File("picture.png"),
                                                        "The table was saved as " + dir_.File("table.csv")}));

    // Another study's table: the results shown were this one's.
    ASSERT_TRUE(window.LoadStudyText("name,Si\r\nsaltier,*2\r\n", "other.csv"));
    EXPECT_TRUE(window.Results().empty());
    EXPECT_EQ(summary->rowCount(), 0);
    EXPECT_FALSE(plot->isVisible());
    EXPECT_FALSE(save_picture->isEnabled());
    EXPECT_FALSE(save_table->isEnabled());
}

TEST_F(ScenarioStudyWindowTest, TheFieldListDescribesEveryField) {
    OpenStudyWindow();
    for (const StudyField& field : StudyFields()) EXPECT_FALSE(StudyFieldDescription(field.name).isEmpty()) << field.name;
    auto* fields = FindScenarioStudyWindow(Window())->findChild<QComboBox*>("FieldChoice");
    EXPECT_EQ(fields->itemText(fields->findData("Irrig")), "Irrig: irrigation (mm per time step)");
}

TEST_F(ScenarioStudyWindowTest, ADatedBaseKeepsItsStartAndTheGraphShowsDates) {
    ScenarioStudyWindow& window = OpenStudyWindow();
    WriteFile(Data().FileName, ReadFile(Data().FileName) + " Start date (YYYY-MM-DD)  : 2021-01-01\r\n");
    ASSERT_TRUE(window.LoadStudyText("name,Repeat\r\nlonger,2\r\n", "study.csv"));
    window.RunClick();
    WaitFor(window);
    ASSERT_EQ(window.Results().front().status, RunStatus::Completed);
    EXPECT_TRUE(ReadFile(dir_.File("field-study/longer.inp")).ends_with("2021-01-01\r\n"));

    auto* plot = window.findChild<QCustomPlot*>("StudyPlot");
    EXPECT_TRUE(plot->xAxis->ticker().dynamicCast<QCPAxisTickerDateTime>());
    const QCPGraphDataContainer& data = *plot->graph(0)->data();
    EXPECT_EQ(QCPAxisTickerDateTime::keyToDateTime(data.at(0)->key).toUTC().date(), QDate(2021, 1, 1));
    EXPECT_EQ(QCPAxisTickerDateTime::keyToDateTime(data.at(47)->key).toUTC().date(), QDate(2024, 12, 1));
}

TEST_F(ScenarioStudyWindowTest, RefusesATableThatIsNoStudyAndCancelledScenariosAreInterrupted) {
    ScenarioStudyWindow& window = OpenStudyWindow();
    EXPECT_FALSE(window.LoadStudyText("name,Irrig\nwet,*x\n", "study.csv"));
    EXPECT_NE(TakeMessages().back().find("the cell '*x' is not understood"), std::string::npos);

    std::string many = "name,Irrig\r\n";
    for (int i = 0; i < 40; ++i) many += "s" + std::to_string(i) + ",*1.0" + std::to_string(i) + "\r\n";
    ASSERT_TRUE(window.LoadStudyText(many, "many.csv"));
    window.RunClick();
    window.CancelClick();
    WaitFor(window);
    ASSERT_EQ(window.Results().size(), 40u);
    int interrupted = 0;
    for (const ScenarioResult& result : window.Results()) {
        if (result.status == RunStatus::Completed) continue;
        EXPECT_EQ(result.status, RunStatus::Interrupted) << result.name;
        EXPECT_FALSE(std::filesystem::exists(result.output)) << result.name;
        ++interrupted;
    }
    EXPECT_GT(interrupted, 0);
    EXPECT_NE(ReadFile(dir_.File("field-study/summary.csv")).find(",interrupted,"), std::string::npos);
}

TEST_F(ScenarioStudyWindowTest, SamplesShowAsBandsAndRankCorrelations) {
    ScenarioStudyWindow& window = OpenStudyWindow();
    auto* samples = window.findChild<QSpinBox*>("SamplesBox");
    auto* seed = window.findChild<QLineEdit*>("SeedEdit");
    EXPECT_EQ(samples->text(), "none");
    EXPECT_EQ(seed->text(), "1");
    const char* const study = "name,Si,IrrEff\r\nbase,,\r\nmc,\"~normal(1.2,0.3)\",\"~uniform(50,80)\"\r\n";
    ASSERT_TRUE(window.LoadStudyText(study, "study.csv"));
    TakeMessages();
    window.RunClick();
    EXPECT_NE(TakeMessages().back().find("a sampled cell needs a number of samples"), std::string::npos);
    samples->setValue(8);
    seed->setText("x");
    window.RunClick();
    EXPECT_EQ(TakeMessages().back(), "The seed must be a whole number from 0 to 18446744073709551615, not 'x'.");
    seed->setText("4");
    window.RunClick();
    WaitFor(window);

    ASSERT_EQ(window.Results().size(), 9u);
    EXPECT_EQ(window.Results()[8].name, "mc-0008");
    ASSERT_EQ(window.SampledRows().size(), 1u);
    EXPECT_EQ(window.SampledRows()[0].completed, 8u);
    auto* summary = window.findChild<QTableWidget*>("SummaryTable");
    EXPECT_EQ(summary->horizontalHeaderItem(summary->columnCount() - 1)->text(), "IrrEff");
    EXPECT_EQ(summary->item(0, summary->columnCount() - 1)->text(), "");
    auto* sensitivity = window.findChild<QTableWidget*>("SensitivityTable");
    EXPECT_EQ(sensitivity->horizontalHeaderItem(3)->text(), "spearman");
    EXPECT_EQ(sensitivity->item(0, 0)->text(), "mc");
    // The files are those of the runner with the same samples.
    const std::string folder = dir_.File("field-study");
    for (const char* file : {"summary.csv", "bands.csv", "sensitivity.csv"}) {
        EXPECT_TRUE(std::filesystem::exists(folder + "/" + file)) << file;
    }
    const std::string runner_folder = dir_.File("runner-study");
    WriteFile(dir_.File("study.csv"), study);
    std::ostringstream out, err;
    RunVantorel({"--scenarios", dir_.File("study.csv"), "--study-dir", runner_folder, "--samples", "8", "--seed", "4",
                 Data().FileName},
                out, err);
    for (const char* file : {"bands.csv", "sensitivity.csv", "mc-0005.out"}) {
        std::vector<std::string> window_lines = ReadCrLfLines(folder + "/" + file);
        std::vector<std::string> runner_lines = ReadCrLfLines(runner_folder + "/" + file);
        if (std::string(file).ends_with(".out")) window_lines[1] = runner_lines[1] = "";  // the file's own path
        EXPECT_EQ(window_lines, runner_lines) << file;
    }

    // The overlay shows the base alone; each band of the row follows it in the list.
    auto* series = window.findChild<QComboBox*>("SeriesChoice");
    ASSERT_EQ(series->count(), 4 + 5);
    EXPECT_EQ(series->itemText(4), "Water-table depth over the samples of mc (8 of 8 completed)");
    auto* plot = window.findChild<QCustomPlot*>("StudyPlot");
    EXPECT_EQ(plot->graphCount(), 1);
    series->setCurrentIndex(6);
    EXPECT_EQ(plot->graphCount(), 3);  // 5 %, 95 % and the median
    series->setCurrentIndex(0);
    EXPECT_EQ(plot->graphCount(), 1);
}

}  // namespace
}  // namespace vantorel::test
