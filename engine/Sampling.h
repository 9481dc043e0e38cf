#pragma once
// Values drawn from the distributions a study may sample a field from, the same bits on every
// system and with every standard library: the generator is std::mt19937_64, whose output the C++
// standard defines, and each draw turns one of its outputs into a value by arithmetic written here
// (the distributions of the standard library differ between implementations).

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace vantorel {

enum class Distribution { Uniform, Normal, Lognormal, Triangular };

struct Sampling {
    Distribution distribution = Distribution::Uniform;
    // uniform a, b; normal and lognormal m, s (lognormal: of the logarithm); triangular a, c, b.
    std::array<double, 3> parameters{};
};

// Parses "~uniform(a,b)", "~normal(m,s)", "~lognormal(m,s)" or "~triangular(a,c,b)" (blanks
// around the parts allowed). Returns the sampling, or why the text is none: a syntax it does not
// follow, a wrong count of numbers, a number that is not one, s <= 0, b <= a, c outside a..b.
struct SamplingParse {
    std::optional<Sampling> sampling;
    std::string problem;
};
SamplingParse ParseSampling(std::string_view text);

// The text of a sampling as ParseSampling reads it.
std::string SamplingText(const Sampling& sampling);

// The standard normal quantile of 0 < p < 1 (Wichura's algorithm AS 241, about 16 digits).
double NormalQuantile(double p);

// The value of probability p (0 < p < 1) of the distribution: its inverse cumulative distribution.
double SampleAt(const Sampling& sampling, double p);

// A probability strictly between 0 and 1 from the top 52 bits of a generator output: the middle
// of one of 2^52 equal parts of the unit interval.
double OpenUnitInterval(uint64_t bits);

// The generator of one sampled cell: its draws depend only on the seed, the name of the row and
// the field, so that adding, removing or reordering rows and columns changes no other cell's
// values, and the first k draws are the same for any number of samples from k.
std::mt19937_64 CellGenerator(uint64_t seed, std::string_view row, std::string_view field);

}  // namespace vantorel
