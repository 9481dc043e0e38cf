#include "engine/CalibrationTables.h"
#include "model/NumberText.h"

#include <cmath>

namespace vantorel {

namespace {

struct ObjectiveNames {
    const char* file;
    const char* label;
    const char* unit;
};

// In the order of DrainageObjective.
const ObjectiveNames& Names(DrainageObjective objective) {
    static const ObjectiveNames names[] = {{"balance", "water balance", "mm"},
                                           {"water-table", "water-table depth", "m"},
                                           {"drain-discharge", "drain discharge", "mm/day"}};
    return names[static_cast<int>(objective)];
}

std::string Optional(const std::optional<double>& value) { return value ? FormatSignificant(*value, 10) : ""; }

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

const char* ObjectiveFileName(DrainageObjective objective) { return Names(objective).file; }
const char* ObjectiveLabel(DrainageObjective objective) { return Names(objective).label; }
const char* ObjectiveUnit(DrainageObjective objective) { return Names(objective).unit; }

std::string PairCount(int pairs) { return std::to_string(pairs) + (pairs == 1 ? " pair" : " pairs"); }

double ObjectiveDisplayValue(const DrainageTrialSums& sums, DrainageObjective objective, int index) {
    switch (objective) {
        case DrainageObjective::Balance: return std::abs(sums.balance[index]);
        case DrainageObjective::WaterTable: return sums.water_table[index];
        case DrainageObjective::DrainDischarge: return sums.discharge[index];
    }
    return 0;
}

std::vector<std::string> FitStatisticsCsvLines(const std::vector<FitStatistics>& rows) {
    std::vector<std::string> lines = {"series,n,observed_mean,simulated_mean,rmse,mae,pbias_percent,nse,kge,r_squared"};
    for (const FitStatistics& f : rows) {
        lines.push_back(f.series + ',' + std::to_string(f.n) + ',' + FormatSignificant(f.observed_mean, 10) + ',' +
                        FormatSignificant(f.simulated_mean, 10) + ',' + Optional(f.rmse) + ',' + Optional(f.mae) +
                        ',' + Optional(f.pbias_percent) + ',' + Optional(f.nse) + ',' + Optional(f.kge) + ',' +
                        Optional(f.r_squared));
    }
    return lines;
}

std::vector<std::string> ObjectiveMapCsvLines(const ObjectiveMap& map) {
    std::vector<std::string> lines = {"qh1,qh2,balance,water_table,drain_discharge"};
    lines.reserve(DrainageTrials + 1);
    for (int index = 0; index < DrainageTrials; ++index) {
        lines.push_back(FormatSignificant(TrialQH1(index), 17) + ',' + FormatSignificant(TrialQH2(index), 17) + ',' +
                        FormatSignificant(map.sums.balance[index], 17) + ',' +
                        FormatSignificant(map.sums.water_table[index], 17) + ',' +
                        FormatSignificant(map.sums.discharge[index], 17));
    }
    return lines;
}

std::vector<std::string> LeachingCurvesCsvLines(const std::vector<LeachingCurve>& curves) {
    std::vector<std::string> lines = {"zone,efficiency,sum_of_squares"};
    for (const LeachingCurve& curve : curves) {
        for (size_t k = 0; k < curve.efficiency.size(); ++k) {
            lines.push_back(std::string(ZoneFileName(curve.zone)) + ',' + FormatSignificant(curve.efficiency[k], 10) +
                            ',' + FormatSignificant(curve.sum_of_squares[k], 17));
        }
    }
    return lines;
}

}  // namespace vantorel
