// The calculator's drainage factors: both branches of the equivalent-depth function, the
// boundary between them, and the checks of its fields.

#include "engine/HooghoudtFactors.h"

#include <gtest/gtest.h>

#include "model/NumberText.h"

namespace vantorel {
namespace {

// Expected values computed independently with the calculator's constants.
TEST(HooghoudtFactorsTest, BothBranchesOfTheEquivalentDepth) {
    // x = 6.284 x 5 / 20 = 1.571 > 1: the series of odd terms.
    const DrainageFactors wide = ComputeDrainageFactors({0.8, 1.5, 5, 0.6, 6, 20});
    EXPECT_NEAR(wide.EquivalentDepth, 2.1303131011593655, 1e-14);
    EXPECT_NEAR(wide.QH1, 1.0651565505796827, 1e-14);
    EXPECT_NEAR(wide.QH2, 0.13333333333333333, 1e-15);

    // x = 0.2095 <= 1: the logarithmic form.
    const DrainageFactors shallow = ComputeDrainageFactors({0.8, 1.5, 2, 0.5, 8, 60});
    EXPECT_NEAR(shallow.EquivalentDepth, 1.7894576643686007, 1e-14);
    EXPECT_NEAR(shallow.QH1, 0.074560736015358356, 1e-15);
    EXPECT_EQ(FormatFixed(shallow.QH1, 7, 4), " 0.0746");
    EXPECT_EQ(FormatFixed(shallow.QH2, 7, 4), " 0.0111");
}

TEST(HooghoudtFactorsTest, XOfExactlyOneTakesTheLogarithmicForm) {
    // 6.284 x 1 / 6.284 is exactly 1. The series would give F = 0.62942 instead of 0.63003.
    const DrainageFactors at_one = ComputeDrainageFactors({1, 1, 1, 0.4, 5, 6.284});
    EXPECT_NEAR(at_one.EquivalentDepth, 0.72925504812533926, 1e-14);
    EXPECT_NEAR(at_one.QH1, 2.9547930853877191, 1e-13);
    const double just_above = EquivalentDepth(1, 0.4, 6.2839999);
    EXPECT_GT(just_above, at_one.EquivalentDepth + 1e-4);  // the other branch, a visibly smaller F
}

TEST(HooghoudtFactorsTest, SpacingEqualToThePerimeterRestsOnFAlone) {
    EXPECT_NEAR(EquivalentDepth(0.3, 3, 3), 0.72511489365989457, 1e-14);  // 3.142 x 3 / 8 / F(0.6284)
    EXPECT_NEAR(EquivalentDepth(2, 3, 3), 1281.9951218504709, 1e-9);      // F(4.19) is small
}

TEST(HooghoudtFactorsTest, FieldChecksAndTheValidityRule) {
    const struct {
        CalculatorField field;
        double value;
        const char* message;
    } refused[] = {
        {CalculatorField::Ka, 0, "Ka should be greater than zero"},
        {CalculatorField::Dd, -1, "H should be greater than zero"},
        {CalculatorField::P, 0, "P should be greater than zero"},
        {CalculatorField::P, 0.99, "P should be greater than 1%"},
        {CalculatorField::P, 30.01, "P should be less than 30%"},
        {CalculatorField::L, -20, "L should be greater than zero"},
    };
    for (const auto& r : refused) EXPECT_EQ(CheckCalculatorField(r.field, r.value), r.message);
    EXPECT_FALSE(CheckCalculatorField(CalculatorField::Dd, 0.001).has_value());
    // P of 1 and 30 pass their field but not the calculation.
    EXPECT_FALSE(CheckCalculatorField(CalculatorField::P, 1).has_value());
    EXPECT_FALSE(CheckCalculatorField(CalculatorField::P, 30).has_value());
    DrainGeometry g{1, 1, 1, 0.4, 1, 20};
    EXPECT_FALSE(ValidateCalculatorInputs(g));
    g.P = 30;
    EXPECT_FALSE(ValidateCalculatorInputs(g));
    g.P = 29.9;
    EXPECT_TRUE(ValidateCalculatorInputs(g));
    g.U = 0;
    EXPECT_FALSE(ValidateCalculatorInputs(g));
}

}  // namespace
}  // namespace vantorel
