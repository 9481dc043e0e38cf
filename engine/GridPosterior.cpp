#include "engine/GridPosterior.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/PortableMath.h"

namespace vantorel {

namespace {

// A cumulative sum of probabilities that should reach a level may miss it by the rounding of each
// addition; a relative shortfall this small is rounding, not probability.
constexpr double RoundingShortfall = 1e-12;

bool Reaches(double cumulative, double level, double total) {
    return cumulative >= level * total - RoundingShortfall * total;
}

}  // namespace

std::vector<double> PosteriorFromAbsoluteSums(const std::vector<double>& sums, int measurements) {
    if (measurements < 1) return {};
    const auto usable = [](double sum) { return std::isfinite(sum) && sum >= 0; };
    std::vector<double> probability(sums.size(), 0.0);
    const size_t perfect = static_cast<size_t>(std::count(sums.begin(), sums.end(), 0.0));
    if (perfect > 0) {
        for (size_t index = 0; index < sums.size(); ++index) {
            if (sums[index] == 0) probability[index] = 1.0 / static_cast<double>(perfect);
        }
        return probability;
    }
    // In logarithms: S^-n of a few hundred measurements is far below the smallest double. The
    // portable functions give the same probabilities on every system the runner is built for.
    std::vector<double> log_probability(sums.size(), 0.0);
    double highest = -INFINITY;
    for (size_t index = 0; index < sums.size(); ++index) {
        if (!usable(sums[index])) continue;
        log_probability[index] = -measurements * PortableLog(sums[index]);
        highest = std::max(highest, log_probability[index]);
    }
    if (!std::isfinite(highest)) return {};
    double total = 0;
    for (size_t index = 0; index < sums.size(); ++index) {
        if (!usable(sums[index])) continue;
        probability[index] = PortableExp(log_probability[index] - highest);
        total = total + probability[index];
    }
    for (double& p : probability) p = p / total;
    return probability;
}

double QuantileOfAscending(const std::vector<double>& values, const std::vector<double>& weights, double level) {
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    double cumulative = 0;
    for (size_t index = 0; index < values.size(); ++index) {
        cumulative = cumulative + weights[index];
        if (weights[index] > 0 && Reaches(cumulative, level, total)) return values[index];
    }
    return values.empty() ? NAN : values.back();
}

MarginalSummary SummarizeMarginal(const std::vector<double>& values, const std::vector<double>& probability) {
    MarginalSummary summary;
    for (size_t index = 0; index < values.size(); ++index) {
        summary.mean = summary.mean + probability[index] * values[index];
    }
    double variance = 0;
    for (size_t index = 0; index < values.size(); ++index) {
        const double deviation = values[index] - summary.mean;
        variance = variance + probability[index] * deviation * deviation;
    }
    summary.sd = std::sqrt(variance);
    summary.p05 = QuantileOfAscending(values, probability, 0.05);
    summary.p50 = QuantileOfAscending(values, probability, 0.50);
    summary.p95 = QuantileOfAscending(values, probability, 0.95);
    return summary;
}

PosteriorSummary SummarizePosterior(const GridPosterior& posterior) {
    const size_t rows = posterior.first.size(), columns = posterior.second.size();
    std::vector<double> first(rows, 0.0), second(columns, 0.0);
    PosteriorSummary summary;
    for (size_t j = 0; j < rows; ++j) {
        for (size_t k = 0; k < columns; ++k) {
            const double p = posterior.probability[j * columns + k];
            first[j] = first[j] + p;
            second[k] = second[k] + p;
            if (j == 0 || k == 0 || j + 1 == rows || k + 1 == columns) summary.edge_probability += p;
        }
    }
    summary.first = SummarizeMarginal(posterior.first, first);
    summary.second = SummarizeMarginal(posterior.second, second);
    if (summary.first.sd > 0 && summary.second.sd > 0) {
        double covariance = 0;
        for (size_t j = 0; j < rows; ++j) {
            for (size_t k = 0; k < columns; ++k) {
                covariance = covariance + posterior.probability[j * columns + k] *
                                              (posterior.first[j] - summary.first.mean) *
                                              (posterior.second[k] - summary.second.mean);
            }
        }
        summary.correlation = covariance / (summary.first.sd * summary.second.sd);
    }
    return summary;
}

std::vector<int> HighestProbabilitySet(const std::vector<double>& probability, double level) {
    std::vector<int> order(probability.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return probability[a] > probability[b]; });
    const double total = std::accumulate(probability.begin(), probability.end(), 0.0);
    double cumulative = 0;
    size_t taken = 0;
    while (taken < order.size() && probability[order[taken]] > 0) {
        cumulative = cumulative + probability[order[taken++]];
        if (Reaches(cumulative, level, total)) break;
    }
    order.resize(taken);
    return order;
}

}  // namespace vantorel
