// The calculation on ten years of daily data: the drainage grid search (fast and plain), the
// leaching searches, the objective map, and the whole calculation with both optimizations.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "bench/TenYearField.h"
#include "engine/DrainageGridSearch.h"
#include "engine/Engine.h"
#include "engine/ObjectiveMap.h"
#include "model/DerivedValues.h"
#include "tests/engine/PlainDrainageSearch.h"

namespace vantorel {
namespace {

// Answers yes to everything and does not pause: the window's pauses are not the calculation's.
class YesDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
    void SetProgress(int) override {}
    void Pause(int) override {}
};

struct PreparedField {
    PreparedField() {
        state.Input = bench::TenYearField();
        ComputeDerivedValues(state.Input);
        engine.PrepareRun();
        prepared_irrigation = state.Input.IrrSpread;
    }
    ModelState state;
    YesDialogs dialogs;
    Engine engine{state, dialogs};
    StepSeries prepared_irrigation;
};

void GridSearch(benchmark::State& bench_state) {
    PreparedField field;
    DrainageTrialSums sums;
    for (auto _ : bench_state) {
        RunDrainageGrid(field.state, field.prepared_irrigation, sums, [](int) {});
        benchmark::DoNotOptimize(sums.balance.data());
    }
}

void GridSearchPlainLoop(benchmark::State& bench_state) {
    PreparedField field;
    for (auto _ : bench_state) {
        DrainageTrialSums sums = test::PlainDrainageSearch(field.engine, field.state);
        benchmark::DoNotOptimize(sums.balance.data());
    }
}

void LeachingSearches(benchmark::State& bench_state) {
    PreparedField field;
    field.state.Run.QH1Used = field.state.Input.QH1;
    field.state.Run.QH2Used = field.state.Input.QH2;
    field.engine.RunWaterBalance();
    const InputData given = field.state.Input;
    for (auto _ : bench_state) {
        InputData& d = field.state.Input;
        d.LE1 = given.LE1;
        d.LE2 = given.LE2;
        d.LE3 = given.LE3;
        d.LEt = given.LEt;
        d.LEa = given.LEa;
        field.state.Run.LeachingCurves.clear();
        for (Zone zone : {Layer1, Layer2, Layer3, TransitionZone, Aquifer}) field.engine.SearchLeachingEfficiency(3, zone);
        benchmark::DoNotOptimize(d.LEa);
    }
}

// The whole objective map of a data set: preparation and one grid search.
void ObjectiveMapOfTheField(benchmark::State& bench_state) {
    const InputData field = bench::TenYearField();
    for (auto _ : bench_state) {
        const ObjectiveMap map = ComputeObjectiveMap(field);
        benchmark::DoNotOptimize(map.sums.balance.data());
    }
}

void WholeCalculation(benchmark::State& bench_state) {
    const std::string output = (std::filesystem::temp_directory_path() / "vantorel-bench.out").string();
    const InputData field = bench::TenYearField();
    for (auto _ : bench_state) {
        ModelState state;
        state.Input = field;
        ComputeDerivedValues(state.Input);
        YesDialogs dialogs;
        Engine engine(state, dialogs);
        engine.SetOutputPath(output);
        engine.RunCalculation();
        if (state.Run.CalcStopped) bench_state.SkipWithError("the calculation stopped");
    }
    std::filesystem::remove(output);
}

BENCHMARK(GridSearch)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(GridSearchPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(LeachingSearches)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(ObjectiveMapOfTheField)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(WholeCalculation)->Unit(benchmark::kMillisecond)->MinTime(3);

// Prints, after the table, how many times faster the grid search is than its plain loop.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (times_.count("GridSearch") && times_.count("GridSearchPlainLoop")) {
            std::printf("Grid search: %.1f times faster than the plain sequential loop.\n",
                        times_["GridSearchPlainLoop"] / times_["GridSearch"]);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace vantorel

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    vantorel::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
