#include "graphs/draw/GraphColours.h"
#include "graphs/draw/GraphParts.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

struct Place {
    int x, y;
};

// How one zone is drawn: its two legend lines, its calculated line and its measured symbols.
struct ZoneLook {
    const std::vector<int32_t>& rows;
    const std::vector<int32_t>& measured_rows;
    const StepSeries& measured;
    const char* calculated_legend;
    const char* measured_legend;
    QRgb legend_colour;
    Place calculated_at, measured_at;
    QRgb line_colour;
    int line_width;
    const char* symbol;
    QRgb symbol_colour;
    int symbol_size;
    Place symbol_shift;
};

void DrawZone(GraphPainting& p, const ZoneLook& zone) {
    GraphCanvas& c = p.canvas;
    c.SetFont(8, zone.legend_colour);
    c.TextOut(zone.calculated_at.x, zone.calculated_at.y, zone.calculated_legend);
    c.TextOut(zone.measured_at.x, zone.measured_at.y, zone.measured_legend);
    c.SetPen(zone.line_colour, zone.line_width);
    DrawPolyline(p, zone.rows);
    c.SetFont(zone.symbol_size, zone.symbol_colour);
    for (int32_t t = 1; t <= p.Steps(); ++t) {
        if (static_cast<size_t>(t) >= zone.measured.size() || !(zone.measured[static_cast<size_t>(t)] > 0)) continue;
        c.TextOut(p.Column(t) + zone.symbol_shift.x, GraphPainting::At(zone.measured_rows, t) + zone.symbol_shift.y,
                  zone.symbol);
    }
}

// The leaching efficiency and fit of the one root-zone layer the graph shows.
void DrawLayerCaptions(GraphPainting& p, Zone zone) {
    const RunValues& run = p.state.Run;
    const OutputFileValues& out = p.state.Output;
    const double efficiency[] = {out.LE1Out, out.LE2Out, out.LE3Out};
    const double fit[] = {run.SaltFit1, run.SaltFit2, run.SaltFit3};
    const std::string shown = "Leaching efficiency : " + FormatFixed(efficiency[zone], 6, 2);
    p.canvas.SetFont(8, colours::White);
    if (run.SaltFitNA[zone]) {
        p.canvas.TextOut(390, 25, shown + " (assumed)");
        p.canvas.TextOut(390, 40, "Model fit index (%)  : n.a.");
    } else {
        p.canvas.TextOut(390, 25, shown + (out.LEOptimizedOut[zone] ? " (optimized)" : " (assumed)"));
        p.canvas.TextOut(390, 40, "Model fit index (%)  : " + FormatFixed(fit[zone], 5, 0));
    }
}

void DrawBelowRootZoneCaptions(GraphPainting& p) {
    const RunValues& run = p.state.Run;
    const OutputFileValues& out = p.state.Output;
    const auto caption = [&](Zone zone, double efficiency, double fit, QRgb colour, int y) {
        if (run.SaltFitNA[zone] || !out.LEOptimizedOut[zone]) return;
        p.canvas.SetFont(8, colour);
        p.canvas.TextOut(80, y, " Leaching efficiency (optimized)  = " + FormatGeneral(efficiency));
        p.canvas.TextOut(80, y + 15, " Coefficient of determination (%) = " + FormatGeneral(fit));
    };
    caption(TransitionZone, out.LEtOut, run.SaltFitT, colours::Aqua, 60);
    caption(Aquifer, out.LEaOut, run.SaltFitA, colours::Salmon, 90);
}

}  // namespace

void DrawSalinity(GraphPainting& p) {
    const GraphSelection& s = p.graph.Selection;
    const GraphPixels& px = p.graph.Pixels;
    const InputData& in = p.state.Input;
    const int32_t layers = in.NrLayers;

    p.canvas.SetFont(8, colours::White);
    p.canvas.TextOut(80, 40, "Soil moisture salinity (ECsm in dS / m)");

    if (!s.HideLayer1) {
        DrawZone(p, {px.S1, px.S1meas, in.S1meas, "- - - Layer l calculated", "  x   Layer 1 measured", colours::Rose,
                     {80, 60}, {80, 75}, colours::Rose, 2, "x", colours::Rose, 12, {-7, 0}});
    }
    if (layers >= 2 && !s.HideLayer2) {
        const bool alone = s.HideLayer1;
        DrawZone(p, {px.S2, px.S2meas, in.S2meas, "- - - Layer 2 calculated", "  o   Layer 2 measured",
                     alone ? colours::Yellow : colours::White, alone ? Place{80, 60} : Place{80, 90},
                     alone ? Place{80, 75} : Place{80, 105}, colours::White, 2, "o", colours::SkyBlue, 12, {0, 0}});
    }
    if (layers >= 3 && !s.HideLayer3) {
        const bool alone = s.HideLayer1 && s.HideLayer2;
        DrawZone(p, {px.S3, px.S3meas, in.S3meas, "- - - Layer 3 calculated", "  z   Layer 3 measured", colours::Lime,
                     alone ? Place{80, 60} : Place{80, 120}, alone ? Place{80, 75} : Place{80, 135}, colours::Lime, 2,
                     "z", colours::Lime, 10, {7, 2}});
    }
    if (!s.HideBelowRootZone) {
        DrawZone(p, {px.STr, px.STmeas, in.STmeas, "- - - Transition zone calculated", "  x   Transition zone measured",
                     colours::Aqua, {370, 25}, {370, 40}, colours::Aqua, 1, "x", colours::Aqua, 12, {12, -2}});
        DrawZone(p, {px.SAq, px.SAmeas, in.SAmeas, "- - - Aquifer calculated", "  o   Aquifer measured", colours::Salmon,
                     {370, 55}, {370, 70}, colours::Salmon, 1, "o", colours::Salmon, 12, {12, -2}});
    }

    switch (p.graph.Type) {
        case GraphType::SalinityLayer1: DrawLayerCaptions(p, Layer1); break;
        case GraphType::SalinityLayer2: DrawLayerCaptions(p, Layer2); break;
        case GraphType::SalinityLayer3: DrawLayerCaptions(p, Layer3); break;
        default: break;
    }
    if (!s.HideBelowRootZone) DrawBelowRootZoneCaptions(p);
}

}  // namespace vantorel
