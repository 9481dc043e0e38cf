// The window's frame: the windows beside it and when they show, closing,
// and the Edit menu acting on the focused text control.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "tests/support/RoundField.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

class SmallWindowsTest : public WindowFixture {};

TEST_F(SmallWindowsTest, ClosingTheMainWindowShowsTheClosingWindowWhichEndsTheProgram) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(Window().close());
        EXPECT_TRUE(Window().isVisible());
        EXPECT_TRUE(Windows().CloseForm.isVisible());
        Windows().CloseForm.hide();
    }
    EXPECT_FALSE(program_ended_);
    Windows().CloseForm.show();
    Windows().CloseForm.close();
    EXPECT_TRUE(program_ended_);
}

TEST(EndingTheProgramTest, ClosingTheMainWindowAndThenTheClosingWindowEndsTheEventLoopWithZero) {
    ScriptedWindowServices scripted;
    ProgramWindows windows(scripted.services, EndProgram);
    windows.MainForm.show();
    QTimer::singleShot(0, &windows.MainForm, [&windows] { windows.MainForm.close(); });
    QTimer::singleShot(0, &windows.CloseForm, [&windows] {
        EXPECT_TRUE(windows.CloseForm.isVisible());
        windows.CloseForm.close();
    });
    // A program that does not end is stopped here, with a status of its own.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    stuck.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(SmallWindowsTest, TheDrainageEditorShowsOneHelpWindowAtATime) {
    OpenDataSet(RoundField(12, 30));
    Click("DrainOpenButton");
    Click("SeeEqButton");
    EXPECT_TRUE(Windows().DrainForm.isVisible());
    Click("DrainHelpButton");
    EXPECT_TRUE(Windows().AlfaForm.isVisible());
    EXPECT_FALSE(Windows().DrainForm.isVisible());
    Click("DrainQuitButton");
    EXPECT_FALSE(Windows().AlfaForm.isVisible());

    Click("DrainOpenButton");
    Click("SeeEqButton");
    Click("DrainSaveButton");
    EXPECT_FALSE(Windows().DrainForm.isVisible());

    // Showing the Input page hides the calculator.
    Click("DrainOpenButton");
    Click("DrainHelpButton");
    ShowPage("OutTab");
    ShowPage("InpTab");
    EXPECT_FALSE(Windows().AlfaForm.isVisible());
}

TEST_F(SmallWindowsTest, TheEditMenuActsOnTheFocusedTextControl) {
    ShowPage("InpTab");
    QLineEdit* title = Edit("Tit1Edit");
    title->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), title);
    title->setText("Leaching trial");
    title->setSelection(0, 8);
    Window().findChild<QAction*>("EditCopy")->trigger();
    EXPECT_EQ(scripted_.clipboard.text, "Leaching");
    Window().findChild<QAction*>("EditCut")->trigger();
    EXPECT_EQ(title->text(), " trial");
    title->setCursorPosition(6);
    Window().findChild<QAction*>("EditPaste")->trigger();
    EXPECT_EQ(title->text(), " trialLeaching");
    title->setSelection(0, 6);
    Window().findChild<QAction*>("EditDelete")->trigger();
    EXPECT_EQ(title->text(), "Leaching");

    // On a grid cell without its editor the actions take the whole cell.
    StringGrid* grid = Grid("HydrGrid");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(3, 2));
    Type("HydrGrid", 2, 3, "42");
    Window().findChild<QAction*>("EditCut")->trigger();
    EXPECT_EQ(scripted_.clipboard.text, "42");
    EXPECT_EQ(grid->Cell(2, 3), "");
}

}  // namespace
}  // namespace vantorel::test
