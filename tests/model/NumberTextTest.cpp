#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

class NumberTextTest : public ::testing::Test {
protected:
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(NumberTextTest, StringToFloatAcceptsDecimalNumbersWithBlanksAndExponent) {
    EXPECT_EQ(StringToFloat("   -2.25  "), -2.25);
    EXPECT_EQ(StringToFloat("\t3\t"), 3.0);
    EXPECT_EQ(StringToFloat("+4"), 4.0);
    EXPECT_EQ(StringToFloat(".5"), 0.5);
    EXPECT_EQ(StringToFloat("5."), 5.0);
    EXPECT_EQ(StringToFloat("1e3"), 1000.0);
    EXPECT_EQ(StringToFloat("1.5E-2"), 0.015);
}

TEST_F(NumberTextTest, StringToFloatRefusesWhatIsNotAFiniteDecimalNumber) {
    for (const char* text : {"", "   ", "abc", "nan", "NaN", "inf", "-infinity", "0x10", "1.5x", "1,5", "1e400",
                             "-1e400", "1e", "e5", ".", "-", "1 2", "1..2", "--1"}) {
        EXPECT_THROW(StringToFloat(text), ConversionError) << "'" << text << "'";
    }
}

TEST_F(NumberTextTest, CommaSeparatorSwitchesToThePointForGoodOnTheFirstFailure) {
    SetDecimalSeparator(',');
    EXPECT_EQ(StringToFloat("1,5"), 1.5);
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(StringToFloat("2.5"), 2.5);
    EXPECT_EQ(DecimalSeparator(), '.');
    EXPECT_THROW(StringToFloat("1,5"), ConversionError);
    // A text that fails with both separators also leaves the point in place.
    SetDecimalSeparator(',');
    EXPECT_THROW(StringToFloat("x"), ConversionError);
    EXPECT_EQ(DecimalSeparator(), '.');
}

TEST_F(NumberTextTest, FixedFormatsRoundAlignAndWiden) {
    EXPECT_EQ(FormatFixed(1.5, 8, 1), "     1.5");
    EXPECT_EQ(FormatFixed(12.345, 10, 2), "     12.35");  // 12.345 is stored just above the half
    EXPECT_EQ(FormatFixed(0.125, 6, 2), "  0.12");       // an exact half goes to the even digit
    EXPECT_EQ(FormatFixed(44.6, 15, 0), std::string(13, ' ') + "45");
    EXPECT_EQ(FormatFixed(-0.004, 6, 2), " -0.00");
    EXPECT_EQ(FormatFixed(123456.789, 5, 2), "123456.79");
    EXPECT_EQ(FormatFixed(0.0123, 8, 4), "  0.0123");
    EXPECT_EQ(FormatInt(7, 10), "         7");
    EXPECT_EQ(FormatInt(1234567, 4), "1234567");
    EXPECT_EQ(FormatInt(-3), "-3");
}

TEST_F(NumberTextTest, GeneralFormatIsTheShortestWithFifteenDigits) {
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(-1000), "-1000");
}

// The window's toolkit sets the process locale from the environment; a German desktop must not
// change how numbers are written or read.
TEST_F(NumberTextTest, CommaLocaleChangesNothing) {
    test::TempDir locales;
    const std::string command = "localedef -i de_DE -f UTF-8 " + locales.File("de_DE.UTF-8") + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "localedef could not build a German locale";
    ::setenv("LOCPATH", locales.Path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    char c_formatted[16];
    std::snprintf(c_formatted, sizeof c_formatted, "%.1f", 1.5);
    EXPECT_STREQ(c_formatted, "1,5") << "the locale is not in force, so the test proves nothing";

    EXPECT_EQ(FormatFixed(1.5, 5, 2), " 1.50");
    EXPECT_EQ(FormatGeneral(2.25), "2.25");
    EXPECT_EQ(FormatSignificant(1234.5678, 6), "1234.57");
    EXPECT_EQ(FormatSignificant(1234567.0, 3), "1.23e+06");
    EXPECT_EQ(StringToFloat("3.75"), 3.75);
    EXPECT_THROW(StringToFloat("3,75"), ConversionError);

    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
}

}  // namespace
}  // namespace vantorel
