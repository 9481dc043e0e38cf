#include "model/OutputFileWriter.h"

#include "model/NumberText.h"

namespace vantorel {

namespace {

const std::vector<std::string> Headings1 = {
    "           Percol.  Cap. rise  Act. Evap  Drainage                    Salinity (dS/m)",
    " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - -           Surface   Water",
    "                      (mm/time step)               (m)        Rootzone  Trans.zone  Aquifer  Storage   dr.     logging",
    " - - - - - - - - - - - - - - -- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -",
};
const std::vector<std::string> Headings2 = {
    "           Percol.  Cap. rise  Act. Evap  Drainage                    Salinity (dS/m)",
    " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - - - - - - - - -          Surf.     Water",
    "                      (mm/time step)               (m)        Rootzone ",
    "                                                            - - - - - - -  Transit.  Aquifer  Storage   dr.     loggging",
    "                                                            Layer1  Layer2   zone",
    " - - - - - - - - - - - - - - -- - - - - - - - - -  - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -",
};
const std::vector<std::string> Headings3 = {
    "           Percol.  Cap. rise  Act. Evap  Drainage                         Salinity (dS/m)",
    " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - - - - - - - -  - -           Surface   Water",
    "                      (mm/time step)               (m)              Rootzone ",
    "                                                            - - - - - - - - - - - - Transit.  Aquifer    Storage   dr.     loggging",
    "                                                            Layer1  Layer2  Layer3   zone",
    " - - - - - - - - - - - - - - -- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -- - - - -",
};

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

std::string LeachingLine(const char* label, double efficiency, bool optimized, bool not_applicable, double fit) {
    std::string line = label + FormatFixed(efficiency, 8, 2);
    if (not_applicable) return line + "  (given),       Coeff. of determination (%) :  n.a.";
    line += optimized ? "  (optimized),   Coeff. of determination (%) :" : "  (given),       Coeff. of determination (%) :";
    return line + FormatFixed(100 * fit, 5, 0);
}

}  // namespace

const std::vector<std::string>& OutputColumnHeadings(int32_t layers) {
    if (layers == 3) return Headings3;
    if (layers == 2) return Headings2;
    return Headings1;
}

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
    lines.push_back(LeachingLine(" Leaching efficiency layer 1   :", d.LE1, run.LEOptimized[Layer1],
                                 run.SaltFitNA[Layer1], run.SaltFit1));
    if (d.Is2Layer || d.Is3Layer) {
        lines.push_back(LeachingLine(" Leaching efficiency layer 2   :", d.LE2, run.LEOptimized[Layer2],
                                     run.SaltFitNA[Layer2], run.SaltFit2));
    }
    if (d.Is3Layer) {
        lines.push_back(LeachingLine(" Leaching efficiency layer 3   :", d.LE3, run.LEOptimized[Layer3],
                                     run.SaltFitNA[Layer3], run.SaltFit3));
    }
    if (d.LEt > 0) {
        lines.push_back(LeachingLine(" Leaching eff. transit. zone   :", d.LEt, run.LEOptimized[TransitionZone],
                                     run.SaltFitNA[TransitionZone], run.SaltFitT));
    }
    if (d.LEa > 0) {
        lines.push_back(LeachingLine(" Leaching efficiency aquifer   :", d.LEa, run.LEOptimized[Aquifer],
                                     run.SaltFitNA[Aquifer], run.SaltFitA));
    }
    lines.emplace_back(" Units:");
    lines.emplace_back(" Water flow in mm/time step,  Salinity in dS/m,   Depth water table (DepthWT) in m");
    lines.emplace_back();
    const std::vector<std::string>& headings = OutputColumnHeadings(d.NrLayers);
    lines.insert(lines.end(), headings.begin(), headings.end());
    return lines;
}

std::vector<OutputRowValue> OutputRowValues(const ModelState& state, int32_t i) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    std::vector<OutputRowValue> values = {
        {r.Perc[i], "percolation"},
        {r.Cap[i], "capillary rise"},
        {r.EvapT[i], "actual evapotranspiration"},
        {r.Drain[i], "drain discharge"},
        {r.Dwt[i - 1], "depth of the water table"},
    };
    if (d.Is1Layer) {
        values.push_back({r.S1[i], "salinity of the root zone"});
    } else {
        values.push_back({r.S1[i], "salinity of layer 1"});
        values.push_back({r.S2[i], "salinity of layer 2"});
        if (d.Is3Layer) values.push_back({r.S3[i], "salinity of layer 3"});
    }
    values.push_back({r.STr[i], "salinity of the transition zone"});
    values.push_back({r.SAq[i], "salinity of the aquifer"});
    values.push_back({d.Stor[i], "change of root-zone moisture"});
    values.push_back({d.Sdr[i], "surface drainage"});
    values.push_back({d.Pond[i], "water standing on the soil surface"});
    return values;
}

std::string OutputRow(const ModelState& state, int32_t i) {
    struct Column {
        int width, decimals;
    };
    // Widths after the step number; the salinity columns differ by layer count.
    static const std::vector<Column> one = {{9, 1}, {9, 1}, {9, 1}, {10, 1}, {10, 2}, {10, 2},
                                            {13, 2}, {9, 2}, {9, 1}, {9, 2}, {9, 1}};
    static const std::vector<Column> two = {{9, 1}, {11, 1}, {9, 1}, {10, 1}, {8, 2}, {9, 2},
                                            {8, 2}, {8, 2}, {10, 2}, {9, 1}, {9, 2}, {9, 1}};
    static const std::vector<Column> three = {{9, 1}, {11, 1}, {9, 1}, {10, 1}, {8, 2}, {9, 2}, {9, 2},
                                              {8, 2}, {9, 2}, {10, 2}, {9, 1}, {9, 2}, {9, 1}};
    const std::vector<Column>& columns = state.Input.Is3Layer ? three : state.Input.Is2Layer ? two : one;
    const std::vector<OutputRowValue> values = OutputRowValues(state, i);
    std::string row = FormatInt(i, 9);
    for (size_t c = 0; c < columns.size(); ++c) row += FormatFixed(values[c].value, columns[c].width, columns[c].decimals);
    return row;
}

}  // namespace vantorel
