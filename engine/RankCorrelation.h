#pragma once
// Spearman's rank correlation: how closely one quantity rises or falls with another, whatever the
// shape of the relation.

#include <optional>
#include <vector>

namespace vantorel {

// The ranks 1..n of the values, equal values sharing the mean of their ranks.
std::vector<double> AverageRanks(const std::vector<double>& values);

// The correlation of the average ranks of x and y (of equal length); nothing for fewer than two
// pairs or when either side takes a single value.
std::optional<double> SpearmanCorrelation(const std::vector<double>& x, const std::vector<double>& y);

}  // namespace vantorel
