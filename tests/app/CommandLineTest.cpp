#include "app/runner/CommandLine.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

const std::vector<OptionDefinition> Definitions = {
    {"check", false, false, 'c'}, {"output", true, false}, {"spacing", true, true}};

TEST(CommandLineTest, ValuedOptionsTakeEitherForm) {
    const CommandLine line = ParseCommandLine({"--output=a.out", "file.inp", "--spacing", "20", "--spacing=30"}, Definitions);
    EXPECT_EQ(line.Value("output"), "a.out");
    EXPECT_EQ(line.Values("spacing"), (std::vector<std::string>{"20", "30"}));
    EXPECT_EQ(line.arguments, (std::vector<std::string>{"file.inp"}));
    EXPECT_FALSE(line.Has("check"));
    EXPECT_EQ(line.Value("check", "none"), "none");
}

TEST(CommandLineTest, ValuesMayLookLikeNumbersOrBeEmpty) {
    const CommandLine line = ParseCommandLine({"--spacing", "-5", "--output=", "--", "--check"}, Definitions);
    EXPECT_EQ(line.Values("spacing"), (std::vector<std::string>{"-5"}));
    EXPECT_EQ(line.Value("output", "fallback"), "");
    EXPECT_EQ(line.arguments, (std::vector<std::string>{"--check"}));
}

TEST(CommandLineTest, AOneLetterNameStandsAlone) {
    EXPECT_TRUE(ParseCommandLine({"file.inp", "-c"}, Definitions).Has("check"));
    EXPECT_EQ(ParseCommandLine({"--", "-c"}, Definitions).arguments, (std::vector<std::string>{"-c"}));
    for (const char* wrong : {"-cc", "-c=yes", "-o"}) EXPECT_THROW(ParseCommandLine({wrong}, Definitions), UsageError) << wrong;
}

TEST(CommandLineTest, MistakesAreUsageErrors) {
    EXPECT_THROW(ParseCommandLine({"--unknown"}, Definitions), UsageError);
    EXPECT_THROW(ParseCommandLine({"-x"}, Definitions), UsageError);
    EXPECT_THROW(ParseCommandLine({"--check=yes"}, Definitions), UsageError);
    EXPECT_THROW(ParseCommandLine({"--output"}, Definitions), UsageError);
    EXPECT_THROW(ParseCommandLine({"--output=a", "--output=b"}, Definitions), UsageError);
    EXPECT_NO_THROW(ParseCommandLine({"-"}, Definitions));
}

}  // namespace
}  // namespace vantorel
