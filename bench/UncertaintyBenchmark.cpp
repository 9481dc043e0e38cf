// The uncertainty of the drainage factors of the ten-year daily field: the search's sums for the
// whole grid, the posterior, and the final runs of the prediction bands.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/TenYearField.h"
#include "engine/Engine.h"
#include "engine/FactorUncertainty.h"
#include "model/DerivedValues.h"
#include "model/SilentDialogs.h"

namespace vantorel {
namespace {

class YesToAll : public SilentDialogs {
public:
    bool AskYesNo(const std::string&) override { return true; }
};

// The basis a run with every optimization accepted gives.
UncertaintyBasis BasisOfARun(const InputData& field) {
    const std::string output = (std::filesystem::temp_directory_path() / "vantorel-bench-uncertainty.out").string();
    ModelState state;
    state.Input = field;
    ComputeDerivedValues(state.Input);
    YesToAll dialogs;
    Engine engine(state, dialogs);
    engine.SetOutputPath(output);
    engine.RunCalculation();
    std::filesystem::remove(output);
    return UncertaintyBasisOf(state);
}

void UncertaintyOfTheField(benchmark::State& bench_state) {
    const InputData field = bench::TenYearField();
    const UncertaintyBasis basis = BasisOfARun(field);
    size_t pairs = 0;
    for (auto _ : bench_state) {
        const FactorUncertainty uncertainty = ComputeFactorUncertainty(field, basis);
        pairs = uncertainty.band_pairs.size();
        benchmark::DoNotOptimize(uncertainty.bands.data());
    }
    bench_state.counters["band_pairs"] = static_cast<double>(pairs);
}

BENCHMARK(UncertaintyOfTheField)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace
}  // namespace vantorel
