#include "model/OutputFileWriter.h"

#include "model/NumberText.h"
#include "model/OutputFileLayout.h"

namespace vantorel {

namespace {

const char* const OptimizedFactors = " Drainage factors optimized    :    QH1 = ";

std::string DrainageFactorLine(const RunValues& run) {
    if (run.QHOptBalance) {
        return OptimizedFactors + FormatFixed(run.QH1Used, 6, 3) + " (for water balance)   QH2 = " +
               FormatFixed(run.QH2Used, 6, 3);
    }
    if (run.QHOptDwt) {
        return OptimizedFactors + FormatFixed(run.QH1Used, 6, 3) + " (for water table)   QH2 = " +
               FormatFixed(run.QH2Used, 6, 3) + "   Data fit (%) : " + FormatFixed(100 * run.FitDwt, 4, 0);
    }
    if (run.QHOptDrain) {
        return OptimizedFactors + FormatFixed(run.QH1Used, 6, 3) + " (for drain discharge)   QH2 = " +
               FormatFixed(run.QH2Used, 6, 3) + "   Data fit (%) :" + FormatFixed(100 * run.FitDrain, 4, 0);
    }
    return " Drainage factor QH1 (given) :" + FormatFixed(run.QH1Given, 9, 3) + "    QH2 (given) = " +
           FormatFixed(run.QH2Given, 6, 3);
}

std::string LeachingLineText(const LeachingLine& line, const InputData& d, const RunValues& run) {
    const std::string start = line.label + FormatFixed(d.*line.efficiency, LeachingWidth, LeachingDecimals);
    if (run.SaltFitNA[line.zone]) return start + NotApplicableEnding;
    return start + (run.LEOptimized[line.zone] ? OptimizedEnding : GivenEnding) +
           FormatFixed(100 * run.*line.fit, FitWidth, 0);
}

// The layer count the flags give; rows and leaching lines follow the flags.
int32_t FlaggedLayers(const InputData& d) { return d.Is3Layer ? 3 : d.Is2Layer ? 2 : 1; }

bool HasLeachingLine(const LeachingLine& line, const InputData& d) {
    return FlaggedLayers(d) >= line.least_layers && !(line.left_out_at_zero && d.*line.efficiency <= 0);
}

}  // namespace

std::vector<std::string> OutputHeaderLines(const ModelState& state, const std::string& path) {
    const InputData& d = state.Input;
    const RunValues& run = state.Run;
    std::vector<std::string> lines = {
        "OUTPUT OF Vantorel",
        "Name of this file :" + path,
        "",
        d.Title1,
        d.Title2,
        FormatInt(d.NrLayers, 2) + "   " + FormatInt(d.NrTimeSteps, 4) + "    " + FormatInt(d.Ts) +
            "      (resp.:  nr. of root zone layers,    tot. nr. of time steps," + "    length of time step in days)",
        DrainageFactorLine(run),
    };
    for (const LeachingLine& line : LeachingLines) {
        if (HasLeachingLine(line, d)) lines.push_back(LeachingLineText(line, d, run));
    }
    lines.emplace_back(" Units:");
    lines.emplace_back(" Water flow in mm/time step,  Salinity in dS/m,   Depth water table (DepthWT) in m");
    lines.emplace_back();
    const std::span<const char* const> headings = OutputRowLayoutFor(d.NrLayers).headings;
    lines.insert(lines.end(), headings.begin(), headings.end());
    return lines;
}

std::vector<OutputRowValue> OutputRowValues(const ModelState& state, int32_t i) {
    std::vector<OutputRowValue> values;
    for (const OutputColumn& column : OutputRowLayoutFor(FlaggedLayers(state.Input)).columns) {
        const OutputQuantity& quantity = *column.quantity;
        values.push_back({SeriesOf(state, quantity)[quantity.at_step_start ? i - 1 : i], quantity.name});
    }
    return values;
}

std::vector<OutputHeaderFit> OutputHeaderFits(const ModelState& state) {
    const InputData& d = state.Input;
    const RunValues& run = state.Run;
    std::vector<OutputHeaderFit> fits;
    if (run.QHOptDwt) fits.push_back({run.FitDwt, "water table"});
    if (run.QHOptDrain) fits.push_back({run.FitDrain, "drain discharge"});
    for (const LeachingLine& line : LeachingLines) {
        if (!HasLeachingLine(line, d) || run.SaltFitNA[line.zone]) continue;
        const OutputQuantity& salinity = d.Is1Layer && line.zone == Layer1 ? RootZoneSalinity : ZoneSalinities[line.zone];
        fits.push_back({run.*line.fit, salinity.name});
    }
    return fits;
}

std::string OutputRow(const ModelState& state, int32_t i) {
    const std::span<const OutputColumn> columns = OutputRowLayoutFor(FlaggedLayers(state.Input)).columns;
    const std::vector<OutputRowValue> values = OutputRowValues(state, i);
    std::string row = FormatInt(i, OutputStepWidth);
    for (size_t c = 0; c < columns.size(); ++c) row += FormatFixed(values[c].value, columns[c].width, columns[c].decimals);
    return row;
}

}  // namespace vantorel
