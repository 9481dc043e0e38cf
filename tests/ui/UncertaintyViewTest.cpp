// "Analysis" > "Uncertainty...": the posterior and the bands of the last run made in the window,
// computed off the window thread, and why a run has none.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <qcustomplot.h>

#include "engine/UncertaintyTables.h"
#include "model/InputFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/UncertaintyWindow.h"

namespace vantorel {
namespace {

class UncertaintyViewTest : public test::WindowFixture {
protected:
    UncertaintyWindow* View() {
        Window().findChild<QAction*>("UncertaintyItem")->trigger();
        auto* view = Window().findChild<UncertaintyWindow*>("UncertaintyWindow");
        EXPECT_NE(view, nullptr);
        while (view->Busy()) QApplication::processEvents();
        QApplication::processEvents();
        return view;
    }
    QString Note(UncertaintyWindow* view) { return view->findChild<QLabel*>("UncertaintyNoteLabel")->text(); }
    void RunMonthlyExample(bool optimize_drainage) {
        InputData data;
        data.FileName = test::ExamplePath("monthly-drained-field.inp");
        test::ScriptedDialogs dialogs;
        LoadInputFile(data, dialogs);
        OpenDataSet(data);
        // Calculate; the drainage factors; the proposed optimum; no leaching search.
        scripted_.dialogs.answers = {true, optimize_drainage, true, false};
        scripted_.files.answers.push_back(temp_.File("monthly.inp"));
        Click("SaveAllButton");
        WaitForCalculation();
        TakeMessages();
    }
};

TEST_F(UncertaintyViewTest, ARunWithoutFittedFactorsHasNoneAndSaysWhy) {
    UncertaintyWindow* view = View();
    EXPECT_TRUE(Note(view).startsWith("No calculation has been made in this window yet."));
    RunMonthlyExample(false);
    view = View();
    EXPECT_EQ(Note(view), "The last run (" + QString::fromStdString(temp_.File("monthly.out")) +
                              ") has no uncertainty to show: the run used the given drainage factors, which no "
                              "measurements fixed.");
    EXPECT_FALSE(view->findChild<QCustomPlot*>("UncertaintyPlot")->isVisible());
    EXPECT_FALSE(view->findChild<QComboBox*>("UncertaintyPictureCombo")->isEnabled());
}

TEST_F(UncertaintyViewTest, PosteriorAndBandsAreShownHoveredAndSaved) {
    RunMonthlyExample(true);
    UncertaintyWindow* view = View();
    EXPECT_TRUE(
        Note(view).startsWith("Uncertainty of the drainage factors (drain discharge, n = 12): QH1 0.013 (90 %: "
                              "0.011-0.016)"))
        << Note(view).toStdString();
    auto* pictures = view->findChild<QComboBox*>("UncertaintyPictureCombo");
    ASSERT_EQ(pictures->count(), 6);
    EXPECT_EQ(pictures->itemText(3), "Salinity of the root zone: prediction band");
    auto* plot = view->findChild<QCustomPlot*>("UncertaintyPlot");
    EXPECT_TRUE(plot->isVisible());
    EXPECT_EQ(view->PointText(0.013, 0.024).left(36), "QH1 0.013, QH2 0.024: probability 0.");

    pictures->setCurrentIndex(2);
    EXPECT_TRUE(view->PointText(4, 0).startsWith("Step 4: 5 % ")) << view->PointText(4, 0).toStdString();
    EXPECT_TRUE(view->PointText(4, 0).contains(", measured 52.9"));
    EXPECT_EQ(view->PointText(25, 0), "");
    scripted_.files.answers = {temp_.File("discharge.csv"), temp_.File("discharge.png")};
    view->SaveTableButtonClick();
    view->SavePictureButtonClick();
    const std::vector<std::string> lines = test::ReadCrLfLines(temp_.File("discharge.csv"));
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], "step,series,p05,p50,p95");
    EXPECT_EQ(lines[24].substr(0, 19), "24,drain_discharge,");
    EXPECT_GT(std::filesystem::file_size(temp_.File("discharge.png")), 5000u);
}

}  // namespace
}  // namespace vantorel
