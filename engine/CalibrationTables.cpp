#include "engine/CalibrationTables.h"

#include <cmath>
#include <cstdio>

namespace vantorel {

namespace {

std::string Optional(const std::optional<double>& value) { return value ? SignificantDigits(*value, 10) : ""; }

}  // namespace

const char* ZoneFileName(Zone zone) {
    switch (zone) {
        case Layer1: return "layer-1";
        case Layer2: return "layer-2";
        case Layer3: return "layer-3";
        case TransitionZone: return "transition-zone";
        case Aquifer: return "aquifer";
    }
    return "zone";
}

const char* ObjectiveFileName(DrainageObjective objective) {
    switch (objective) {
        case DrainageObjective::Balance: return "balance";
        case DrainageObjective::WaterTable: return "water-table";
        case DrainageObjective::DrainDischarge: return "drain-discharge";
    }
    return "objective";
}

const char* ObjectiveLabel(DrainageObjective objective) {
    switch (objective) {
        case DrainageObjective::Balance: return "water balance";
        case DrainageObjective::WaterTable: return "water-table depth";
        case DrainageObjective::DrainDischarge: return "drain discharge";
    }
    return "objective";
}

const char* ObjectiveUnit(DrainageObjective objective) {
    switch (objective) {
        case DrainageObjective::Balance: return "mm";
        case DrainageObjective::WaterTable: return "m";
        case DrainageObjective::DrainDischarge: return "mm/day";
    }
    return "";
}

double ObjectiveDisplayValue(const DrainageTrialSums& sums, DrainageObjective objective, int index) {
    switch (objective) {
        case DrainageObjective::Balance: return std::abs(sums.balance[index]);
        case DrainageObjective::WaterTable: return sums.water_table[index];
        case DrainageObjective::DrainDischarge: return sums.discharge[index];
    }
    return 0;
}

std::string SignificantDigits(double value, int digits) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

std::vector<std::string> FitStatisticsCsvLines(const std::vector<FitStatistics>& rows) {
    std::vector<std::string> lines = {"series,n,observed_mean,simulated_mean,rmse,mae,pbias_percent,nse,kge,r_squared"};
    for (const FitStatistics& f : rows) {
        lines.push_back(f.series + ',' + std::to_string(f.n) + ',' + SignificantDigits(f.observed_mean, 10) + ',' +
                        SignificantDigits(f.simulated_mean, 10) + ',' + Optional(f.rmse) + ',' + Optional(f.mae) +
                        ',' + Optional(f.pbias_percent) + ',' + Optional(f.nse) + ',' + Optional(f.kge) + ',' +
                        Optional(f.r_squared));
    }
    return lines;
}

std::vector<std::string> ObjectiveMapCsvLines(const ObjectiveMap& map) {
    std::vector<std::string> lines = {"qh1,qh2,balance,water_table,drain_discharge"};
    lines.reserve(DrainageTrials + 1);
    for (int index = 0; index < DrainageTrials; ++index) {
        lines.push_back(SignificantDigits(TrialQH1(index), 17) + ',' + SignificantDigits(TrialQH2(index), 17) + ',' +
                        SignificantDigits(map.sums.balance[index], 17) + ',' +
                        SignificantDigits(map.sums.water_table[index], 17) + ',' +
                        SignificantDigits(map.sums.discharge[index], 17));
    }
    return lines;
}

std::vector<std::string> LeachingCurvesCsvLines(const std::vector<LeachingCurve>& curves) {
    std::vector<std::string> lines = {"zone,efficiency,sum_of_squares"};
    for (const LeachingCurve& curve : curves) {
        for (size_t k = 0; k < curve.efficiency.size(); ++k) {
            lines.push_back(std::string(ZoneFileName(curve.zone)) + ',' + SignificantDigits(curve.efficiency[k], 10) +
                            ',' + SignificantDigits(curve.sum_of_squares[k], 17));
        }
    }
    return lines;
}

}  // namespace vantorel
