#include "graphs/AxisLabels.h"
#include "graphs/GraphRounding.h"
#include "graphs/draw/GraphColours.h"
#include "graphs/draw/GraphParts.h"
#include "model/ProgramInfo.h"

namespace vantorel {

void DrawFrame(GraphPainting& p) {
    GraphCanvas& c = p.canvas;
    const GraphFamily family = FamilyOf(p.graph.Type);

    c.SetFont(10, colours::Black);
    c.SetBrush(colours::Silver);
    c.FillRect(0, 0, 623, 460);
    c.TextOut(20, 5, p.state.Input.Title1);

    c.SetFont(8, colours::Black);
    const char* program = family == GraphFamily::WaterTable ? "Program Quenrick at " : "Program Vantorel at ";
    c.TextOut(20, 425, std::string(program) + ProgramWebAddress);

    c.SetBrush(colours::DarkBlue);
    c.FillRect(20, 19, 605, 420);
    c.SetPen(colours::White, 1);

    if (family == GraphFamily::Salinity) {
        c.SetFontColour(colours::Silver);
        c.TextOut(70, 20, p.state.Input.Title2);
    } else {
        c.SetFontColour(colours::White);
        c.TextOut(22, 20, p.state.Input.Title2);
    }
    c.SetFontColour(colours::White);
    c.TextOut(516, 375, "Time step");
}

void DrawAxes(GraphPainting& p) {
    GraphCanvas& c = p.canvas;
    const GraphAxes& a = p.graph.Axes;
    // The labels lie on the plot's own colour, whatever the graph filled last (the level bars).
    c.SetBrush(colours::DarkBlue);
    c.SetPen(colours::White, 1);
    c.SetFont(8, colours::White);

    c.Line(70, 350, 70, 50);
    for (int32_t i = 0; i <= a.YTicks; ++i) {
        const double share = static_cast<double>(i) / a.YTicks;
        const int y = Rnd(share * 300 + 50);
        c.Line(70, y, 66, y);
        const double value = a.YTop - share * (a.YTop - a.YBottom);
        const std::string label = AxisLabel(value, a.YDecimals);
        c.TextOut(64 - c.TextWidth(label), y - Rnd(c.TextHeight() / 2.0), label);
    }

    c.Line(70, 350, 570, 350);
    for (int32_t i = 0; i <= a.XTicks; ++i) {
        const double share = static_cast<double>(i) / a.XTicks;
        const int x = Rnd(share * 500 + 70);
        c.Line(x, 350, x, 354);
        const double value = a.XBottom + static_cast<double>(int64_t{a.XTop - a.XBottom} * i) / a.XTicks;
        c.TextOut(Rnd(share * 500 + 62), 362, AxisLabel(value, a.XDecimals));
    }
}

void DrawStaircase(GraphPainting& p, const std::vector<int32_t>& rows, int offset) {
    const int32_t n = p.Steps();
    for (int32_t t = 1; t <= n - 1; ++t) {
        const int32_t row = GraphPainting::At(rows, t);
        const int32_t next_column = p.Column(t + 1) + offset;
        p.canvas.Line(p.Column(t) + offset, row, next_column, row);
        if (t < n - 1) p.canvas.Line(next_column, row, next_column, GraphPainting::At(rows, t + 1));
    }
}

void DrawPolyline(GraphPainting& p, const std::vector<int32_t>& rows, int shift) {
    for (int32_t t = 1; t <= p.Steps() - 1; ++t) {
        p.canvas.Line(p.Column(t) + shift, GraphPainting::At(rows, t), p.Column(t + 1) + shift,
                      GraphPainting::At(rows, t + 1));
    }
}

std::string WithFactor(const std::string& legend, double factor) {
    return factor == 10 ? legend + " x 10" : legend;
}

}  // namespace vantorel
