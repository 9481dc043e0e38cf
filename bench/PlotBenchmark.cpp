// The study overlay of three scenarios of 100,000 steps each, as the window shows it: a repaint
// after a wheel step (zoom) and after a drag (pan) must stay under 100 ms.

#include <benchmark/benchmark.h>

#include <qcustomplot.h>

#include <cmath>

#include "graphs/plots/OffscreenApplication.h"
#include "graphs/plots/OverlayPlot.h"

namespace vantorel {
namespace {

constexpr int Steps = 100'000;

OverlayChart ThreeLongScenarios() {
    OverlayChart chart{"Depth of the water table", "Depth (m)", true, {}, {}};
    for (int scenario = 0; scenario < 3; ++scenario) {
        OverlayLine& line = chart.lines.emplace_back();
        line.name = "scenario-" + std::to_string(scenario + 1);
        line.emphasized = scenario == 0;
        for (int i = 0; i < Steps; ++i) {
            // A seasonal swing with a day-to-day ripple: every pixel column holds a spread.
            line.values.push_back(1.5 - 0.4 * std::sin(i * 2 * M_PI / 365 + scenario) + 0.1 * std::sin(i * 0.9));
        }
    }
    return chart;
}

// A widget needs the application object first.
struct Application {
    Application() { EnsureOffscreenApplication(); }
};

struct ShownOverlay : Application {
    ShownOverlay() {
        plot.resize(1100, 420);
        DrawOverlay(plot, ThreeLongScenarios());
    }
    QCustomPlot plot;
};

void ZoomRepaint(benchmark::State& bench_state) {
    ShownOverlay shown;
    QCPAxis& steps = *shown.plot.xAxis;
    int wheel = 0;
    for (auto _ : bench_state) {
        // In and out again around the middle, as a wheel turned to and fro.
        steps.scaleRange(++wheel % 2 ? 0.85 : 1 / 0.85, steps.range().center());
        shown.plot.replot();
    }
}

void PanRepaint(benchmark::State& bench_state) {
    ShownOverlay shown;
    QCPAxis& steps = *shown.plot.xAxis;
    steps.scaleRange(0.5, steps.range().center());
    int drag = 0;
    for (auto _ : bench_state) {
        steps.moveRange(++drag % 2 ? 2000 : -2000);
        shown.plot.replot();
    }
}

BENCHMARK(ZoomRepaint)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(PanRepaint)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace vantorel

BENCHMARK_MAIN();
