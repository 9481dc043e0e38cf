#include <algorithm>
#include <cmath>

#include "graphs/draw/GraphColours.h"
#include "graphs/draw/GraphParts.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

void DrawDepthCaptions(GraphPainting& p) {
    GraphCanvas& c = p.canvas;
    const RunValues& run = p.state.Run;
    c.SetFont(8, colours::CaptionGrey);
    c.TextOut(80, 45, " Depth of the watertable below soil surface (m)");
    if (run.QHOptDwt) {
        c.TextOut(180, 60,
                  "Drainage capacity factors QH1 and QH2 (optimized for water table) : " +
                      FormatFixed(run.QH1Used, 5, 3) + " and  " + FormatFixed(run.QH2Used, 5, 3));
    }
    c.SetFontColour(colours::Yellow);
    c.TextOut(80, 60, "- - - Calculated");
    c.SetFontColour(colours::White);
    c.TextOut(80, 75, "  o   Observed");
    if (run.QHOptDrain) c.TextOut(370, 60, "Goodness of fit : " + FormatGeneral(run.FitDrain) + " %");
    if (run.QHOptDwt) c.TextOut(180, 75, "Goodness of fit : " + FormatGeneral(run.FitDwt) + " %");
}

// Observations are drawn large where the depth changes by 0.1 m or more, and after three small
// ones in a row, so that a long series of equal observations stays readable.
void DrawObservedDepths(GraphPainting& p, const StepSeries& observed) {
    const auto depth = [&](int32_t t) {
        return t >= 0 && static_cast<size_t>(t) < observed.size() ? observed[static_cast<size_t>(t)]
                                                                    : MissingDepthOrDischarge;
    };
    const int large = p.Steps() > 25 ? 8 : 12;
    int small_in_a_row = 0;
    for (int32_t t = 1; t <= p.Steps() - 1; ++t) {
        if (!(depth(t) > MissingDepthOrDischarge)) continue;
        const bool big = std::fabs(depth(t) - depth(t - 1)) >= 0.1 || small_in_a_row >= 3;
        small_in_a_row = big ? 0 : small_in_a_row + 1;
        p.canvas.SetFont(big ? large : 8, colours::White);
        if (depth(t) > 0) p.canvas.TextOut(p.Column(t) + 2, GraphPainting::At(p.graph.Pixels.DwtMeas, t), "o");
    }
}

void DrawLevelBars(GraphPainting& p, int32_t zero_row) {
    GraphCanvas& c = p.canvas;
    const std::vector<int32_t>& rows = p.graph.Pixels.Dwt;
    for (int32_t t = 1; t <= p.Steps() - 1; ++t) {
        c.SetBrush(t % 2 == 1 ? colours::CaptionGrey : colours::SkyBlue);
        const int32_t row = GraphPainting::At(rows, t);
        c.FillRect(p.Column(t), std::min(row, zero_row), p.Column(t + 1), std::max(row, zero_row));
    }
}

}  // namespace

void DrawWaterTable(GraphPainting& p, int32_t level_zero_row, const StepSeries& observed_depths) {
    if (p.graph.WaterTable == WaterTableMode::Depth) {
        DrawDepthCaptions(p);
        DrawObservedDepths(p, observed_depths);
        p.canvas.SetPen(colours::Yellow, 2);
        DrawPolyline(p, p.graph.Pixels.Dwt, 2);
    } else {
        p.canvas.SetFont(8, colours::CaptionGrey);
        p.canvas.TextOut(80, 35, " Level of water table relative to soil surface (m)");
        DrawLevelBars(p, level_zero_row);
    }
}

}  // namespace vantorel
