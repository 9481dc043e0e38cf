#include "engine/ImportReport.h"

#include "model/NumberText.h"

namespace vantorel {

namespace {

std::string StepName(int32_t ts) {
    switch (ts) {
        case 1: return "a day";
        case 7: return "a week";
        case 30: return "a calendar month";
        case 360: return "twelve calendar months";
        default: return std::to_string(ts) + " days";
    }
}

std::string Plural(int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Millimetres(double value) {
    return FormatFixed(value, 0, 2) + " mm";
}

std::string Unused(const ImportedColumn& column) {
    return column.unused > 0 ? "; " + std::to_string(column.unused) + " outside the steps, not used" : "";
}

std::string ColumnLine(const ImportedColumn& column, int32_t steps) {
    const SeriesColumnInfo& info = InfoOf(column.quantity);
    std::string line = "  " + std::string(info.name) + ": ";
    if (info.kind == SeriesKind::Measurement) {
        line += Plural(column.days, "reading", "readings") + " in " + std::to_string(column.steps) + " of " +
                std::to_string(steps) + " steps";
    } else {
        line += Plural(column.days, "day", "days") + ", " + std::to_string(column.steps) + " of " +
                std::to_string(steps) + " steps, total " + Millimetres(column.total);
    }
    return line + Unused(column);
}

// Weather columns with the same days, named together.
std::string ColumnLine(const ImportedColumn& last, const std::string& names) {
    return "  " + names + ": " + Plural(last.days, "day", "days") + Unused(last);
}

std::string MethodName(EvaporationMethod method) {
    switch (method) {
        case EvaporationMethod::Given: return "given";
        case EvaporationMethod::PenmanMonteith: return "FAO-56 Penman-Monteith";
        case EvaporationMethod::Hargreaves: return "Hargreaves";
        default: return "none";
    }
}

std::vector<std::string> MethodLines(const SeriesImport& import, const ImportSettings& s) {
    if (import.method == EvaporationMethod::Given) return {"Evaporation: given"};
    bool crop_column = false;
    for (const ImportedColumn& column : import.columns) crop_column = crop_column || column.quantity == SeriesQuantity::CropFactor;
    const std::string crop = crop_column ? "(column crop_factor, else " + FormatGeneral(s.crop_factor) + ")"
                                         : FormatGeneral(s.crop_factor);
    std::string site = "  latitude " + FormatGeneral(*s.latitude);
    if (import.method == EvaporationMethod::PenmanMonteith) {
        site += ", elevation " + FormatGeneral(*s.elevation) + " m, wind measured at " + FormatGeneral(s.wind_height) + " m";
    }
    return {"Evaporation: crop factor " + crop + " x ET0 by " + MethodName(import.method) + ", total " +
                Millimetres(import.evaporation_total),
            site};
}

}  // namespace

std::vector<std::string> ImportReportLines(const SeriesImport& import, const std::vector<SeriesFile>& files,
                                           const ImportSettings& settings) {
    std::vector<std::string> lines;
    for (const SeriesFile& file : files) {
        lines.push_back("Read " + file.name + ": " + Plural(static_cast<int64_t>(file.rows.size()), "row", "rows"));
    }
    lines.insert(lines.end(), {
        "Period: " + IsoDateText(import.first_day) + " to " + IsoDateText(import.end_day - std::chrono::days(1)) + ", " +
            Plural(import.steps, "step", "steps") + " of " + StepName(import.data.Ts) + " (Ts " +
            std::to_string(import.data.Ts) + ")",
    });
    for (const std::string& line : MethodLines(import, settings)) lines.push_back(line);
    if (!import.unused_weather.empty()) {
        std::string unused;
        for (const std::string& name : import.unused_weather) unused += (unused.empty() ? "" : ", ") + name;
        lines.push_back(import.method == EvaporationMethod::Given
                            ? "Not used, since the evaporation is given: " + unused
                            : "Not used, since Penman-Monteith needs wind_speed, rh_max and rh_min or rh_mean, and "
                              "sunshine_hours or solar_radiation: " + unused);
    }
    // The weather columns of a station have the same days, so they share a line.
    std::string weather;
    const ImportedColumn* previous = nullptr;
    for (const ImportedColumn& column : import.columns) {
        const SeriesKind kind = InfoOf(column.quantity).kind;
        if (kind != SeriesKind::Weather && kind != SeriesKind::CropFactor) {
            lines.push_back(ColumnLine(column, import.steps));
            continue;
        }
        if (previous && (previous->days != column.days || previous->unused != column.unused)) {
            lines.push_back(ColumnLine(*previous, weather));
            weather.clear();
        }
        weather += (weather.empty() ? "" : ", ") + std::string(InfoOf(column.quantity).name);
        previous = &column;
    }
    if (previous) lines.push_back(ColumnLine(*previous, weather));
    if (import.data_end && *import.data_end >= import.end_day) {
        const int64_t days = (*import.data_end - import.end_day).count() + 1;
        lines.push_back("Not used after the last step: " + IsoDateText(import.end_day) + " to " +
                        IsoDateText(*import.data_end) + " (" + Plural(days, "day", "days") + ")");
    }
    return lines;
}

}  // namespace vantorel
