#include "graphs/GraphScaling.h"

#include <algorithm>

#include "graphs/GraphRounding.h"

namespace vantorel {

const char* const NothingToDrawMessage = "There is nothing to draw: the values of this graph are all the same.";

namespace {

constexpr int32_t PlotLeft = 70;
constexpr int32_t PlotWidth = 500;
constexpr int32_t PlotHeight = 300;

// A series may be shorter than the run when the data set and the results disagree; its missing
// steps count as the given value instead of being read past the end.
double At(const StepSeries& series, int32_t t, double missing) {
    return t >= 0 && static_cast<size_t>(t) < series.size() ? series[static_cast<size_t>(t)] : missing;
}

int32_t ClampToAxis(int64_t value) {
    const auto limit = static_cast<int64_t>(GraphValueLimit);
    return static_cast<int32_t>(std::clamp(value, -limit, limit));
}

void Raise(double& maximum, double value) {
    if (value > maximum) maximum = value;
}

void Lower(double& minimum, double value) {
    if (value < minimum) minimum = value;
}

// The zones of a salinity graph.
struct ZoneSet {
    bool layer1 = false, layer2 = false, layer3 = false, below = false;
};

// The top of a water-table or salinity axis: from 10 to below 25 a multiple of 4 with a tick every
// 4, below 10 a whole number with a tick every unit; then at least 5 ticks, doubled up to twice.
void RoundValueAxis(GraphAxes& a) {
    if (a.YMaxScaled >= 10) {
        if (a.YMaxScaled < 25) {
            a.YTop = Rnd((a.YMaxScaled + 2) / 4) * 4;
            a.YTicks = (a.YTop - a.YBottom) / 4;
        }
    } else {
        a.YTop = Rnd(a.YMaxScaled + 0.5);
        a.YTicks = a.YTop - a.YBottom;
    }
    for (int twice = 0; twice < 2; ++twice) {
        if (a.YTicks < 5) a.YTicks *= 2;
    }
}

}  // namespace

void GraphScaling::ScaleTimeAxis() {
    GraphAxes& a = graph_.Axes;
    a.XMax = static_cast<double>(Steps()) + 1.0;
    a.XBottom = 0;
    const double m = a.XMax;
    // Below 10 steps every step gets a tick; above, the axis ends on a round number of steps.
    int32_t tick = 1;
    int64_t top = 0;
    if (m < 10) {
        top = Rnd(m + 0.5);
    } else if (m < 25) {
        tick = 4;
        top = int64_t{Rnd((m + 2) / 4)} * 4;
    } else if (m < 50) {
        tick = 5;
        top = int64_t{Rnd((m + 2.5) / 5)} * 5;
    } else if (m < 100) {
        tick = 10;
        top = int64_t{Rnd((m + 5) / 10)} * 10;
    } else if (m < 250) {
        tick = 25;
        top = int64_t{Rnd((2 * m + 25) / 50)} * 25;
    } else if (m < 500) {
        tick = 50;
        top = int64_t{Rnd((m + 25) / 50)} * 50;
    } else if (m < 1000) {
        tick = 100;
        top = int64_t{Rnd((m + 50) / 100)} * 100;
    } else if (m < 10000) {
        tick = 1000;
        top = int64_t{Rnd((m + 500) / 1000)} * 1000;
    } else {
        tick = 10000;
        top = int64_t{Rnd((m + 5000) / 10000)} * 10000;
    }
    a.XTop = ClampToAxis(top);
    a.XTicks = (a.XTop - a.XBottom) / tick;
    a.XDecimals = m < 6 ? 1 : 0;
}

void GraphScaling::ScaleHydrologyAxes() {
    const InputData& in = state_.Input;
    const RunValues& run = state_.Run;
    const GraphSelection& s = graph_.Selection;
    GraphAxes& a = graph_.Axes;
    const int32_t n = Steps();

    surface_drainage_ = in.Sdr;
    for (int32_t t = 1; t <= n && static_cast<size_t>(t) < surface_drainage_.size(); ++t) {
        surface_drainage_[static_cast<size_t>(t)] += At(in.InfExcess, t, 0.0);
    }

    double ymax = 0;
    const auto raise_over = [&](const StepSeries& series, double missing, int32_t last) {
        for (int32_t t = 1; t <= last; ++t) Raise(ymax, At(series, t, missing));
    };
    if (!s.HideSubsurface && !s.HideSurface) {
        for (const StepSeries* series : {&in.Rain, &in.Irrig, &run.EvapT, &run.Perc, &run.Cap, &run.Drain}) {
            raise_over(*series, 0.0, n);
        }
        raise_over(in.DrainMeas, MissingDepthOrDischarge, n);
        raise_over(surface_drainage_, 0.0, n);
    }
    if (s.HideSubsurface) {
        for (const StepSeries* series : {&in.Rain, &in.Irrig, &run.EvapT}) raise_over(*series, 0.0, n);
    }
    if (s.HideSurface) {
        for (const StepSeries* series : {&run.Perc, &run.Cap, &run.Drain}) raise_over(*series, 0.0, n - 1);
        raise_over(in.DrainMeas, MissingDepthOrDischarge, n - 1);
    }

    // A series that stays below a tenth (capillary rise: a fifth) of the tallest one is drawn ten
    // times enlarged so that its course can be seen.
    const auto factor = [&](const StepSeries& series, double missing, double share) {
        double own = 0;
        for (int32_t t = 1; t <= n; ++t) Raise(own, At(series, t, missing));
        return share * ymax > own ? 10.0 : 1.0;
    };
    DisplayFactors& f = graph_.Factors;
    f.Sdr = factor(surface_drainage_, 0.0, 0.1);
    f.EvapT = factor(run.EvapT, 0.0, 0.1);
    f.Drain = factor(run.Drain, 0.0, 0.1);
    f.DrainMeas = factor(in.DrainMeas, MissingDepthOrDischarge, 0.1);
    f.Rain = factor(in.Rain, 0.0, 0.1);
    f.Cap = factor(run.Cap, 0.0, 0.2);

    ymax = 1.2 * ymax;
    if (graph_.Type == GraphType::AllHydrology) ymax = 1.2 * ymax;

    a.YMaxScaled = ymax;
    a.YMinScaled = 0;
    a.YBottom = 0;
    a.YTop = Rnd(ymax + 2);
    a.YTicks = a.YTop - a.YBottom;
    a.YDecimals = 2;
    if (a.YTicks >= 11 && a.YTicks <= 20) {
        a.YTicks = Rnd(ymax - 8) - a.YBottom;
        a.YDecimals = 1;
    }
    if (a.YTicks >= 21 && a.YTicks <= 30) {
        a.YTicks = Rnd(ymax - 18) - a.YBottom;
        a.YDecimals = 1;
    }
    if (a.YTicks >= 31 && a.YTicks <= 40) {
        a.YTicks = Rnd(ymax - 28) - a.YBottom;
        a.YDecimals = 1;
    }
    if (a.YTicks >= 41 && a.YTicks <= 50) {
        a.YTicks = Rnd(ymax - 38) - a.YBottom;
        a.YDecimals = 0;
    }
    if (a.YTicks > 50) {
        a.YTicks = Rnd(ymax - 48) - a.YBottom;
        a.YDecimals = 0;
    }
    if (a.YTicks > 10) a.YTicks = 10;
    if (a.YTicks < 4) a.YTicks = 5;

    ScaleTimeAxis();
}

bool GraphScaling::MapHydrologySeries() {
    if (!CheckDrawable()) return false;
    StartMapping();
    const InputData& in = state_.Input;
    const RunValues& run = state_.Run;
    const GraphSelection& s = graph_.Selection;
    const DisplayFactors& f = graph_.Factors;
    GraphPixels& p = graph_.Pixels;
    if (!s.HideSurface) {
        MapSeries(p.Rain, in.Rain, 0.0, 348, f.Rain);
        MapSeries(p.Irrig, in.Irrig, 0.0, 348);
        MapSeries(p.EvapT, run.EvapT, 0.0, 348, f.EvapT);
        MapSeries(p.Sdr, surface_drainage_, 0.0, 346, f.Sdr);
    }
    if (!s.HideSubsurface) {
        MapSeries(p.Perc, run.Perc, 0.0, 348);
        MapSeries(p.Cap, run.Cap, 0.0, 348, f.Cap);
        MapSeries(p.Drain, run.Drain, 0.0, 348, f.Drain);
        MapSeries(p.DrainMeas, in.DrainMeas, MissingDepthOrDischarge, 350, f.DrainMeas);
    }
    return true;
}

void GraphScaling::ScaleWaterTableAxes() {
    StepSeries& dwt = water_table_;
    GraphAxes& a = graph_.Axes;
    const int32_t n = Steps();
    const bool level = graph_.WaterTable == WaterTableMode::Level;

    dwt = state_.Run.Dwt;
    if (level) {
        for (int32_t t = 1; t <= n && static_cast<size_t>(t) < dwt.size(); ++t) {
            dwt[static_cast<size_t>(t)] = -dwt[static_cast<size_t>(t)];
        }
    }
    observed_depths_ = state_.Input.DwtMeas;

    double vmax = -1'000'000;
    double vmin = 1'000'000;
    for (int32_t t = 1; t <= n; ++t) {
        const double depth = At(dwt, t, 0.0);
        Raise(vmax, depth);
        Lower(vmin, depth);
        if (!level) {
            const double observed = At(observed_depths_, t, MissingDepthOrDischarge);
            if (observed > MissingDepthOrDischarge) {
                Raise(vmax, observed);
                Lower(vmin, observed);
            }
        }
    }
    highest_level_ = vmax;

    a.YMaxScaled = 1.1 * vmax;
    if (level && a.YMaxScaled < 0) a.YMaxScaled = 0;
    a.YTop = Rnd(a.YMaxScaled + 0.5);
    a.YMinScaled = 0.9 * vmin;
    a.YBottom = Rnd(a.YMinScaled - 0.5);
    if (a.YMinScaled > 0) a.YBottom = 0;
    if (a.YMinScaled < 0) {
        for (int32_t t = 1; t <= n && static_cast<size_t>(t) < observed_depths_.size(); ++t) {
            if (observed_depths_[static_cast<size_t>(t)] == -1) observed_depths_[static_cast<size_t>(t)] = MissingDepthOrDischarge;
        }
    }
    a.YDecimals = 1;
    a.YTicks = std::min(a.YTop - a.YBottom, 10);
    RoundValueAxis(a);

    ScaleTimeAxis();
    if (a.XTicks < 5) a.XTicks *= 2;
}

bool GraphScaling::MapWaterTableSeries() {
    if (!CheckDrawable()) return false;
    StartMapping();
    GraphPixels& p = graph_.Pixels;
    MapSeries(p.Dwt, water_table_, 0.0, 350);
    if (graph_.WaterTable == WaterTableMode::Depth) {
        const int32_t n = Steps();
        p.DwtMeas.assign(static_cast<size_t>(n) + 1, 0);
        for (int32_t t = 1; t <= n; ++t) {
            const double observed = At(observed_depths_, t, MissingDepthOrDischarge);
            if (observed > MissingDepthOrDischarge) p.DwtMeas[static_cast<size_t>(t)] = Row(observed, 350);
        }
    }
    return true;
}

int32_t GraphScaling::LevelZeroRow() const {
    const GraphAxes& a = graph_.Axes;
    if (highest_level_ < 0 || a.YTop == a.YBottom) return 50;
    return 350 + static_cast<int32_t>((int64_t{a.YBottom} * 300) / (a.YTop - a.YBottom));
}

void GraphScaling::ScaleSalinityAxes() {
    const InputData& in = state_.Input;
    const RunValues& run = state_.Run;
    const GraphSelection& s = graph_.Selection;
    GraphAxes& a = graph_.Axes;
    const int32_t n = Steps();
    const int32_t layers = in.NrLayers;

    // Layers the root zone does not have hold no results; they take no part.
    ZoneSet shown;
    if (s.AllZones) {
        shown = {true, layers >= 2, layers >= 3, true};
    } else if (s.AllLayers && s.HideBelowRootZone && layers > 1) {
        shown = {true, true, layers == 3, false};
    } else if (s.HideLayer2 && s.HideLayer3 && s.HideBelowRootZone) {
        shown.layer1 = true;
    } else if (s.HideLayer1 && s.HideLayer3 && s.HideBelowRootZone) {
        shown.layer2 = true;
    } else if (s.HideLayer1 && s.HideLayer2 && s.HideBelowRootZone) {
        shown.layer3 = true;
    } else if (s.HideLayer1 && s.HideLayer2 && s.HideLayer3) {
        shown.below = true;
    }
    // Graphs of the root zone start their axis at the lowest value of all its layers.
    ZoneSet lowest = shown;
    if (layers > 1 && s.HideBelowRootZone) lowest = {true, true, layers == 3, false};

    const auto zone_series = [&](const ZoneSet& zones) {
        std::vector<std::pair<const StepSeries*, const StepSeries*>> pairs;
        if (zones.layer1) pairs.emplace_back(&run.S1, &in.S1meas);
        if (zones.layer2) pairs.emplace_back(&run.S2, &in.S2meas);
        if (zones.layer3) pairs.emplace_back(&run.S3, &in.S3meas);
        if (zones.below) {
            pairs.emplace_back(&run.STr, &in.STmeas);
            pairs.emplace_back(&run.SAq, &in.SAmeas);
        }
        return pairs;
    };
    double vmax = 0;
    double vmin = 1'000'000;
    for (const auto& [calculated, measured] : zone_series(shown)) {
        for (int32_t t = 1; t <= n; ++t) {
            Raise(vmax, At(*calculated, t, 0.0));
            Raise(vmax, At(*measured, t, MissingSalinity));
        }
    }
    for (const auto& [calculated, measured] : zone_series(lowest)) {
        for (int32_t t = 1; t <= n; ++t) {
            Lower(vmin, At(*calculated, t, 0.0));
            const double value = At(*measured, t, MissingSalinity);
            if (value > 0) Lower(vmin, value);
        }
    }

    a.YMaxScaled = 1.4 * vmax;
    a.YMinScaled = 0.8 * vmin;
    if (a.YMinScaled < 0) a.YMinScaled = 0;
    a.YTop = Rnd(a.YMaxScaled);
    a.YBottom = Rnd(a.YMinScaled - 0.5);
    a.YDecimals = 1;
    a.YTicks = a.YTop - a.YBottom;
    RoundValueAxis(a);
    if (a.YTicks > 10) a.YTicks = 10;

    ScaleTimeAxis();
    if (a.XTicks < 5) a.XTicks *= 2;
    if (a.XTicks > 10) a.XTicks = 10;
}

void GraphScaling::RaiseSalinityTopForAllZones() {
    GraphAxes& a = graph_.Axes;
    a.YMaxScaled = 1.2 * a.YMaxScaled;
    a.YTop = Rnd(a.YMaxScaled);
}

bool GraphScaling::MapSalinitySeries() {
    if (!CheckDrawable()) return false;
    StartMapping();
    const InputData& in = state_.Input;
    const RunValues& run = state_.Run;
    const GraphSelection& s = graph_.Selection;
    GraphPixels& p = graph_.Pixels;
    if (!s.HideLayer1) {
        MapSeries(p.S1, run.S1, 0.0, 350);
        MapSeries(p.S1meas, in.S1meas, MissingSalinity, 348);
    }
    if (!s.HideLayer2) {
        MapSeries(p.S2, run.S2, 0.0, 350);
        MapSeries(p.S2meas, in.S2meas, MissingSalinity, 348);
    }
    if (!s.HideLayer3) {
        MapSeries(p.S3, run.S3, 0.0, 350);
        MapSeries(p.S3meas, in.S3meas, MissingSalinity, 348);
    }
    if (!s.HideBelowRootZone) {
        MapSeries(p.STr, run.STr, 0.0, 350);
        MapSeries(p.STmeas, in.STmeas, MissingSalinity, 348);
        MapSeries(p.SAq, run.SAq, 0.0, 350);
        MapSeries(p.SAmeas, in.SAmeas, MissingSalinity, 348);
    }
    return true;
}

bool GraphScaling::CheckDrawable() {
    const GraphAxes& a = graph_.Axes;
    problem_.clear();
    if (Steps() < 1) {
        problem_ = "There is nothing to draw: the run has no time steps.";
    } else if (a.YTop <= a.YBottom || a.YTicks <= 0 || a.XTop <= a.XBottom || a.XTicks <= 0) {
        problem_ = NothingToDrawMessage;
    } else if (a.YTicks > PlotHeight || a.XTicks > PlotWidth) {
        // More intervals than pixels: the values lie too far apart for an axis.
        problem_ = "There is nothing to draw: the values of this graph lie too far apart for its axes.";
    }
    return problem_.empty();
}

void GraphScaling::StartMapping() {
    const int32_t n = Steps();
    const GraphAxes& a = graph_.Axes;
    GraphPixels& p = graph_.Pixels;
    p = GraphPixels{};
    p.PixX.assign(static_cast<size_t>(n) + 1, 0);
    for (int32_t t = 1; t <= n; ++t) {
        p.PixX[static_cast<size_t>(t)] =
            PlotLeft + Rnd(PlotWidth * static_cast<double>(t) / static_cast<double>(a.XTop - a.XBottom));
    }
}

int32_t GraphScaling::Row(double value, int32_t base) const {
    const GraphAxes& a = graph_.Axes;
    return base - Rnd((value - a.YBottom) * PlotHeight / static_cast<double>(a.YTop - a.YBottom));
}

void GraphScaling::MapSeries(std::vector<int32_t>& rows, const StepSeries& series, double missing, int32_t base,
                             double factor) const {
    const int32_t n = Steps();
    rows.assign(static_cast<size_t>(n) + 1, 0);
    // The enlarged value is mapped; the series itself keeps its value.
    for (int32_t t = 1; t <= n; ++t) rows[static_cast<size_t>(t)] = Row(At(series, t, missing) * factor, base);
}

}  // namespace vantorel
