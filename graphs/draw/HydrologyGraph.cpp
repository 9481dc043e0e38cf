#include <cmath>

#include "graphs/draw/GraphColours.h"
#include "graphs/draw/GraphParts.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

const char* HydrologyTitle(GraphType type) {
    switch (type) {
        case GraphType::SurfaceHydrology: return "Surface hydrologic factors (mm / time step)";
        case GraphType::SubsurfaceHydrology: return "Subsurfce hydrologic factors (mm / time step)";
        default: return "Hydrologic flow factors (mm / time step)";
    }
}

struct Legend {
    int x, y;
};

void DrawSeries(GraphPainting& p, const std::vector<int32_t>& rows, const std::string& legend, QRgb colour, int offset,
                Legend at) {
    p.canvas.SetFont(8, colour);
    p.canvas.TextOut(at.x, at.y, legend);
    p.canvas.SetPen(colour, 1);
    DrawStaircase(p, rows, offset);
}

// Marks the observed discharges where the drawn observation changes from one step to the next.
void MarkObservedDischarges(GraphPainting& p) {
    const GraphPixels& px = p.graph.Pixels;
    const StepSeries& observed = p.state.Input.DrainMeas;
    p.canvas.SetFont(12, colours::Yellow);
    for (int32_t t = 1; t <= p.Steps() - 1; ++t) {
        // Steps without an observation have no mark; their mapped row lies far outside the plot.
        const bool measured = static_cast<size_t>(t) < observed.size() &&
                              observed[static_cast<size_t>(t)] > MissingDepthOrDischarge;
        const int32_t row = GraphPainting::At(px.DrainMeas, t);
        const int32_t next = GraphPainting::At(px.DrainMeas, t + 1);
        if (measured && std::abs(next - row) > 0.025 * row) p.canvas.TextOut(p.Column(t), row - 10, "x");
    }
}

}  // namespace

void DrawHydrology(GraphPainting& p) {
    const GraphSelection& s = p.graph.Selection;
    const DisplayFactors& f = p.graph.Factors;
    const GraphPixels& px = p.graph.Pixels;
    const bool both = !s.HideSurface && !s.HideSubsurface;

    p.canvas.SetFont(8, colours::White);
    p.canvas.TextOut(370, 40, HydrologyTitle(p.graph.Type));

    if (!s.HideSurface) {
        DrawSeries(p, px.Rain, WithFactor("- - - Rainfall", f.Rain), colours::White, -4, {80, 40});
        DrawSeries(p, px.Irrig, "- - - Irrigation", colours::Yellow, -2, {80, 55});
        DrawSeries(p, px.EvapT, WithFactor("- - - Actual Evaporation", f.EvapT), colours::Lime, 0, {80, 70});
        DrawSeries(p, px.Sdr, WithFactor("- - - Surface drainage", f.Sdr),
                   s.SurfaceOnly ? colours::Fuchsia : colours::SkyBlue, 2, {80, 85});
    }
    if (!s.HideSubsurface) {
        const QRgb drain_colour = s.SubsurfaceOnly ? colours::Yellow : colours::Ochre;
        DrawSeries(p, px.Perc, "- - - Percolation", colours::Aqua, -2, both ? Legend{80, 100} : Legend{80, 45});
        DrawSeries(p, px.Cap, WithFactor("- - - Capillary rise", f.Cap), colours::Red, 0,
                   both ? Legend{270, 55} : Legend{80, 60});
        DrawSeries(p, px.Drain, WithFactor("- - - Subsurface drainage", f.Drain), drain_colour, 4,
                   both ? Legend{270, 70} : Legend{80, 75});

        const std::string observed = WithFactor(" X    Subsurface drainage observed", f.DrainMeas);
        p.canvas.SetFont(8, drain_colour);
        if (both) {
            p.canvas.TextOut(270, 85, observed);
        } else if (p.state.Input.NrMeasDwt > 4) {
            p.canvas.TextOut(80, 90, observed);
            if (p.state.Run.QHOptDrain) {
                p.canvas.SetFontColour(colours::White);
                p.canvas.TextOut(240, 75, "Goodness of fit :" + FormatFixed(p.state.Run.FitDrain, 4, 0) + " %");
            }
        }
        MarkObservedDischarges(p);
    }
}

}  // namespace vantorel
