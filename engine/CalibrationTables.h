#pragma once
// The calibration results as CSV lines (RFC 4180; the numbers need no quoting): the fit statistics,
// the objective map and the leaching curves.

#include <string>
#include <vector>

#include "engine/FitStatistics.h"
#include "engine/ObjectiveMap.h"

namespace vantorel {

// The name of a zone in files and summaries: "layer-1" .. "layer-3", "transition-zone", "aquifer".
const char* ZoneFileName(Zone zone);

// How files, summaries and pictures name an objective: "balance", "water-table", "drain-discharge";
// "water balance", "water-table depth", "drain discharge"; and the unit of its value.
const char* ObjectiveFileName(DrainageObjective objective);
const char* ObjectiveLabel(DrainageObjective objective);
const char* ObjectiveUnit(DrainageObjective objective);

// "1 pair", "22 pairs".
std::string PairCount(int pairs);

// The value a person reads for a trial: |balance sum| (mm), or the sum of absolute deviations of the
// water table (m) or the discharge (mm/day).
double ObjectiveDisplayValue(const DrainageTrialSums& sums, DrainageObjective objective, int index);

// Header "series,n,observed_mean,...", then one line per row; an undefined statistic is empty.
std::vector<std::string> FitStatisticsCsvLines(const std::vector<FitStatistics>& rows);

// Header "qh1,qh2,balance,water_table,drain_discharge", then the 10000 trials in the search's
// order, the sums with 17 significant digits so that they read back bit for bit.
std::vector<std::string> ObjectiveMapCsvLines(const ObjectiveMap& map);

// Header "zone,efficiency,sum_of_squares", then every trial of every search in the order tried.
std::vector<std::string> LeachingCurvesCsvLines(const std::vector<LeachingCurve>& curves);

}  // namespace vantorel
