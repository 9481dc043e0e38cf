#include "engine/ObjectiveMap.h"

#include <algorithm>

#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/ModelState.h"

namespace vantorel {

namespace {

// Keeps the first message a refused data set shows; the map asks nothing.
class RefusalDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override {
        if (message.empty()) message = text;
    }
    bool AskYesNo(const std::string&) override { return false; }
    void SetProgress(int) override {}
    void Pause(int) override {}
    std::string message;
};

bool AnyMeasured(const StepSeries& series, int32_t steps) {
    for (int32_t i = 1; i <= steps && i < static_cast<int32_t>(series.size()); ++i) {
        if (series[i] > MissingDepthOrDischarge) return true;
    }
    return false;
}

// The search may not pick the lowest factors of the grid, so its edge is the lowest it may pick.
bool OnEdge(DrainageObjective objective, double qh) {
    const double lowest = objective == DrainageObjective::Balance ? 0.002 : 0.003;
    return qh < lowest + 0.0005 || qh > 0.0995;
}

}  // namespace

ObjectiveMap ComputeObjectiveMap(const InputData& data, const StopRequest* stop) {
    if (!data.DrainPresent) {
        throw ObjectiveMapError("the data set has no subsurface drainage system, so it has no drainage factors to map.");
    }
    ModelState state;
    state.Input = data;
    RefusalDialogs dialogs;
    Engine engine(state, dialogs);
    // The check comes first: it refuses series too short for the derived values too.
    if (!engine.CheckRunData()) throw ObjectiveMapError(dialogs.message);
    ComputeDerivedValues(state.Input);
    engine.PrepareRun();

    ObjectiveMap map;
    const InputData& d = state.Input;
    map.daily = d.Ts == 1;
    map.water_table_measured = AnyMeasured(d.DwtMeas, d.NrTimeSteps);
    map.discharge_measured = AnyMeasured(d.DrainMeas, d.NrTimeSteps);
    map.input_qh1 = d.QH1;
    map.input_qh2 = d.QH2;
    RunDrainageGrid(state, d.IrrSpread, map.sums, [](int) {}, stop);
    return map;
}

bool IsMeaningful(const ObjectiveMap& map, DrainageObjective objective) {
    switch (objective) {
        case DrainageObjective::Balance:
            return map.daily;
        case DrainageObjective::WaterTable:
            return map.water_table_measured;
        case DrainageObjective::DrainDischarge:
            return map.discharge_measured;
    }
    return false;
}

NearOptimalRegion FindNearOptimalRegion(const ObjectiveMap& map, DrainageObjective objective, double percent) {
    NearOptimalRegion region;
    region.inside.assign(DrainageTrials, 0);
    if (!IsMeaningful(map, objective)) return region;
    region.best = FindDrainageOptimum(map.sums, objective);
    if (!region.best.found) return region;
    const double limit = region.best.value + region.best.value * percent / 100;
    region.qh1_min = region.qh2_min = 1;
    for (int index = 0; index < DrainageTrials; ++index) {
        const double qh1 = TrialQH1(index), qh2 = TrialQH2(index);
        if (!MayPick(objective, qh1, qh2) || !(RankingValue(map.sums, objective, index) <= limit)) continue;
        region.inside[index] = 1;
        ++region.trials;
        region.qh1_min = std::min(region.qh1_min, qh1);
        region.qh1_max = std::max(region.qh1_max, qh1);
        region.qh2_min = std::min(region.qh2_min, qh2);
        region.qh2_max = std::max(region.qh2_max, qh2);
    }
    region.best_on_edge = OnEdge(objective, region.best.qh1) || OnEdge(objective, region.best.qh2);
    return region;
}

}  // namespace vantorel
