#include "engine/SeriesImport.h"

#include <algorithm>
#include <set>

#include "engine/DailyEvaporation.h"
#include "model/DailyRecords.h"
#include "model/InputFileLayout.h"
#include "model/NumberText.h"
#include "model/PlainNumber.h"

namespace vantorel {

namespace {

using Q = SeriesQuantity;

void OptionProblem(std::vector<ImportProblem>& problems, const char* option, const std::string& text) {
    problems.push_back({"", 0, "", option, text});
}

}  // namespace

void CheckImportSettings(const ImportSettings& s, std::vector<ImportProblem>& problems) {
    if (s.ts < 1 || s.ts > LongestTimeStep) {
        OptionProblem(problems, "--step", "a step of " + std::to_string(s.ts) + " days is not between 1 and " +
                                              std::to_string(LongestTimeStep));
    }
    if ((s.ts == 30 || s.ts == 360) && !IsFirstOfMonth(s.start)) {
        OptionProblem(problems, "--start",
                      IsoDateText(s.start) + " is not the first day of a month, as steps of calendar months need");
    }
    if (s.steps && *s.steps < 1) OptionProblem(problems, "--steps", "the number of steps must be at least 1");
    const auto range = [&](const char* option, const std::optional<double>& value, double lowest, double highest,
                           const char* unit) {
        if (value && !(*value >= lowest && *value <= highest)) {
            OptionProblem(problems, option,
                          FormatSignificant(*value, 15) + " lies outside " + FormatSignificant(lowest, 15) + " to " +
                              FormatSignificant(highest, 15) + unit);
        }
    };
    range("--latitude", s.latitude, -90, 90, " degrees");
    range("--elevation", s.elevation, -500, 9000, " m");
    range("--wind-height", s.wind_height, 0.5, 100, " m");
    range("--crop-factor", s.crop_factor, 0, 5, "");
}

namespace {

// Columns that must have a value on every day, as alternatives of columns that go together: a
// day is complete when every column of one alternative has a value.
struct DailyNeed {
    std::vector<std::vector<Q>> alternatives;
};

std::vector<DailyNeed> DailyNeeds(const DailyRecords& r, EvaporationMethod method) {
    std::vector<DailyNeed> needs = {{{{Q::Rain}}}};
    if (method == EvaporationMethod::Given) needs.push_back({{{Q::Evaporation}}});
    if (method == EvaporationMethod::PenmanMonteith || method == EvaporationMethod::Hargreaves) {
        needs.push_back({{{Q::Tmin}}});
        needs.push_back({{{Q::Tmax}}});
    }
    if (method == EvaporationMethod::PenmanMonteith) {
        needs.push_back({{{Q::WindSpeed}}});
        DailyNeed humidity, radiation;
        if (r.HasColumn(Q::RhMax) && r.HasColumn(Q::RhMin)) humidity.alternatives.push_back({Q::RhMax, Q::RhMin});
        if (r.HasColumn(Q::RhMean)) humidity.alternatives.push_back({Q::RhMean});
        if (r.HasColumn(Q::SolarRadiation)) radiation.alternatives.push_back({Q::SolarRadiation});
        if (r.HasColumn(Q::SunshineHours)) radiation.alternatives.push_back({Q::SunshineHours});
        needs.push_back(humidity);
        needs.push_back(radiation);
    }
    return needs;
}

bool HasAll(const DailyRecords& r, const std::vector<Q>& columns, CalendarDay day) {
    return std::all_of(columns.begin(), columns.end(), [&](Q q) { return r.Value(q, day).has_value(); });
}

bool Complete(const DailyRecords& r, const DailyNeed& need, CalendarDay day) {
    return std::any_of(need.alternatives.begin(), need.alternatives.end(),
                       [&](const std::vector<Q>& columns) { return HasAll(r, columns, day); });
}

// The last day on which every need can have a value, by the last values of its columns.
std::optional<CalendarDay> DataEnd(const DailyRecords& r, const std::vector<DailyNeed>& needs,
                                   const std::vector<SeriesFile>& files, std::vector<ImportProblem>& problems) {
    std::optional<CalendarDay> end;
    bool complete = true;
    for (const DailyNeed& need : needs) {
        std::optional<CalendarDay> need_end;
        std::string names;
        for (const std::vector<Q>& columns : need.alternatives) {
            // Columns that go together are complete up to the earliest of their last days, and never
            // when one of them has no values at all.
            std::optional<CalendarDay> last = r.LastDay(columns.front());
            for (const Q q : columns) {
                names += (names.empty() ? "" : " or ") + std::string(InfoOf(q).name);
                const std::optional<CalendarDay> column_last = r.LastDay(q);
                if (!column_last || (last && *column_last < *last)) last = column_last;
            }
            if (last && (!need_end || *last > *need_end)) need_end = last;
        }
        if (!need_end) {
            problems.push_back({files[r.FirstFileWith(need.alternatives.front().front())].name, 0, "", names,
                                "no values, but every day needs one"});
            complete = false;
        } else if (!end || *need_end < *end) {
            end = need_end;
        }
    }
    return complete ? end : std::nullopt;
}

// The first day from `from` on with a value in any column of the need; every day before it lacks
// the need, so that a long gap is passed over at once.
CalendarDay NextDayWithValue(const DailyRecords& r, const DailyNeed& need, CalendarDay from) {
    CalendarDay next = CalendarDay::max();
    for (const std::vector<Q>& columns : need.alternatives) {
        for (const Q q : columns) {
            const auto found = r.Values(q).lower_bound(from);
            if (found != r.Values(q).end() && found->first < next) next = found->first;
        }
    }
    return next;
}

// Lists every run of days on which a need has no value, one problem per run.
void ListGaps(const DailyRecords& r, const std::vector<DailyNeed>& needs, const std::vector<SeriesFile>& files,
              CalendarDay first, CalendarDay end, std::vector<ImportProblem>& problems) {
    for (const DailyNeed& need : needs) {
        std::optional<CalendarDay> run_start;
        ImportProblem run;
        const auto close = [&](CalendarDay day) {
            const int64_t length = (day - *run_start).count();
            if (length > 1) run.date = IsoDateText(*run_start) + " to " + IsoDateText(day - std::chrono::days(1));
            run.text = length > 1 ? "no values on " + std::to_string(length) + " days in a row, but every day needs one"
                                  : "no value, but every day needs one";
            problems.push_back(run);
            run_start.reset();
        };
        for (CalendarDay day = first; day < end;) {
            if (Complete(r, need, day)) {
                if (run_start) close(day);
                day += std::chrono::days(1);
                continue;
            }
            const CalendarDay next = std::min(end, NextDayWithValue(r, need, day + std::chrono::days(1)));
            if (run_start) {
                day = next;
                continue;
            }
            run_start = day;
            std::string missing;
            std::optional<DailyValue> empty;
            Q first_missing = need.alternatives.front().front();
            std::set<Q> named;
            for (const std::vector<Q>& columns : need.alternatives) {
                for (const Q q : columns) {
                    if (r.Value(q, day) || !named.insert(q).second) continue;
                    if (missing.empty()) first_missing = q;
                    missing += (missing.empty() ? "" : " or ") + std::string(InfoOf(q).name);
                    if (!empty) empty = r.EmptyCell(q, day);
                }
            }
            run = {empty ? files[empty->file].name : files[r.FirstFileWith(first_missing)].name,
                   empty ? empty->line : 0, IsoDateText(day), missing, ""};
            day = next;
        }
        if (run_start) close(end);
    }
}

// The value as the input file keeps it, so that the data set imported and the file it is saved
// to hold the same numbers.
double AsWritten(double value, int decimals) {
    return PlainNumber(FormatFixed(value, 0, decimals)).value_or(value);
}

struct StepTable {
    std::vector<CalendarDay> bounds;  // bounds[k - 1] is the first day of step k; the last ends the steps

    // The step of a day, 0 outside the steps.
    int32_t StepOf(CalendarDay day) const {
        if (day < bounds.front() || day >= bounds.back()) return 0;
        return static_cast<int32_t>(std::upper_bound(bounds.begin(), bounds.end(), day) - bounds.begin());
    }
    int64_t Days(int32_t step) const { return (bounds[step] - bounds[step - 1]).count(); }
};

StepSeries& TargetSeries(InputData& d, Q q) {
    switch (q) {
        case Q::Rain: return d.Rain;
        case Q::Irrigation: return d.Irrig;
        case Q::Evaporation: return d.ETp;
        case Q::SurfaceDrainage: return d.Sdr;
        case Q::DrainDischarge: return d.DrainMeas;
        case Q::WaterTableDepth: return d.DwtMeas;
        case Q::SalinityLayer1: return d.S1meas;
        case Q::SalinityLayer2: return d.S2meas;
        case Q::SalinityLayer3: return d.S3meas;
        case Q::SalinityTransitionZone: return d.STmeas;
        default: return d.SAmeas;
    }
}

int DecimalsWritten(const InputData& d, const StepSeries& series) {
    for (const SeriesColumn& column : HydrologicalColumns) {
        if (&(d.*column.field) == &series) return column.decimals;
    }
    for (const SeriesColumn& column : LayerLayoutFor(d).salinities) {
        if (&(d.*column.field) == &series) return column.decimals;
    }
    return 2;
}

// The whole steps from the start up to the last day, no more than the settings ask for: the
// largest count whose end is a day after the last at the latest.
int32_t WholeSteps(const ImportSettings& s, CalendarDay last) {
    const auto ends_in_time = [&](int64_t steps) {
        const std::optional<CalendarDay> end = StepFirstDay(s.start, s.ts, steps + 1);
        return end && *end <= last + std::chrono::days(1);
    };
    // A step lasts at least its length, or 28 days a month.
    const int64_t shortest = s.ts == 30 ? 28 : s.ts == 360 ? 12 * 28 : s.ts;
    int64_t low = 0, high = std::min<int64_t>(s.steps.value_or(INT32_MAX - 1), std::max<int64_t>(0, (last - s.start).count() / shortest + 1));
    while (low < high) {
        const int64_t middle = low + (high - low + 1) / 2;
        if (ends_in_time(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return static_cast<int32_t>(low);
}

// Sums amounts and averages readings into the steps; counts what each column gave.
ImportedColumn Aggregate(const DailyRecords& r, Q q, const StepTable& steps, InputData& d) {
    ImportedColumn column{q};
    const SeriesKind kind = InfoOf(q).kind;
    const bool amount = kind == SeriesKind::Flux || kind == SeriesKind::Event;
    StepSeries& target = TargetSeries(d, q);
    std::vector<double> sums(static_cast<size_t>(d.NrTimeSteps) + 1, 0.0);
    std::vector<int64_t> counts(sums.size(), 0);
    for (const auto& [day, value] : r.Values(q)) {
        const int32_t step = steps.StepOf(day);
        if (step == 0) {
            ++column.unused;
            continue;
        }
        ++column.days;
        sums[step] += value.value;
        ++counts[step];
    }
    if (kind == SeriesKind::Weather || kind == SeriesKind::CropFactor) return column;
    const int decimals = DecimalsWritten(d, target);
    for (int32_t step = 1; step <= d.NrTimeSteps; ++step) {
        if (amount) {
            column.total += sums[step];
            if (sums[step] > 0) ++column.steps;
            target[step] = AsWritten(sums[step], decimals);
        } else if (counts[step] > 0) {
            ++column.steps;
            const double mean = sums[step] / static_cast<double>(counts[step]);
            // The input file keeps the discharge per time step, the readings per day.
            const double kept = q == Q::DrainDischarge ? mean * static_cast<double>(steps.Days(step)) : mean;
            target[step] = AsWritten(kept, decimals);
        }
    }
    return column;
}

void ResetSeries(InputData& d, int32_t steps, int32_t ts) {
    d.NrTimeSteps = steps;
    d.NrTimeStepsSaved = steps;
    d.Ts = ts;
    const size_t size = static_cast<size_t>(steps) + 1;
    for (StepSeries* series : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr}) series->assign(size, 0.0);
    for (StepSeries* series : {&d.DwtMeas, &d.DrainMeas}) series->assign(size, MissingDepthOrDischarge);
    for (StepSeries* series : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
        series->assign(size, MissingSalinity);
    }
    ResizeLoadedSeries(d);
}

// Salinities of layers the base's root zone lacks have no place in its input file.
void CheckLayers(const InputData& base, const DailyRecords& r, const std::vector<SeriesFile>& files,
                 std::vector<ImportProblem>& problems) {
    for (const auto& [q, layers] : {std::pair{Q::SalinityLayer2, 2}, std::pair{Q::SalinityLayer3, 3}}) {
        if (r.HasColumn(q) && base.NrLayers < layers) {
            problems.push_back({files[r.FirstFileWith(q)].name, 1, "", InfoOf(q).name,
                                "the base data set has a root zone of " + std::to_string(base.NrLayers) +
                                    (base.NrLayers == 1 ? " layer" : " layers")});
        }
    }
}

}  // namespace

std::optional<int32_t> StepLengthNamed(const std::string& name) {
    if (name == "day") return 1;
    if (name == "week") return 7;
    if (name == "month") return 30;
    if (name == "year") return 360;
    return std::nullopt;
}

SeriesImport ImportSeries(const InputData& base, const std::vector<SeriesFile>& files, const ImportSettings& settings) {
    SeriesImport result;
    std::vector<ImportProblem>& problems = result.problems;
    CheckImportSettings(settings, problems);
    // Nothing can be counted in steps of no length.
    if (settings.ts < 1 || settings.ts > LongestTimeStep) return result;
    const DailyRecords records(files, problems);
    CheckLayers(base, records, files, problems);
    result.method = ChooseMethod(records, result.unused_weather);
    if (!records.HasColumn(Q::Rain)) problems.push_back({"", 0, "", "rain", "no file has this column, which every day needs"});
    if (result.method == EvaporationMethod::None) {
        problems.push_back({"", 0, "", "evaporation",
                            "no file has this column, nor tmin and tmax to compute the evaporation from"});
    }
    const bool needs_site = result.method == EvaporationMethod::PenmanMonteith || result.method == EvaporationMethod::Hargreaves;
    if (needs_site && !settings.latitude) OptionProblem(problems, "--latitude", "the evaporation from the weather needs the latitude");
    if (result.method == EvaporationMethod::PenmanMonteith && !settings.elevation) {
        OptionProblem(problems, "--elevation", "the Penman-Monteith evaporation needs the elevation");
    }
    if (!records.HasColumn(Q::Rain) || result.method == EvaporationMethod::None) return result;

    const std::vector<DailyNeed> needs = DailyNeeds(records, result.method);
    result.data_end = DataEnd(records, needs, files, problems);
    if (!result.data_end) return result;
    result.steps = WholeSteps(settings, *result.data_end);
    result.first_day = settings.start;
    result.end_day = *StepFirstDay(settings.start, settings.ts, static_cast<int64_t>(result.steps) + 1);
    if (result.steps == 0) {
        OptionProblem(problems, "--start",
                      "the data needed every day end on " + IsoDateText(*result.data_end) +
                          ", before the first step from " + IsoDateText(settings.start) + " is complete");
        return result;
    }
    if (settings.steps && result.steps < *settings.steps) {
        OptionProblem(problems, "--steps", "the data cover only " + std::to_string(result.steps) + " whole steps from " +
                                               IsoDateText(settings.start) + ", not " + std::to_string(*settings.steps));
    }
    ListGaps(records, needs, files, result.first_day, result.end_day, problems);
    if (!problems.empty()) return result;

    StepTable steps;
    for (int64_t step = 1; step <= result.steps + 1; ++step) steps.bounds.push_back(*StepFirstDay(settings.start, settings.ts, step));
    InputData& d = result.data;
    d = base;
    ResetSeries(d, result.steps, settings.ts);
    d.StartDate = settings.start;
    for (const SeriesColumnInfo& info : SeriesColumnInfos()) {
        if (records.HasColumn(info.quantity)) result.columns.push_back(Aggregate(records, info.quantity, steps, d));
    }
    if (result.method != EvaporationMethod::Given) {
        for (CalendarDay day = result.first_day; day < result.end_day; day += std::chrono::days(1)) {
            const double crop = records.Value(Q::CropFactor, day).value_or(settings.crop_factor);
            // A negative ET0, dew, counts as none.
            d.ETp[steps.StepOf(day)] += crop * std::max(*DailyEt0(records, result.method, settings, day), 0.0);
        }
        const int decimals = DecimalsWritten(d, d.ETp);
        for (int32_t step = 1; step <= d.NrTimeSteps; ++step) d.ETp[step] = AsWritten(d.ETp[step], decimals);
    }
    for (int32_t step = 1; step <= d.NrTimeSteps; ++step) result.evaporation_total += d.ETp[step];
    d.SdrGiven = d.Sdr;
    return result;
}

}  // namespace vantorel
