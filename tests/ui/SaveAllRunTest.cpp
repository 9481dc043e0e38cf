// "Save all - Run": the file dialog and the overwrite question, the calculation question, the
// progress bar, and what a failed save or a stopped run leaves.

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>

#include <filesystem>

#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/RoundField.h"
#include "tests/ui/WindowFixture.h"
#include "ui/QtPlatform.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;

class SaveAllRunTest : public WindowFixture {
protected:
    QString CurrentPage() { return Window().findChild<QTabWidget*>("PageControl")->currentWidget()->objectName(); }
    std::string NameLabel() { return Window().findChild<QLabel*>("NameLabel")->text().toStdString(); }
};

TEST_F(SaveAllRunTest, WithoutTheRightToSaveNothingIsAsked) {
    Window().SaveAllButtonClick();
    EXPECT_EQ(TakeMessages(), (Names{"For saving please create an input data file",
                                     "Not all the input groups were checked. Quenrick cannot continue"}));
    EXPECT_TRUE(scripted_.files.shown.empty());
}

TEST_F(SaveAllRunTest, OverwriteAnsweredNoLeavesTheFileAndRunsNothing) {
    OpenDataSet(MakeDataSet({1, 12, 30, true, false, 51}), "opened.inp");
    TakeMessages();
    const std::string existing = temp_.File("existing.inp");
    WriteFile(existing, "left as it was");
    const std::string opened_name = Data().FileName;

    // The name is chosen without the extension the file gets: the file that would be replaced counts.
    for (const std::string& chosen : {existing, temp_.File("existing.txt")}) {
        scripted_.files.answers.push_back(chosen);
        scripted_.dialogs.answers.push_back(false);
        Click("SaveAllButton");
        EXPECT_EQ(TakeMessages(), Names{"For saving please create an input data file"});
        EXPECT_EQ(scripted_.dialogs.questions.back(), "The file already exists, overwrite?");
        EXPECT_EQ(ReadFile(existing), "left as it was");
        EXPECT_EQ(Data().FileName, opened_name);
    }
    EXPECT_FALSE(std::filesystem::exists(temp_.File("existing.out")));
    EXPECT_EQ(scripted_.dialogs.questions.size(), 2u);
}

TEST_F(SaveAllRunTest, ACancelledDialogOrARefusedCalculation) {
    OpenDataSet(MakeDataSet({1, 12, 30, false, false, 52}));
    TakeMessages();
    Click("SaveAllButton");
    EXPECT_EQ(TakeMessages(), (Names{"For saving please create an input data file", "No input file was selected"}));

    scripted_.files.answers.push_back(temp_.File("refused.inp"));
    scripted_.dialogs.answers.push_back(false);
    Click("SaveAllButton");
    EXPECT_EQ(scripted_.dialogs.questions.back(),
              "The data were saved as " + temp_.File("refused.inp") + ". Do you wish to do the calculations?");
    EXPECT_EQ(TakeMessages(), (Names{"For saving please create an input data file", "The calculations were not made."}));
    EXPECT_TRUE(std::filesystem::exists(temp_.File("refused.inp")));
    EXPECT_FALSE(std::filesystem::exists(temp_.File("refused.out")));
    EXPECT_FALSE(Window().State().Run.OptAccepted);
    EXPECT_EQ(CurrentPage(), "InpTab");
    // The file was written all the same: the label names it, with the extension it got.
    scripted_.files.answers.push_back(temp_.File("renamed"));
    scripted_.dialogs.answers.push_back(false);
    Click("SaveAllButton");
    EXPECT_EQ(NameLabel(), temp_.File("renamed.inp"));
    EXPECT_TRUE(Control("FileLabel")->isVisible());

    // The dialogs start where the last file was chosen; the output dialog where the program started.
    EXPECT_EQ(Window().InputOpenDialog().initial_directory, temp_.Path().string() + "/");
    EXPECT_EQ(Window().InputSaveDialog().initial_directory, temp_.Path().string() + "/");
    EXPECT_EQ(Window().OutputOpenDialog().initial_directory, PathFromQt(QDir::currentPath()));
}

TEST_F(SaveAllRunTest, ACompletedRunPresentsTheOutputPage) {
    OpenDataSet(MakeDataSet({2, 12, 30, true, false, 53}));
    TakeMessages();
    SaveAllAndRun(temp_.File("run.inp"));
    EXPECT_EQ(TakeMessages(), (Names{"For saving please create an input data file",
                                     "The calculations were made. The output can be inspected."}));
    EXPECT_TRUE(Flags().OutputAvailable);
    EXPECT_EQ(CurrentPage(), "OutTab");
    EXPECT_TRUE(Control("GraphButton")->isEnabled());
    const QString text = Window().findChild<QPlainTextEdit*>("OutputMemo")->toPlainText();
    EXPECT_TRUE(text.startsWith("OUTPUT OF Vantorel\nName of this file :" + QString::fromStdString(temp_.File("run.out"))));
}

TEST_F(SaveAllRunTest, TheProgressBarShowsEachPositionOfARunOfMoreThanTenSteps) {
    auto* bar = Window().findChild<QProgressBar*>("ProgressBar1");
    std::vector<std::pair<int, bool>> positions;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) { positions.emplace_back(value, bar->isVisible()); });

    OpenDataSet(MakeDataSet({1, 11, 30, false, false, 54}));
    SaveAllAndRun(temp_.File("eleven.inp"));
    EXPECT_EQ(positions, (std::vector<std::pair<int, bool>>{{1, true}, {6, true}, {8, true}, {9, true}}));
    EXPECT_EQ(scripted_.dialogs.pauses, (std::vector<int>{100, 100, 100, 100}));
    EXPECT_EQ(scripted_.dialogs.progress, (std::vector<int>{1, 6, 8, 9}));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 10);
    EXPECT_FALSE(bar->isVisible());

    positions.clear();
    scripted_.dialogs.pauses.clear();
    OpenDataSet(MakeDataSet({1, 10, 30, false, false, 55}));
    SaveAllAndRun(temp_.File("ten.inp"));
    for (const auto& [value, visible] : positions) EXPECT_FALSE(visible) << value;
    EXPECT_EQ(scripted_.dialogs.pauses, (std::vector<int>{100, 100, 100}));
}

TEST_F(SaveAllRunTest, AFailedSaveKeepsTheDataAndTheNameAndMaySimplyBeRepeated) {
    const InputData data = MakeDataSet({3, 12, 7, true, true, 56});
    OpenDataSet(data);
    const std::string opened_name = Data().FileName;
    TakeMessages();
    scripted_.files.answers.push_back(temp_.File("no such folder/field.inp"));
    Click("SaveAllButton");
    const Names errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("no such folder/field.inp"), std::string::npos) << errors[0];
    EXPECT_TRUE(scripted_.dialogs.questions.empty());
    EXPECT_EQ(Data().FileName, opened_name);
    EXPECT_EQ(NameLabel(), opened_name);
    ExpectSameFileContents(data, Data());
    EXPECT_TRUE(Button("SaveAllButton")->isEnabled());

    SaveAllAndRun(temp_.File("field.inp"));
    EXPECT_EQ(TakeMessages().back(), "The calculations were made. The output can be inspected.");
}

TEST_F(SaveAllRunTest, AStoppedRunShowsNoOutputAndGivesTheDataBack) {
    InputData sinking = RoundField(3, 30);
    sinking.Da = 0.5;
    sinking.Out = 200;
    OpenDataSet(sinking);
    TakeMessages();
    SaveAllAndRun(temp_.File("sinking.inp"));
    const Names messages = TakeMessages();
    EXPECT_EQ(messages.back(), "The water table is below the bottom of the aquifer. Calculations stopped.  Please adjust data.");
    EXPECT_TRUE(Window().State().Run.CalcStopped);
    EXPECT_FALSE(Flags().OutputAvailable);
    EXPECT_EQ(CurrentPage(), "InpTab");
    EXPECT_FALSE(std::filesystem::exists(temp_.File("sinking.out")));
    ExpectSameFileContents(sinking, Data());
    EXPECT_EQ(Data().FileName, temp_.File("sinking.inp"));
}

}  // namespace
}  // namespace vantorel::test
