#pragma once
// Probabilities of the parameter pairs of a grid, from each pair's sum of absolute deviations from
// the measurements, and what an engineer reports of them: means, quantiles, correlation, regions.

#include <optional>
#include <vector>

namespace vantorel {

// Measurement errors drawn independently from a Laplace distribution of unknown scale b, with the
// scale-free prior 1/b, integrated over b: the probability of a pair whose sum is S is proportional
// to S^-n for n measurements. With a uniform prior over the pairs this is their posterior. A sum
// that is not a finite number, or is negative, gives 0; sums of 0 (a perfect fit) share all the
// probability. Empty when no sum gives any probability or n < 1.
std::vector<double> PosteriorFromAbsoluteSums(const std::vector<double>& sums, int measurements);

// The smallest of the ascending values whose cumulative weight reaches `level` of the total weight.
// The weights need not be normalized; a cumulative sum short of the level by rounding alone counts
// as reaching it.
double QuantileOfAscending(const std::vector<double>& values, const std::vector<double>& weights, double level);

struct MarginalSummary {
    double mean = 0, sd = 0, p05 = 0, p50 = 0, p95 = 0;
};

// Of one parameter's marginal probabilities over its ascending grid values.
MarginalSummary SummarizeMarginal(const std::vector<double>& values, const std::vector<double>& probability);

// A grid of pairs (first[j], second[k]) with the probability of pair j, k at j * second.size() + k.
struct GridPosterior {
    std::vector<double> first, second;  // ascending
    std::vector<double> probability;
};

struct PosteriorSummary {
    MarginalSummary first, second;
    std::optional<double> correlation;  // none when a parameter is certain
    double edge_probability = 0;        // on the grid's outer rows and columns
};

PosteriorSummary SummarizePosterior(const GridPosterior& posterior);

// The indices of the most probable pairs that together hold `level` of the probability, most
// probable first (the earlier index first among equals): the highest-density region.
std::vector<int> HighestProbabilitySet(const std::vector<double>& probability, double level);

}  // namespace vantorel
