#include "engine/RankCorrelation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vantorel {

std::vector<double> AverageRanks(const std::vector<double>& values) {
    std::vector<size_t> order(values.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return values[a] < values[b]; });
    std::vector<double> ranks(values.size());
    for (size_t first = 0; first < order.size();) {
        size_t last = first;
        while (last + 1 < order.size() && values[order[last + 1]] == values[order[first]]) ++last;
        // Ranks first + 1 .. last + 1 share their mean.
        const double rank = static_cast<double>(first + last + 2) / 2;
        for (size_t k = first; k <= last; ++k) ranks[order[k]] = rank;
        first = last + 1;
    }
    return ranks;
}

std::optional<double> SpearmanCorrelation(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() < 2 || x.size() != y.size()) return std::nullopt;
    const std::vector<double> rx = AverageRanks(x), ry = AverageRanks(y);
    // Average ranks always have the mean (n + 1) / 2.
    const double mean = static_cast<double>(x.size() + 1) / 2;
    double sxy = 0, sxx = 0, syy = 0;
    for (size_t i = 0; i < rx.size(); ++i) {
        const double dx = rx[i] - mean, dy = ry[i] - mean;
        sxy += dx * dy;
        sxx += dx * dx;
        syy += dy * dy;
    }
    if (sxx == 0 || syy == 0) return std::nullopt;
    return sxy / std::sqrt(sxx * syy);
}

}  // namespace vantorel
