// The samplers of Monte Carlo studies: the arithmetic that makes their draws the same everywhere,
// the moments of each distribution, and the generators of the cells.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <vector>

#include "engine/PortableMath.h"
#include "engine/Sampling.h"
#include "model/NumberText.h"

namespace vantorel {
namespace {

// Units in the last place between two doubles of one sign.
int64_t UlpsApart(double a, double b) {
    return std::llabs(std::bit_cast<int64_t>(a) - std::bit_cast<int64_t>(b));
}

TEST(SamplingTest, PortableLogAndExpAgreeWithTheSystemsToAFewUlps) {
    for (double x = 1e-300; x < 1e300; x *= 1.37) EXPECT_LE(UlpsApart(PortableLog(x), std::log(x)), 2) << x;
    for (double x = 0.5; x < 2; x += 0.0013) EXPECT_LE(UlpsApart(PortableLog(x), std::log(x)), 2) << x;
    EXPECT_EQ(PortableLog(1), 0);
    for (double x = -700; x < 700; x += 0.731) EXPECT_LE(UlpsApart(PortableExp(x), std::exp(x)), 2) << x;
    EXPECT_EQ(PortableExp(0), 1);
    EXPECT_EQ(PortableExp(710), HUGE_VAL);
    EXPECT_EQ(PortableExp(-746), 0);
}

TEST(SamplingTest, NormalQuantileInvertsTheNormalDistribution) {
    const auto cdf = [](double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); };
    for (double p = 1e-15; p < 0.5; p *= 1.9) {
        EXPECT_NEAR(cdf(NormalQuantile(p)) / p, 1, 1e-13) << p;
        // 1 - q is exact where 1 - p is not.
        const double q = 1 - p;
        EXPECT_NEAR(NormalQuantile(q), -NormalQuantile(1 - q), 1e-14 * std::fabs(NormalQuantile(q))) << p;
    }
    EXPECT_EQ(NormalQuantile(0.5), 0);
    EXPECT_NEAR(NormalQuantile(0.975), 1.959963984540054, 1e-15);
    // The extreme probabilities of a generator output stay finite.
    EXPECT_NEAR(NormalQuantile(OpenUnitInterval(0)), -8.21, 0.01);
    EXPECT_NEAR(NormalQuantile(OpenUnitInterval(~uint64_t{0})), 8.21, 0.01);
    EXPECT_GT(OpenUnitInterval(0), 0);
    EXPECT_LT(OpenUnitInterval(~uint64_t{0}), 1);
}

struct Moments {
    double mean, variance;
};

// Draws 100000 values and checks mean and variance against the distribution's within five
// standard errors of each (that of the variance from the draws' fourth moment).
void ExpectMoments(const char* text, Moments expected) {
    const SamplingParse parsed = ParseSampling(text);
    ASSERT_TRUE(parsed.sampling) << text;
    std::mt19937_64 generator = CellGenerator(1, "row", text);
    constexpr int n = 100'000;
    std::vector<double> draws(n);
    for (double& draw : draws) draw = SampleAt(*parsed.sampling, OpenUnitInterval(generator()));
    double mean = 0;
    for (const double draw : draws) mean += draw / n;
    double m2 = 0, m4 = 0;
    for (const double draw : draws) {
        m2 += (draw - mean) * (draw - mean) / n;
        m4 += std::pow(draw - mean, 4) / n;
    }
    EXPECT_NEAR(mean, expected.mean, 5 * std::sqrt(expected.variance / n)) << text;
    EXPECT_NEAR(m2, expected.variance, 5 * std::sqrt((m4 - m2 * m2) / n)) << text;
}

TEST(SamplingTest, EachDistributionHasItsMeanAndVariance) {
    ExpectMoments("~uniform(2,5)", {3.5, 9.0 / 12});
    ExpectMoments("~normal(70,12)", {70, 144});
    const double s2 = 0.25;  // lognormal of m = 0.5, s = 0.5
    ExpectMoments("~lognormal(0.5,0.5)", {std::exp(0.5 + s2 / 2), (std::exp(s2) - 1) * std::exp(1 + s2)});
    // Triangular a = 1, c = 2, b = 6.
    ExpectMoments("~triangular(1,2,6)", {3, (1 + 4 + 36 - 2 - 6 - 12) / 18.0});
    ExpectMoments("~triangular(0,0,1)", {1.0 / 3, 1.0 / 18});
}

TEST(SamplingTest, DrawsStayWithinTheirBoundsAndFollowTheProbability) {
    const Sampling triangular = *ParseSampling("~triangular(1,2,6)").sampling;
    EXPECT_EQ(SampleAt(triangular, 0.2), 2);  // the mode has probability (c - a) / (b - a)
    EXPECT_GT(SampleAt(triangular, 1e-16), 1);
    EXPECT_LT(SampleAt(triangular, 1 - 1e-16), 6);
    const Sampling uniform = *ParseSampling("~uniform(-1,1)").sampling;
    EXPECT_EQ(SampleAt(uniform, 0.25), -0.5);
    EXPECT_EQ(SampleAt(*ParseSampling("~normal(5,2)").sampling, 0.5), 5);
    EXPECT_EQ(SampleAt(*ParseSampling("~lognormal(0,1)").sampling, 0.5), 1);
}

TEST(SamplingTest, ReadsTheFourFormsAndSaysWhatIsWrongWithOthers) {
    const SamplingParse blanks = ParseSampling(" ~ triangular ( 1 , 2.5 , 4e1 ) ");
    ASSERT_TRUE(blanks.sampling);
    EXPECT_EQ(blanks.sampling->distribution, Distribution::Triangular);
    EXPECT_EQ(blanks.sampling->parameters, (std::array<double, 3>{1, 2.5, 40}));
    EXPECT_EQ(SamplingText(*blanks.sampling), "~triangular(1,2.5,40)");
    const auto problem = [](const char* text) { return ParseSampling(text).problem; };
    const std::string syntax = "a sampled cell is ~uniform(a,b), ~normal(m,s), ~lognormal(m,s) or ~triangular(a,c,b)";
    for (const char* text : {"~gauss(0,1)", "~normal", "~normal(0,1", "~normal 0,1", "normal(0,1)", "~(0,1)",
                             "~normal(0,1)x"}) {
        EXPECT_EQ(problem(text), syntax) << text;
    }
    EXPECT_EQ(problem("~uniform(1)"), "~uniform takes 2 numbers (a,b), not 1");
    EXPECT_EQ(problem("~triangular(1,2)"), "~triangular takes 3 numbers (a,c,b), not 2");
    EXPECT_EQ(problem("~normal(0,1,2)"), "~normal takes 2 numbers (m,s), not 3");
    EXPECT_EQ(problem("~normal(0,)"), "'' is not a number");
    for (const char* text : {"~normal(nan,1)", "~normal(0,inf)", "~uniform(0,1e999)", "~uniform(0,1;5)"}) {
        EXPECT_NE(problem(text).find("is not a number"), std::string::npos) << text;
    }
    EXPECT_EQ(problem("~normal(0,0)"), "the standard deviation s must be greater than 0");
    EXPECT_EQ(problem("~lognormal(0,-1)"), "the standard deviation s must be greater than 0");
    EXPECT_EQ(problem("~uniform(2,2)"), "b must be greater than a");
    EXPECT_EQ(problem("~triangular(3,4,1)"), "b must be greater than a");
    EXPECT_EQ(problem("~triangular(1,0.5,3)"), "the mode c must lie between a and b");
    EXPECT_EQ(problem("~triangular(1,3.5,3)"), "the mode c must lie between a and b");
}

TEST(SamplingTest, EachCellHasAGeneratorOfItsOwnThatTheSeedSets) {
    const auto first = [](uint64_t seed, const char* row, const char* field) { return CellGenerator(seed, row, field)(); };
    EXPECT_EQ(first(1, "wet", "Irrig"), first(1, "wet", "Irrig"));
    EXPECT_NE(first(1, "wet", "Irrig"), first(2, "wet", "Irrig"));
    EXPECT_NE(first(1, "wet", "Irrig"), first(1, "dry", "Irrig"));
    EXPECT_NE(first(1, "wet", "Irrig"), first(1, "wet", "Si"));
    EXPECT_NE(first(1, "ab", "c"), first(1, "a", "bc"));
    // A study's draws are the same for every version and system: the standard fixes the
    // generator's output, and the program the seeding and the arithmetic.
    EXPECT_EQ(first(1, "wet", "Irrig"), 6923677606913912454u);
    const Sampling lognormal = *ParseSampling("~lognormal(0,1)").sampling;
    std::mt19937_64 generator = CellGenerator(7, "wet", "Irrig");
    for (int k = 0; k < 999; ++k) generator();
    EXPECT_EQ(FormatSignificant(SampleAt(lognormal, OpenUnitInterval(generator())), 17), "0.22204473406720587");
}

}  // namespace
}  // namespace vantorel
