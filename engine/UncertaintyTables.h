#pragma once
// The uncertainty of the drainage factors as CSV lines (RFC 4180; the numbers need no quoting, 17
// significant digits so that they read back bit for bit) and as the lines of a summary.

#include <string>
#include <vector>

#include "engine/FactorUncertainty.h"

namespace vantorel {

// Header "qh1,qh2,probability", then the 10000 pairs in the search's order.
std::vector<std::string> PosteriorCsvLines(const FactorUncertainty& uncertainty);

// Header "parameter,mean,sd,p05,p50,p95", the rows qh1 and qh2, then "correlation" and
// "edge_probability" with their value in mean (a correlation that is undefined is empty).
std::vector<std::string> IntervalsCsvLines(const FactorUncertainty& uncertainty);

// Header "step,series,p05,p50,p95", then each series step by step.
std::vector<std::string> BandsCsvLines(const FactorUncertainty& uncertainty);
// The same for one series.
std::vector<std::string> BandCsvLines(const PredictionBand& band);

// "Uncertainty of the drainage factors (...): QH1 0.013 (90 %: 0.012-0.014), QH2 ...", the
// warning when the grid's edge holds much of the probability, and the bands' pairs.
std::vector<std::string> UncertaintySummaryLines(const FactorUncertainty& uncertainty);

// "water-table-depth", ...: a band series as a file name takes it.
std::string BandFileName(const std::string& series);

}  // namespace vantorel
