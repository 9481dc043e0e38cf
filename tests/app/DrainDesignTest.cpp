// vantorel-run --drain-factors and --drain-spacing, and the spacing search behind the latter.

#include "app/runner/DrainDesign.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/runner/Runner.h"
#include "tests/app/RunTool.h"
#include "engine/HooghoudtFactors.h"
#include "model/NumberText.h"

namespace vantorel {
namespace {

using test::RunTool;
using Result = test::ToolResult;

const std::vector<std::string> Geometry = {"--ka=0.8", "--kb=1.5", "--depth-below=5", "--perimeter=0.6"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(DrainDesignTest, FactorsOfSeveralSpacingsFormATable) {
    const Result result =
        RunTool(With(Geometry, {"--drain-factors", "--porosity=6", "--spacing=20", "--spacing", "60", "--spacing=6.2"}));
    ASSERT_EQ(result.status, ExitOk) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("   20.00     2.130   1.0652   0.1333\n   60.00 "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\n    6.20 "), std::string::npos) << result.out;
}

TEST(DrainDesignTest, InvalidValuesAreRefusedWithTheCalculatorsMessages) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } refused[] = {
        {{"--drain-factors", "--ka=0", "--kb=1", "--depth-below=5", "--perimeter=0.6", "--porosity=6", "--spacing=20"},
         "Ka should be greater than zero"},
        {With(Geometry, {"--drain-factors", "--porosity=6", "--spacing=20", "--spacing=-3"}),
         "L should be greater than zero"},
        {With(Geometry, {"--drain-factors", "--porosity=1", "--spacing=20"}), "One or more data values are incorrect"},
        {With(Geometry, {"--drain-factors", "--porosity=6", "--spacing=0.3"}), "no positive equivalent depth"},
        {With(Geometry, {"--drain-factors", "--porosity=6", "--spacing=20", "--head=1"}),
         "--head does not belong to --drain-factors"},
        {With(Geometry, {"--drain-spacing", "--discharge=5"}), "--head is missing"},
        {With(Geometry, {"--drain-spacing", "--discharge=5", "--head=0.5", "field.inp"}), "takes no input file"},
        {{"--kb=1"}, "need --drain-factors or --drain-spacing"},
    };
    for (const auto& r : refused) {
        const Result result = RunTool(r.args);
        EXPECT_EQ(result.status, ExitBadInput) << r.message;
        EXPECT_NE(result.err.find(r.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST(DrainDesignTest, TheSpacingFoundCarriesTheDesignDischarge) {
    for (const SpacingDesign& design : {SpacingDesign{0.8, 1.5, 5, 0.6, 7, 0.5}, SpacingDesign{2, 0.5, 1, 0.3, 2, 1.2},
                                        SpacingDesign{0.3, 3, 20, 1, 10, 0.3}}) {
        const SpacingSolution solution = FindDrainSpacing(design);
        ASSERT_TRUE(solution.Found) << solution.Problem;
        // q = (8 Kb d h + 4 Ka h^2) / L^2 with d from the spacing, in m/day.
        const double d = EquivalentDepth(design.D, design.U, solution.L);
        const double q = (8 * design.Kb * d * design.H + 4 * design.Ka * design.H * design.H) /
                         (solution.L * solution.L);
        EXPECT_DOUBLE_EQ(solution.d, d);
        EXPECT_GE(q * 1000, design.Q);
        EXPECT_NEAR(q * 1000, design.Q, design.Q * 0.002);
        EXPECT_LT(SpacingDischarge(design, solution.L + 0.01), design.Q);  // the largest whole centimetre
        EXPECT_DOUBLE_EQ(solution.L, std::round(solution.L * 100) / 100);
    }

    const Result result = RunTool(With(Geometry, {"--drain-spacing", "--discharge=7", "--head=0.5", "--porosity=6"}));
    ASSERT_EQ(result.status, ExitOk) << result.err;
    const SpacingSolution solution = FindDrainSpacing({0.8, 1.5, 5, 0.6, 7, 0.5});
    const DrainageFactors f = ComputeDrainageFactors({0.8, 1.5, 5, 0.6, 6, solution.L});
    EXPECT_NE(result.out.find("Spacing L (m)          : " + FormatFixed(solution.L, 9, 2)), std::string::npos);
    EXPECT_NE(result.out.find("QH1 (m/day/m)          :   " + FormatFixed(f.QH1, 7, 4)), std::string::npos);
    EXPECT_NE(result.out.find("QH2 (m/day/m^2)        :   " + FormatFixed(f.QH2, 7, 4)), std::string::npos);
    EXPECT_EQ(RunTool(With(Geometry, {"--drain-spacing", "--discharge=7", "--head=0.5"})).out.find("QH1"),
              std::string::npos);
}

TEST(DrainDesignTest, ADesignNoSpacingCanMeetSaysSo) {
    const Result too_much = RunTool(With(Geometry, {"--drain-spacing", "--discharge=2000", "--head=0.1"}));
    EXPECT_EQ(too_much.status, ExitRunFailed);
    EXPECT_NE(too_much.err.find("No drain spacing meets this design: even drains 1.64 m apart"), std::string::npos)
        << too_much.err;
    EXPECT_EQ(too_much.out, "");
    const SpacingSolution too_little = FindDrainSpacing({0.8, 1.5, 5, 0.6, 1e-9, 1});
    EXPECT_FALSE(too_little.Found);
    EXPECT_NE(too_little.Problem.find("the design discharge is too small"), std::string::npos);
}

}  // namespace
}  // namespace vantorel
