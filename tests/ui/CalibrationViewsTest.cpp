// The Analysis menu: fit statistics of the last run made in the window or of an output file opened,
// leaching curves of the last run, and the drainage-factor map computed off the window thread.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>
#include <QImage>
#include <filesystem>
#include <qcustomplot.h>

#include "engine/CalibrationTables.h"
#include "engine/FileRun.h"
#include "engine/FitStatistics.h"
#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/DrainageMapWindow.h"

namespace vantorel {
namespace {

class CalibrationViewsTest : public test::WindowFixture {
protected:
    void Choose(const char* item) { Window().findChild<QAction*>(item)->trigger(); }
    template <class Control>
    Control* InView(const char* view, const char* name) {
        auto* window = Window().findChild<QWidget*>(view);
        EXPECT_NE(window, nullptr) << view;
        return window ? window->findChild<Control*>(name) : nullptr;
    }
    DrainageMapWindow* Map() { return Window().findChild<DrainageMapWindow*>("DrainageMapWindow"); }
    void WaitForMap() {
        while (Map()->Busy()) QApplication::processEvents();
        QApplication::processEvents();
    }
};

TEST_F(CalibrationViewsTest, BeforeARunTheViewsSayWhyTheyAreEmpty) {
    Choose("FitStatisticsItem");
    EXPECT_TRUE(InView<QLabel>("FitStatisticsWindow", "FitNoteLabel")->text().startsWith("No calculation has been made"));
    EXPECT_FALSE(InView<QTableWidget>("FitStatisticsWindow", "FitGrid")->isVisible());
    EXPECT_FALSE(InView<QPushButton>("FitStatisticsWindow", "FitClipButton")->isEnabled());
    Choose("LeachingCurvesItem");
    EXPECT_TRUE(InView<QLabel>("LeachingCurvesWindow", "CurvesNoteLabel")->text().startsWith("No calculation"));
    EXPECT_FALSE(InView<QCustomPlot>("LeachingCurvesWindow", "CurvesPlot")->isVisible());
}

TEST_F(CalibrationViewsTest, StatisticsOfTheRunAreShownAndCopied) {
    OpenDataSet(test::MakeDataSet({2, 24, 30, true, false, 81}));
    SaveAllAndRun(temp_.File("run.inp"));
    ASSERT_TRUE(Flags().OutputAvailable);
    TakeMessages();
    const std::vector<FitStatistics> expected = RunFitStatistics(Window().State());
    ASSERT_FALSE(expected.empty());

    Choose("FitStatisticsItem");
    auto* grid = InView<QTableWidget>("FitStatisticsWindow", "FitGrid");
    ASSERT_EQ(grid->rowCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(grid->item(0, 0)->text().toStdString(), expected[0].series);
    EXPECT_EQ(grid->item(0, 1)->text(), QString::number(expected[0].n));
    InView<QPushButton>("FitStatisticsWindow", "FitClipButton")->click();
    const QStringList rows = scripted_.clipboard.text.split('\r');
    EXPECT_EQ(rows.size(), grid->rowCount() + 1);
    EXPECT_TRUE(rows[0].startsWith("Series\tn\tObserved mean\t"));
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"The data are on the clipboard to be pasted elsewhere."}));

    // No leaching search was accepted in this run; in the next one they are.
    Choose("LeachingCurvesItem");
    EXPECT_TRUE(InView<QLabel>("LeachingCurvesWindow", "CurvesNoteLabel")->text().contains("searched no leaching"));
    EXPECT_FALSE(InView<QCustomPlot>("LeachingCurvesWindow", "CurvesPlot")->isVisible());
    scripted_.files.answers.push_back(temp_.File("run.inp"));
    scripted_.dialogs.answers = {true, true, false, true};  // overwrite, calculate, no drainage search, leaching
    Click("SaveAllButton");
    WaitForCalculation();
    ASSERT_FALSE(Window().State().Run.LeachingCurves.empty());
    Choose("LeachingCurvesItem");
    auto* curves = InView<QCustomPlot>("LeachingCurvesWindow", "CurvesPlot");
    EXPECT_TRUE(curves->isVisible());
    EXPECT_EQ(curves->graphCount(), 2 * static_cast<int>(Window().State().Run.LeachingCurves.size()));

    TakeMessages();
    scripted_.files.answers = {temp_.File("curves.png"), temp_.File("curves.csv")};
    InView<QPushButton>("LeachingCurvesWindow", "CurvesSavePictureButton")->click();
    EXPECT_EQ(scripted_.files.shown.back().proposed_file, "run.png");
    InView<QPushButton>("LeachingCurvesWindow", "CurvesSaveTableButton")->click();
    EXPECT_EQ(QImage(QString::fromStdString(temp_.File("curves.png"))).size(), QSize(900, 700));
    EXPECT_EQ(test::ReadCrLfLines(temp_.File("curves.csv")), LeachingCurvesCsvLines(Window().State().Run.LeachingCurves));
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"The picture was saved as " + temp_.File("curves.png"),
                                                        "The table was saved as " + temp_.File("curves.csv")}));
}

TEST_F(CalibrationViewsTest, StatisticsFollowAnOutputFileOpened) {
    InputData data = test::MakeDataSet({1, 36, 30, true, false, 85});
    // The file has no depth at the end of the last step.
    data.DwtMeas[36] = MissingDepthOrDischarge;
    OpenDataSet(data, "opened.inp");
    ModelState run;
    const FileRunResult completed = RunInputFile(run, temp_.File("opened.inp"), {});
    ASSERT_EQ(completed.status, RunStatus::Completed);
    const std::vector<FitStatistics> expected = RunFitStatistics(run);
    ASSERT_FALSE(expected.empty());

    Window().OpenOutputFile(completed.output);
    Choose("FitStatisticsItem");
    EXPECT_TRUE(InView<QLabel>("FitStatisticsWindow", "FitNoteLabel")->text().startsWith("Output file opened: "));
    auto* grid = InView<QTableWidget>("FitStatisticsWindow", "FitGrid");
    ASSERT_EQ(grid->rowCount(), static_cast<int>(expected.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        EXPECT_EQ(grid->item(row, 0)->text().toStdString(), expected[static_cast<size_t>(row)].series);
        EXPECT_EQ(grid->item(row, 1)->text(), QString::number(expected[static_cast<size_t>(row)].n));
        // The file prints depths to two decimals and discharges to one.
        const FitStatistics& run_row = expected[static_cast<size_t>(row)];
        EXPECT_NEAR(grid->item(row, 3)->text().toDouble(), run_row.simulated_mean,
                    run_row.series == "water-table" ? 0.006 : 0.05);
    }
}

TEST_F(CalibrationViewsTest, MapIsComputedShownHoveredAndSaved) {
    OpenDataSet(test::MakeDataSet({1, 12, 30, true, false, 82}));
    Choose("DrainageMapItem");
    ASSERT_NE(Map(), nullptr);
    WaitForMap();
    auto* plot = InView<QCustomPlot>("DrainageMapWindow", "MapPlot");
    ASSERT_TRUE(plot->isVisible());
    // Monthly steps: the balance cannot be chosen, the first objective with measurements is shown.
    auto* objective = InView<QComboBox>("DrainageMapWindow", "MapObjectiveCombo");
    EXPECT_EQ(objective->currentText(), "water-table depth");
    auto* note = InView<QLabel>("DrainageMapWindow", "MapNoteLabel");
    EXPECT_TRUE(note->text().startsWith("Best ") && note->text().contains(" m at QH1 "));
    objective->setCurrentIndex(2);
    EXPECT_TRUE(note->text().contains(" mm/day at QH1 ") && note->text().contains("within 5 % of it"));
    InView<QDoubleSpinBox>("DrainageMapWindow", "NearOptimalSpin")->setValue(10);
    EXPECT_TRUE(note->text().contains("within 10 % of it"));

    plot->resize(800, 600);
    plot->replot();
    const QPointF at(plot->xAxis->coordToPixel(0.040), plot->yAxis->coordToPixel(0.020));
    QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    auto* readout = InView<QLabel>("DrainageMapWindow", "MapPointLabel");
    EXPECT_TRUE(readout->text().startsWith("QH1 0.040, QH2 0.020: ") && readout->text().endsWith(" mm/day"));
    // The readout follows the objective shown.
    objective->setCurrentIndex(1);
    EXPECT_TRUE(readout->text().startsWith("QH1 0.040, QH2 0.020: ") && readout->text().endsWith(" m"));
    EXPECT_EQ(plot->xAxis->label(), "QH1 (m/day/m)");
    EXPECT_EQ(plot->yAxis->label(), "QH2 (m/day/m^2)");

    // Panning stops at the grid's edge, zooming out at the whole grid; "Reset view" shows it whole.
    const QCPRange whole = plot->xAxis->range();
    plot->xAxis->setRange(0.020, 0.030);
    plot->xAxis->moveRange(-1);
    EXPECT_DOUBLE_EQ(plot->xAxis->range().lower, whole.lower);
    EXPECT_NEAR(plot->xAxis->range().size(), 0.010, 1e-12);
    plot->yAxis->setRange(0.090, 0.095);
    plot->yAxis->moveRange(1);
    EXPECT_DOUBLE_EQ(plot->yAxis->range().upper, whole.upper);
    plot->xAxis->scaleRange(1000);
    EXPECT_EQ(plot->xAxis->range(), whole);
    Click("MapResetViewButton");
    EXPECT_EQ(plot->yAxis->range(), whole);

    TakeMessages();
    scripted_.files.answers = {temp_.File("map.csv"), temp_.File("map.png")};
    InView<QPushButton>("DrainageMapWindow", "MapSaveTableButton")->click();
    EXPECT_EQ(scripted_.files.shown.back().proposed_file, "opened.csv");
    InView<QPushButton>("DrainageMapWindow", "MapSavePictureButton")->click();
    EXPECT_EQ(test::ReadCrLfLines(temp_.File("map.csv")).size(), 10001u);
    EXPECT_EQ(QImage(QString::fromStdString(temp_.File("map.png"))).size(), QSize(900, 700));
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"The table was saved as " + temp_.File("map.csv"),
                                                        "The picture was saved as " + temp_.File("map.png")}));
}

TEST_F(CalibrationViewsTest, DataSetWithoutDrainsHasNoMapAndClosingWhileComputingIsSafe) {
    OpenDataSet(test::MakeDataSet({1, 12, 30, false, false, 83}));
    Choose("DrainageMapItem");
    WaitForMap();
    EXPECT_EQ(InView<QLabel>("DrainageMapWindow", "MapNoteLabel")->text(),
              "No map: the data set has no subsurface drainage system, so it has no drainage factors to map.");
    EXPECT_FALSE(InView<QCustomPlot>("DrainageMapWindow", "MapPlot")->isVisible());

    OpenDataSet(test::MakeDataSet({3, 200, 1, true, false, 84}), "long.inp");
    Choose("DrainageMapItem");
    EXPECT_TRUE(Map()->Busy());
    delete Map();
    QApplication::processEvents();
    EXPECT_EQ(Map(), nullptr);
}

}  // namespace
}  // namespace vantorel
