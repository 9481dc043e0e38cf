// The habits of a desktop program: the File menu with the files used last, Exit, the Help menu,
// shortcuts, save dialogs that propose a name, and boxes that belong to the window in front.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

#include <filesystem>
#include <set>

#include "model/ProgramVersion.h"
#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"
#include "ui/AboutText.h"
#include "ui/QtPlatform.h"
#include "ui/RecentFiles.h"
#include "ui/analysis/ScenarioStudyMenu.h"
#include "ui/analysis/ScenarioStudyWindow.h"

namespace vantorel::test {
namespace {

class MenusTest : public WindowFixture {
protected:
    QAction* Item(const char* name) { return Find<QAction>(name); }
    QMenu* Menu(const char* name) { return Find<QMenu>(name); }
    QString Page() { return Find<QTabWidget>("PageControl")->currentWidget()->objectName(); }
    // The entries of the recent-files menu as it opens.
    QStringList RecentEntries() {
        QMenu* recent = Menu("RecentFilesMenu");
        emit recent->aboutToShow();
        QStringList entries;
        for (const QAction* entry : recent->actions()) entries << entry->text();
        return entries;
    }
};

TEST_F(MenusTest, TheMenusAndTheirShortcuts) {
    QStringList menus;
    for (const QAction* menu : Window().menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Analysis", "&Help"}));
    QStringList file;
    for (const QAction* item : Menu("FileMenu")->actions()) file << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(file, (QStringList{"&Open input...", "Open o&utput...", "&Import series...", "-", "&Recent files", "-",
                                 "E&xit"}));
    EXPECT_EQ(Item("OpenInputItem")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Item("OpenOutputItem")->shortcut(), QKeySequence("Ctrl+Shift+O"));
    EXPECT_EQ(Item("ExitItem")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(Item("IntroductionItem")->shortcut(), QKeySequence(QKeySequence::HelpContents));
    // Every shortcut of the menus is its own.
    std::set<QString> shortcuts;
    for (QAction* action : Window().findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) continue;
        EXPECT_TRUE(shortcuts.insert(action->shortcut().toString()).second) << action->shortcut().toString().toStdString();
    }
    for (const char* analysis : {"FitStatisticsItem", "DrainageMapItem", "LeachingCurvesItem", "ScenarioStudyAction"}) {
        EXPECT_FALSE(Item(analysis)->shortcut().isEmpty()) << analysis;
    }
}

// Every button shown has a mnemonic of its own, none taken by another button or a menu.
void ExpectOwnMnemonics(QWidget& window, const std::string& state, std::set<QChar> taken = {}) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisible() || button->window() != &window) continue;
        const QString caption = button->text();
        const qsizetype marked = caption.indexOf('&');
        ASSERT_TRUE(marked >= 0 && marked + 1 < caption.size()) << state << ": " << caption.toStdString();
        EXPECT_TRUE(taken.insert(caption[marked + 1].toLower()).second)
            << state << ": " << caption.toStdString() << " shares its letter";
    }
}

TEST_F(MenusTest, EveryButtonShownHasAMnemonicOfItsOwn) {
    const std::set<QChar> menus = {'f', 'e', 'a', 'h'};
    OpenDataSet(MakeDataSet({1, 12, 30, true, false, 93}));
    for (QWidget* panel : Window().GroupWorkflow().AllPanels()) {
        Window().GroupWorkflow().HideGroupPanels();
        panel->show();
        ExpectOwnMnemonics(Window(), panel->objectName().toStdString(), menus);
    }
    SaveAllAndRun(temp_.File("run.inp"));
    Click("SaltShowButton");
    ExpectOwnMnemonics(Window(), "OutTab", menus);
    Click("GraphButton");
    ExpectOwnMnemonics(Window(), "GraphTab choices", menus);
    Click("GraphGoButton");
    ExpectOwnMnemonics(Window(), "GraphTab picture", menus);
    Windows().AlfaForm.show();
    ExpectOwnMnemonics(Windows().AlfaForm, "AlfaForm");
    for (const char* view : {"FitStatisticsItem", "DrainageMapItem", "LeachingCurvesItem", "ScenarioStudyAction"}) {
        Item(view)->trigger();
    }
    for (const char* view : {"FitStatisticsWindow", "DrainageMapWindow", "LeachingCurvesWindow", "ScenarioStudyWindow"}) {
        QWidget* window = Find<QWidget>(view);
        for (QPushButton* button : window->findChildren<QPushButton*>()) button->show();
        ExpectOwnMnemonics(*window, view);
    }
}

TEST_F(MenusTest, ExitBehavesAsClosingTheMainWindow) {
    Item("ExitItem")->trigger();
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(Windows().CloseForm.isVisible());
    EXPECT_FALSE(program_ended_);
}

TEST_F(MenusTest, TheFilesOpenedAndSavedLastAreOfferedNewestFirst) {
    EXPECT_EQ(RecentEntries(), QStringList{"No recent files"});
    OpenDataSet(MakeDataSet({1, 12, 30, true, false, 91}), "first.inp");
    SaveAllAndRun(temp_.File("second.inp"));
    ShowPage("IntroTab");
    scripted_.files.answers.push_back(temp_.File("first.inp"));
    Item("OpenInputItem")->trigger();
    EXPECT_EQ(Page(), "InpTab");
    scripted_.files.answers.push_back(temp_.File("second.out"));
    Item("OpenOutputItem")->trigger();
    EXPECT_EQ(Page(), "OutTab");
    EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + PathToQt(temp_.File("second.out")),
                                            "&2 " + PathToQt(temp_.File("first.inp")),
                                            "&3 " + PathToQt(temp_.File("second.inp"))}));

    // An entry opens its file as a double-click would; a file gone since is no longer offered.
    std::filesystem::remove(temp_.File("second.inp"));
    ShowPage("IntroTab");
    Menu("RecentFilesMenu")->actions().at(1)->trigger();
    EXPECT_EQ(Page(), "InpTab");
    EXPECT_EQ(Data().FileName, temp_.File("first.inp"));
    EXPECT_EQ(RecentEntries(), (QStringList{"&1 " + PathToQt(temp_.File("first.inp")),
                                            "&2 " + PathToQt(temp_.File("second.out"))}));
}

TEST_F(MenusTest, SaveDialogsProposeTheDataSetsName) {
    OpenDataSet(MakeDataSet({1, 12, 30, false, false, 92}), "field.inp");
    scripted_.files.answers.push_back(std::nullopt);
    Click("SaveAllButton");
    EXPECT_EQ(scripted_.files.shown.back().proposed_file, "field.inp");
    SaveAllAndRun(temp_.File("renamed.inp"));
    Click("GraphButton");
    Click("GraphGoButton");
    scripted_.files.answers.push_back(std::nullopt);
    Click("SaveGraphButton");
    EXPECT_EQ(scripted_.files.shown.back().proposed_file, "renamed.bmp");
}

TEST_F(MenusTest, TheHelpMenuShowsThePagesAndTellsAboutTheProgram) {
    Item("BalancesItem")->trigger();
    EXPECT_EQ(Page(), "MathTab");
    Item("IntroductionItem")->trigger();
    EXPECT_EQ(Page(), "IntroTab");
    Item("DrainageEquationsItem")->trigger();
    EXPECT_TRUE(Windows().DrainForm.isVisible());
    const QString about = AboutText();
    EXPECT_TRUE(about.startsWith(ProgramVersionLine));
    EXPECT_TRUE(about.contains(QString("Licence: ") + LicenceName));
    EXPECT_TRUE(about.contains("Example input files: "));
    EXPECT_TRUE(about.contains("The list of recent files: "));
}

TEST_F(MenusTest, ABoxOpenedFromAnAnalysisWindowBelongsToIt) {
    Data().FileName = temp_.File("field.inp");
    Item("ScenarioStudyAction")->trigger();
    ScenarioStudyWindow* study = FindScenarioStudyWindow(Window());
    study->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), study);
    MessageBoxDialogs boxes(&Window());
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        QWidget* box = QApplication::activeModalWidget();
        owner = box->parentWidget();
        box->close();
    });
    boxes.ShowMessage("The table was saved");
    EXPECT_EQ(owner, study);
}

}  // namespace
}  // namespace vantorel::test
