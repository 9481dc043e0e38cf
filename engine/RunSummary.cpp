#include "engine/RunSummary.h"

#include "engine/CalibrationTables.h"
#include "engine/FitStatistics.h"
#include "model/NumberText.h"

namespace vantorel {

namespace {

std::string Statistic(const std::optional<double>& value) { return value ? FormatSignificant(*value, 4) : "n.a."; }

// One line per observed series of the run. It lives here rather than with the other calibration
// results, whose pictures need Qt: the Python module runs files through the summary without Qt.
void PrintFitStatistics(const std::vector<FitStatistics>& rows, std::ostream& out) {
    for (const FitStatistics& f : rows) {
        out << "Fit statistics, " << f.series << " (n = " << f.n << "): RMSE " << Statistic(f.rmse) << ", MAE "
            << Statistic(f.mae) << ", PBIAS " << Statistic(f.pbias_percent) << " %, NSE " << Statistic(f.nse)
            << ", KGE " << Statistic(f.kge) << ", R2 " << Statistic(f.r_squared) << '\n';
    }
}

std::string HowFound(const RunValues& r) {
    if (r.QHOptBalance) return "optimized for the water balance";
    if (r.QHOptDwt) return "optimized for the water table, data fit " + FormatFixed(100 * r.FitDwt, 0, 0) + " %";
    if (r.QHOptDrain) {
        return "optimized for the drain discharge, data fit " + FormatFixed(100 * r.FitDrain, 0, 0) + " %";
    }
    return "given";
}

}  // namespace

void PrintRunSummary(const ModelState& state, std::ostream& out) {
    const InputData& d = state.Input;
    const RunValues& r = state.Run;
    out << "Output file:         " << d.FileName << '\n';
    if (d.DrainPresent) {
        out << "Drainage factors:    QH1 = " << FormatFixed(r.QH1Used, 0, 3) << ", QH2 = " << FormatFixed(r.QH2Used, 0, 3)
            << " (" << HowFound(r) << ")\n";
    } else {
        out << "Drainage factors:    no drainage system\n";
    }
    struct ZoneLine {
        const char* name;
        int zone;
        bool exists;
    };
    const ZoneLine zones[] = {
        {d.Is1Layer ? "root zone" : "layer 1", Layer1, true},
        {"layer 2", Layer2, !d.Is1Layer},
        {"layer 3", Layer3, d.Is3Layer},
        {"transition zone", TransitionZone, true},
        {"aquifer", Aquifer, true},
    };
    const double fits[ZoneCount] = {r.SaltFit1, r.SaltFit2, r.SaltFit3, r.SaltFitT, r.SaltFitA};
    for (const ZoneLine& z : zones) {
        if (!z.exists) continue;
        out << "Leaching efficiency, " << z.name << ": " << FormatFixed(r.LEUsed[z.zone], 0, 2)
            << (r.LEOptimized[z.zone] ? " (optimized)" : " (given)");
        if (r.SaltFitNA[z.zone]) {
            out << ", fit n.a.\n";
        } else {
            out << ", coefficient of determination " << FormatFixed(100 * fits[z.zone], 0, 0) << " %\n";
        }
    }
    PrintFitStatistics(RunFitStatistics(state), out);
}

}  // namespace vantorel
