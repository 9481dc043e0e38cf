// Data sets of branches that ordinary data seldom reach, with the output files and messages that
// the independent reference calculation (tests/reference) gives for them: the batch runner must
// give the same, byte for byte (line 2, the file's own path, aside).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "app/runner/Runner.h"
#include "model/OutputFileReader.h"
#include "model/OutputFileWriter.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(test::TestDataPath("reference"))) {
        if (entry.path().extension() == ".inp") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The messages and questions of a transcript, without the runner's own summary lines.
std::vector<std::string> Dialogue(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("! ", 0) == 0 || line.rfind("? ", 0) == 0) lines.push_back(line);
    }
    return lines;
}

class ReferenceCasesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceCasesTest, RunnerWritesWhatTheReferenceWrites) {
    const std::string base = test::TestDataPath("reference/" + GetParam());
    test::TempDir dir;
    const std::string input = dir.File("case.inp");
    std::filesystem::copy_file(base + ".inp", input);
    std::vector<std::string> args = Words(test::ReadFile(base + ".options"));
    args.push_back("--output=" + dir.File("case.out"));
    args.push_back(input);
    std::ostringstream out, err;
    EXPECT_EQ(RunVantorel(args, out, err), ExitOk) << err.str();
    EXPECT_EQ(Dialogue(out.str()), Dialogue(test::ReadFile(base + ".expected.transcript")));

    std::vector<std::string> expected = test::ReadCrLfLines(base + ".expected.out");
    std::vector<std::string> actual = test::ReadCrLfLines(dir.File("case.out"));
    ASSERT_GT(expected.size(), 2u);
    ASSERT_GT(actual.size(), 2u);
    expected[1].clear();
    actual[1].clear();
    EXPECT_EQ(actual, expected);
}

// Every row of a reference output, read back and written again, is the row of the file: also
// where a value outgrew its column and touches the next.
TEST_P(ReferenceCasesTest, OutputRowsReadBackAsWritten) {
    const std::string path = test::TestDataPath("reference/" + GetParam() + ".expected.out");
    test::ScriptedDialogs dialogs;
    ModelState read;
    PutOutputFileResults(ReadOutputFile(path, dialogs), read);
    for (int32_t i = 1; i <= read.Input.NrTimeSteps; ++i) read.Run.Dwt[i - 1] = read.Run.Dwt[i];
    const std::vector<std::string> lines = test::ReadCrLfLines(path);
    const size_t first_row = lines.size() - static_cast<size_t>(read.Input.NrTimeSteps);
    for (int32_t i = 1; i <= read.Input.NrTimeSteps; ++i) {
        EXPECT_EQ(OutputRow(read, i), lines[first_row + static_cast<size_t>(i) - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(HandMade, ReferenceCasesTest, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace vantorel
