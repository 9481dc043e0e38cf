#include "app/runner/DataSummary.h"

#include "model/NumberText.h"

namespace vantorel {

namespace {

const char* StepName(int32_t days) {
    switch (days) {
        case 360: return "yearly steps";
        case 30: return "monthly steps";
        case 7: return "weekly steps";
        case 1: return "daily steps";
        default: return "steps";
    }
}

int CountSalinities(const StepSeries& series, int32_t steps) {
    int count = 0;
    for (int32_t i = 1; i <= steps; ++i) {
        if (series[i] > 0) ++count;
    }
    return count;
}

}  // namespace

void PrintDataSummary(const InputData& d, std::ostream& out) {
    const int32_t n = d.NrTimeSteps;
    out << "File:               " << d.FileName << '\n';
    out << "First title:        " << d.Title1 << '\n';
    out << "Second title:       " << d.Title2 << '\n';
    out << "Time steps:         " << n << " " << StepName(d.Ts) << " of " << d.Ts << (d.Ts == 1 ? " day" : " days")
        << '\n';
    if (d.StartDate) {
        const std::optional<CalendarDay> end = StepFirstDay(*d.StartDate, d.Ts, static_cast<int64_t>(n) + 1);
        out << "Dates:              " << IsoDateText(*d.StartDate) << " to "
            << (end ? IsoDateText(*end - std::chrono::days(1)) : "after 9999") << '\n';
    }
    out << "Root zone layers:   " << d.NrLayers << '\n';
    out << "Drainage system:    ";
    if (d.DrainPresent) {
        out << "yes, drains at " << FormatGeneral(d.Dd) << " m, QH1 = " << FormatGeneral(d.QH1)
            << ", QH2 = " << FormatGeneral(d.QH2) << '\n';
    } else {
        out << "no\n";
    }
    out << "Rice under water:   ";
    if (d.RicePresent) {
        out << "yes, infiltration capacity " << FormatGeneral(d.InfCap) << " mm/day, transpiration "
            << FormatGeneral(d.RiceTransp) << " % of evaporation\n";
    } else {
        out << "no\n";
    }
    out << "Measured depths:    " << d.NrMeasDwt << '\n';
    out << "Measured discharge: " << d.NrMeasDrain << '\n';
    out << "Measured salinity:  ";
    if (d.Is1Layer) {
        out << "root zone " << CountSalinities(d.S1meas, n);
    } else {
        out << "layer 1 " << CountSalinities(d.S1meas, n) << ", layer 2 " << CountSalinities(d.S2meas, n);
        if (d.Is3Layer) out << ", layer 3 " << CountSalinities(d.S3meas, n);
    }
    out << ", transition zone " << CountSalinities(d.STmeas, n) << ", aquifer " << CountSalinities(d.SAmeas, n)
        << '\n';
    if (d.OlderFile) out << "Older layout:       yes (no depth column)\n";
}

}  // namespace vantorel
