// The bundled examples load cleanly and are written back byte for byte.

#include <gtest/gtest.h>

#include "model/InputFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

class ExamplesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ExamplesTest, LoadsAndRoundTripsByteForByte) {
    InputData data;
    data.FileName = test::ExamplePath(GetParam());
    test::ScriptedDialogs dialogs;
    LoadInputFile(data, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());

    std::vector<std::string> original = test::ReadCrLfLines(data.FileName);
    ASSERT_GT(original.size(), 2u);
    EXPECT_EQ(original[1], std::string(" Name of this file        : ") + GetParam())
        << "committed files carry the bare file name";

    test::TempDir dir;
    data.FileName = dir.File(GetParam());
    SaveInputFile(data);
    std::vector<std::string> rewritten = test::ReadCrLfLines(data.FileName);
    original[1].clear();
    rewritten.at(1).clear();
    EXPECT_EQ(original, rewritten);
}

INSTANTIATE_TEST_SUITE_P(Bundled, ExamplesTest,
                         ::testing::Values("monthly-drained-field.inp", "weekly-leaching-trial.inp",
                                           "daily-rice-field.inp"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char* c = info.param; *c && *c != '.'; ++c) {
                                 if (*c != '-') name += *c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace vantorel
