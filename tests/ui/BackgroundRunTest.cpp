// "Save all - Run" off the window thread: the window keeps working while a long run goes on, the
// questions come at the run's own points while it waits for the answers, and Cancel ends the run
// without an output file.

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>

#include <filesystem>
#include <set>

#include "bench/TenYearField.h"
#include "engine/Engine.h"
#include "engine/ScenarioStudy.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileEdits.h"
#include "tests/ui/WindowFixture.h"
#include "ui/BackgroundWork.h"

namespace vantorel::test {
namespace {

using Names = std::vector<std::string>;
// Each question with the last progress position the run had shown when it was asked.
using Asked = std::vector<std::pair<std::string, int>>;

void RecordQuestions(ScriptedDialogs& dialogs, Asked& asked) {
    dialogs.on_question = [&dialogs, &asked](const std::string& question) {
        asked.emplace_back(question, dialogs.progress.empty() ? 0 : dialogs.progress.back());
    };
}

void WorkFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

class BackgroundRunTest : public WindowFixture {};

TEST_F(BackgroundRunTest, TheQuestionsComeAtTheRunsOwnPointsWhileItWaitsForTheAnswers) {
    OpenDataSet(MakeDataSet({2, 24, 30, true, false, 241}));
    ModelState direct = Window().State();
    Asked asked_in_window;
    RecordQuestions(scripted_.dialogs, asked_in_window);
    bool waited = false;
    const std::string output = temp_.File("asked.out");
    scripted_.dialogs.on_question = [&, record = scripted_.dialogs.on_question](const std::string& question) {
        record(question);
        if (question.find("leaching efficiency") == std::string::npos) return;
        // The window goes on working while the box is up; the run does not.
        const size_t positions = scripted_.dialogs.progress.size();
        WorkFor(300);
        waited = Window().Calculating() && scripted_.dialogs.progress.size() == positions &&
                 !std::filesystem::exists(output);
    };
    scripted_.dialogs.answers = {true, false, true};  // calculate, no drainage search, leaching search
    scripted_.files.answers.push_back(temp_.File("asked.inp"));
    Click("SaveAllButton");
    EXPECT_TRUE(Window().Calculating());
    WaitForCalculation();
    EXPECT_TRUE(waited);
    EXPECT_TRUE(std::filesystem::exists(output));

    // The same run on the calling thread asks the same questions at the same positions.
    ScriptedDialogs plain;
    Asked asked_directly;
    RecordQuestions(plain, asked_directly);
    plain.answers = {false, true};
    direct.Input.FileName = temp_.File("direct.inp");
    Engine(direct, plain).RunCalculation();
    ASSERT_EQ(asked_in_window.size(), 3u);
    EXPECT_EQ(Asked(asked_in_window.begin() + 1, asked_in_window.end()), asked_directly);
    EXPECT_EQ(scripted_.dialogs.progress, plain.progress);
}

TEST_F(BackgroundRunTest, CancelEndsALongRunWithoutAnOutputFileAndTheWindowSaysSo) {
    // Forty years of daily steps: the run with its drainage-factor search takes about ten seconds.
    InputData field = bench::TenYearField();
    const Study longer = ParseStudy("name,Repeat\r\nlonger,4\r\n", "test study");
    ASSERT_FALSE(ApplyScenario(longer, longer.scenarios.front(), field));
    OpenDataSet(field, "field.inp");
    const InputData entered = Data();
    const std::string earlier_output = temp_.File("long.out");
    WriteFile(earlier_output, "an earlier output");
    WriteFile(temp_.File("long.inp"), "an earlier input");
    TakeMessages();

    scripted_.files.answers.push_back(temp_.File("long.inp"));
    scripted_.dialogs.answers = {true, true, true};  // overwrite, calculate, drainage search
    Click("SaveAllButton");
    auto* bar = Window().findChild<QProgressBar*>("ProgressBar1");
    // The run has moved past the question into the search.
    while (scripted_.dialogs.progress.empty()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(Button("SaveAllButton")->isEnabled());
    EXPECT_FALSE(Button("OpenInpButton")->isEnabled());
    EXPECT_FALSE(Control("GroupPanelArea")->isEnabled());
    QElapsedTimer clock;
    clock.start();
    Click("CancelRunButton");
    WaitForCalculation();
    const qint64 stopping = clock.elapsed();
    EXPECT_LT(stopping, 1000) << "the run took " << stopping << " ms to stop";

    EXPECT_EQ(TakeMessages(), (Names{"For saving please create an input data file",
                                     "The calculation was cancelled. No output file was written."}));
    EXPECT_EQ(ReadFile(earlier_output), "an earlier output");
    EXPECT_TRUE(Window().State().Run.CalcInterrupted);
    EXPECT_FALSE(Flags().OutputAvailable);
    ExpectSameFileContents(entered, Data());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(Control("CancelRunButton")->isVisible());
    EXPECT_TRUE(Button("SaveAllButton")->isEnabled());
    EXPECT_TRUE(Control("GroupPanelArea")->isEnabled());
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(temp_.Path())) files.insert(entry.path().filename());
    EXPECT_EQ(files, (std::set<std::string>{"field.inp", "long.inp", "long.out"}));
}

TEST(BackgroundWorkTest, WorkWaitingForTheWindowIsReleasedWhenTheWindowGoes) {
    bool answered = true;
    bool called = false;
    {
        QObject window;
        BackgroundWork work(window);
        work.Start(
            [&](const StopRequest&) { answered = work.Call([&] { called = true; }); }, [](const std::string&) {});
        // The window thread never gets to the call: the window is closed first.
    }
    EXPECT_FALSE(answered);
    EXPECT_FALSE(called);
}

}  // namespace
}  // namespace vantorel::test
