// Many input files run side by side, as vantorel-run A.inp B.inp ... runs them: runs per second
// for small fields and for the generated ten-year field, on one job and on all cores.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/TenYearField.h"
#include "engine/FileRun.h"
#include "engine/ParallelFor.h"
#include "engine/RunPool.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

// Copies of a data set as input files in a folder of their own.
std::vector<std::string> InputFiles(const std::string& folder, InputData data, int count) {
    const fs::path path = fs::temp_directory_path() / folder;
    fs::create_directories(path);
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        data.FileName = (path / ("field-" + std::to_string(i) + ".inp")).string();
        SaveInputFile(data);
        files.push_back(data.FileName);
    }
    return files;
}

void RunFiles(benchmark::State& bench_state, const std::vector<std::string>& files, const RunAnswers& answers) {
    const unsigned jobs = bench_state.range(0) == 0 ? CoreCount() : static_cast<unsigned>(bench_state.range(0));
    FileRunOptions options;
    options.answers = answers;
    for (auto _ : bench_state) {
        RunSideBySide(
            files.size(), jobs,
            [&](size_t i) {
                if (RunInputFile(files[i], options).status != RunStatus::Completed) {
                    bench_state.SkipWithError("a run did not complete");
                }
            },
            nullptr);
    }
    bench_state.SetItemsProcessed(static_cast<int64_t>(bench_state.iterations() * files.size()));
    bench_state.counters["jobs"] = jobs;
}

void SmallFields(benchmark::State& bench_state) {
    InputData example;
    example.FileName = VANTOREL_EXAMPLES "/monthly-drained-field.inp";
    SilentDialogs dialogs;
    LoadInputFile(example, dialogs);
    static const std::vector<std::string> files = InputFiles("vantorel-bench-small", example, 120);
    RunFiles(bench_state, files, {});
}

void TenYearFields(benchmark::State& bench_state) {
    static const std::vector<std::string> files = InputFiles("vantorel-bench-ten-year", bench::TenYearField(), 4);
    RunFiles(bench_state, files, {true, true, true});
}

// Argument 0: all cores.
BENCHMARK(SmallFields)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(TenYearFields)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

}  // namespace
}  // namespace vantorel
