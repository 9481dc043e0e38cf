// The desktop program's command line, and the file it is started with: opened as the page's own
// button would open it, or reported as that button would report it.

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "model/FileNames.h"
#include "model/InputFile.h"
#include "tests/support/DataSetCompare.h"
#include "tests/ui/ResultPagesFixture.h"
#include "ui/WindowCommand.h"

namespace vantorel::test {
namespace {

using Action = WindowCommand::Action;
using Args = std::vector<std::string>;

TEST(WindowCommandTest, OneFileOrTheScreenshotsOrAQuestion) {
    EXPECT_EQ(ParseWindowCommand({}).action, Action::Window);
    EXPECT_EQ(ParseWindowCommand({}).file, "");
    const WindowCommand file = ParseWindowCommand({"/home/user/field trial.inp"});
    EXPECT_EQ(file.action, Action::Window);
    EXPECT_EQ(file.file, "/home/user/field trial.inp");
    EXPECT_EQ(ParseWindowCommand({"--", "-odd.out"}).file, "-odd.out");
    EXPECT_EQ(ParseWindowCommand({"-odd.out", "--"}).action, Action::Wrong);

    const WindowCommand tour = ParseWindowCommand({"--screenshots", "pictures", "a.inp", "b.inp"});
    EXPECT_EQ(tour.action, Action::Screenshots);
    EXPECT_EQ(tour.folder, "pictures");
    EXPECT_EQ(tour.inputs, (Args{"a.inp", "b.inp"}));

    // The questions win, so that they are answered before anything else is looked at.
    for (const Args& args : {Args{"--version"}, Args{"field.inp", "--version"}, Args{"--screenshots", "--version"},
                             Args{"--bogus", "--version"}}) {
        EXPECT_EQ(ParseWindowCommand(args).action, Action::Version) << args.front();
    }
    EXPECT_EQ(ParseWindowCommand({"--help", "--version"}).action, Action::Help);
    EXPECT_EQ(ParseWindowCommand({"field.inp", "-h"}).action, Action::Help);
    EXPECT_EQ(ParseWindowCommand({"-V"}).action, Action::Version);
    EXPECT_EQ(ParseWindowCommand({"--", "--version"}).file, "--version");

    for (const Args& args : {Args{"a.inp", "b.inp"}, Args{"--screenshots"}, Args{"--output", "a.inp"}, Args{"-x"}}) {
        EXPECT_EQ(ParseWindowCommand(args).action, Action::Wrong) << args.front();
        EXPECT_FALSE(ParseWindowCommand(args).problem.empty()) << args.front();
    }
}

TEST(WindowCommandTest, TheToolkitsOptionsAreLeftToIt) {
    EXPECT_EQ(WithoutToolkitOptions({"-platform", "offscreen", "--style=Fusion", "-reverse", "field.inp", "--stylesheet",
                                     "a.qss", "--", "-reverse"}),
              (Args{"field.inp", "--", "-reverse"}));
    // What the toolkit does not take stays, to be refused before a display is needed.
    EXPECT_EQ(WithoutToolkitOptions({"--bogus", "-platform=offscreen", "-style"}),
              (Args{"--bogus", "-platform=offscreen", "-style"}));
}

class StartFileTest : public ResultPagesFixture {
protected:
    std::string CurrentPage() {
        return Window().findChild<QTabWidget*>("PageControl")->currentWidget()->objectName().toStdString();
    }
};

TEST_F(StartFileTest, AnInputFileOpensOnTheInputPageInFreeMode) {
    InputData file = MakeDataSet({2, 14, 7, true, false, 41});
    file.FileName = temp_.File("trial.inp");
    SaveInputFile(file);

    Window().OpenStartFile(file.FileName);
    EXPECT_TRUE(TakeErrors().empty());
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(CurrentPage(), "InpTab");
    ExpectSameFileContents(file, Data());
    EXPECT_EQ(Find<QLabel>("NameLabel")->text().toStdString(), file.FileName);
    EXPECT_TRUE(Flags().AllGroupsChecked);
    EXPECT_EQ(OpenPanel(), "GenPanel");
    EXPECT_EQ(EnabledGroupButtons().size(), 9u);
    EXPECT_EQ(Window().InputOpenDialog().initial_directory, FolderPart(file.FileName));
    EXPECT_TRUE(scripted_.files.shown.empty());
}

TEST_F(StartFileTest, AnOutputFileOpensOnTheOutputPageWithItsInputFile) {
    const std::string output = WriteRun({3, 13, 30, true, false, 42});
    Window().OpenStartFile(output);
    EXPECT_TRUE(TakeErrors().empty());
    EXPECT_EQ(CurrentPage(), "OutTab");
    EXPECT_TRUE(Flags().OutputAvailable);
    EXPECT_EQ(Data().NrLayers, 3);
    EXPECT_EQ(Data().FileName, ReplaceExtension(output, ".inp"));
    EXPECT_TRUE(Find<QPlainTextEdit>("OutputMemo")->toPlainText().startsWith("OUTPUT OF Vantorel"));
    for (const char* name : {"SaltShowButton", "HydrShowButton", "SurfButton"}) EXPECT_TRUE(Shown(name)) << name;
    EXPECT_TRUE(Button("GraphButton")->isEnabled());
    EXPECT_EQ(Window().OutputOpenDialog().initial_directory, FolderPart(output));
}

TEST_F(StartFileTest, AFileThatCannotBeReadIsReportedOnItsPage) {
    Window().OpenStartFile(temp_.File("missing.inp"));
    std::vector<std::string> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("missing.inp"), std::string::npos) << errors[0];
    EXPECT_EQ(CurrentPage(), "InpTab");
    EXPECT_FALSE(Flags().AllGroupsChecked);
    EXPECT_EQ(EnabledGroupButtons(), std::vector<std::string>{"GenOpenButton"});

    // The output reader's own message, as "Open output" shows it.
    Window().OpenStartFile(temp_.File("missing.out"));
    EXPECT_TRUE(TakeErrors().empty());
    const std::vector<std::string> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("missing.out"), std::string::npos) << messages[0];
    EXPECT_EQ(CurrentPage(), "OutTab");
    EXPECT_FALSE(Flags().OutputAvailable);
    EXPECT_FALSE(Shown("SaltShowButton"));
}

}  // namespace
}  // namespace vantorel::test
