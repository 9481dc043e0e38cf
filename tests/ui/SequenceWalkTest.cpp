// A data set built from nothing in the window, group by group, then "Save all - Run": the files
// written are the batch runner's for the same data.

#include <QPlainTextEdit>

#include <sstream>

#include "app/runner/Runner.h"
#include "model/InputFile.h"
#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {
namespace {

// Every line but the second, which names the file itself.
void ExpectSameLinesButTheName(const std::string& window_file, const std::string& runner_file) {
    const std::vector<std::string> window = ReadCrLfLines(window_file);
    const std::vector<std::string> runner = ReadCrLfLines(runner_file);
    ASSERT_EQ(window.size(), runner.size()) << window_file;
    ASSERT_GE(window.size(), 2u);
    EXPECT_EQ(window[1].find(window_file), window[1].size() - window_file.size()) << window[1];
    for (size_t i = 0; i < window.size(); ++i) {
        if (i == 1) continue;
        EXPECT_EQ(window[i], runner[i]) << window_file << " line " << i + 1;
    }
}

}  // namespace

struct Walk {
    DataSetShape shape;
    bool optimize;  // every question of the run answered Yes, or No
};

void PrintTo(const Walk& walk, std::ostream* out) {
    *out << walk.shape.layers << " layers, " << walk.shape.steps << " steps of " << walk.shape.step_length
         << " days" << (walk.optimize ? ", optimized" : "");
}

namespace {

class SequenceWalkTest : public WindowFixture, public ::testing::WithParamInterface<Walk> {};

TEST_P(SequenceWalkTest, WritesAndRunsWhatTheBatchRunnerWritesAndRuns) {
    InputData expected = MakeDataSet(GetParam().shape);
    expected.Title1 = "Field \xe9t\xe9 2023";  // a title beyond ASCII, single-byte in the file

    ShowPage("InpTab");
    EnterDataSet(expected);
    TakeMessages();
    scripted_.dialogs.answers.assign(GetParam().optimize ? 20 : 0, true);
    SaveAllAndRun(temp_.File("window.inp"));
    const std::vector<std::string> messages = TakeMessages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "The calculations were made. The output can be inspected.");
    EXPECT_TRUE(TakeErrors().empty());

    expected.FileName = temp_.File("expected.inp");
    SaveInputFile(expected);
    std::ostringstream out, err;
    ASSERT_EQ(RunVantorel({"--resave", temp_.File("runner.inp"), expected.FileName}, out, err), ExitOk) << err.str();
    const std::vector<std::string> run = GetParam().optimize ? std::vector<std::string>{"--yes", temp_.File("runner.inp")}
                                                             : std::vector<std::string>{temp_.File("runner.inp")};
    ASSERT_EQ(RunVantorel(run, out, err), ExitOk) << err.str();

    ExpectSameLinesButTheName(temp_.File("window.inp"), temp_.File("runner.inp"));
    ExpectSameLinesButTheName(temp_.File("window.out"), temp_.File("runner.out"));
    if (GetParam().optimize) {
        // Both optimization questions came after the window's own, answered Yes as the runner's.
        EXPECT_EQ(scripted_.dialogs.questions.size(), 3u);
        EXPECT_NE(ReadFile(temp_.File("window.out")).find("(optimized)"), std::string::npos);
    }

    // The output text is on the Output page, which is shown.
    auto* memo = Window().findChild<QPlainTextEdit*>("OutputMemo");
    EXPECT_TRUE(memo->isVisible());
    const QStringList shown = memo->toPlainText().split('\n');
    const std::vector<std::string> written = ReadCrLfLines(temp_.File("window.out"));
    ASSERT_EQ(static_cast<size_t>(shown.size()), written.size());
    EXPECT_EQ(shown[3].toLatin1().toStdString(), written[3]);
    EXPECT_EQ(shown.back().toStdString(), written.back());
}

INSTANTIATE_TEST_SUITE_P(Shapes, SequenceWalkTest,
                         ::testing::Values(Walk{{1, 14, 30, true, false, 3}, false}, Walk{{2, 9, 7, true, false, 4}, false},
                                           Walk{{3, 16, 1, false, true, 5}, false}, Walk{{1, 24, 30, true, false, 6}, true},
                                           Walk{{2, 26, 7, true, false, 7}, true}),
                         [](const ::testing::TestParamInfo<Walk>& info) {
                             return std::to_string(info.param.shape.layers) + "Layers" +
                                    std::to_string(info.param.shape.steps) + "Steps" +
                                    (info.param.optimize ? "Optimized" : "");
                         });

}  // namespace
}  // namespace vantorel::test
