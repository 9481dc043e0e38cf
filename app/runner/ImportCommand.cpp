#include "app/runner/ImportCommand.h"

#include <charconv>

#include "app/runner/ConsoleDialogs.h"
#include "app/runner/Runner.h"
#include "engine/ImportReport.h"
#include "engine/SeriesImport.h"
#include "model/InputFile.h"
#include "model/PlainNumber.h"

namespace vantorel {

const std::vector<OptionDefinition> ImportOptions = {
    {"import", true, true},       {"start", true, false},     {"step", true, false},        {"steps", true, false},
    {"latitude", true, false},    {"elevation", true, false}, {"wind-height", true, false}, {"crop-factor", true, false},
};

namespace {

std::optional<double> NumberOption(const CommandLine& line, const std::string& name) {
    if (!line.Has(name)) return std::nullopt;
    const std::string text = line.Value(name);
    const std::optional<double> value = PlainNumber(text);
    if (!value) throw UsageError("option '--" + name + "' takes a number with a decimal point, not '" + text + "'");
    return value;
}

ImportSettings SettingsOf(const CommandLine& line, const InputData& base) {
    ImportSettings settings;
    const std::optional<CalendarDay> start = ParseIsoDate(line.Value("start"));
    if (!start) throw UsageError("option '--start' takes a date written YYYY-MM-DD, not '" + line.Value("start") + "'");
    settings.start = *start;
    settings.ts = base.Ts;
    if (line.Has("step")) {
        const std::optional<int32_t> ts = StepLengthNamed(line.Value("step"));
        if (!ts) throw UsageError("option '--step' takes day, week, month or year, not '" + line.Value("step") + "'");
        settings.ts = *ts;
    }
    if (line.Has("steps")) {
        const std::string text = line.Value("steps");
        int32_t steps = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), steps);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || steps < 1) {
            throw UsageError("option '--steps' takes a whole number of at least 1, not '" + text + "'");
        }
        settings.steps = steps;
    }
    settings.latitude = NumberOption(line, "latitude");
    settings.elevation = NumberOption(line, "elevation");
    settings.wind_height = NumberOption(line, "wind-height").value_or(settings.wind_height);
    settings.crop_factor = NumberOption(line, "crop-factor").value_or(settings.crop_factor);
    return settings;
}

}  // namespace

bool WantsImport(const CommandLine& line) {
    for (const OptionDefinition& option : ImportOptions) {
        if (line.Has(option.name)) return true;
    }
    return false;
}

int RunImportCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!line.Has("import")) {
        return UsageFailure("--start, --step, --steps, --latitude, --elevation, --wind-height and "
                            "--crop-factor are taken only with --import.",
                            err);
    }
    if (!line.Has("resave")) {
        return UsageFailure("--import needs --resave NEW.inp, the file the data set is saved to.", err);
    }
    if (!line.Has("start")) {
        return UsageFailure("--import needs --start YYYY-MM-DD, the first day of the first step.", err);
    }
    for (const char* other : {"output", "tables", "graphs", "no-run", "check", "statistics", "objective-map", "jobs",
                              "manifest", "skip-done", "shard", "scenarios", "study-dir"}) {
        if (line.Has(other)) return UsageFailure(std::string("--") + other + " cannot be combined with --import.", err);
    }
    if (line.arguments.size() != 1) return UsageFailure("--import takes one base input file.", err);

    InputData base;
    base.FileName = line.arguments.front();
    ConsoleDialogs dialogs(out, [](const std::string&) { return false; });
    try {
        LoadInputFile(base, dialogs);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitBadInput;
    }
    ImportSettings settings;
    try {
        settings = SettingsOf(line, base);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), err);
    }
    std::vector<ImportProblem> problems;
    std::vector<SeriesFile> files;
    for (const std::string& path : line.Values("import")) files.push_back(ReadSeriesFile(path, problems));
    SeriesImport import = ImportSeries(base, files, settings);
    problems.insert(problems.end(), import.problems.begin(), import.problems.end());
    if (!problems.empty()) {
        err << "vantorel-run: the series were not imported, nothing was written:\n" << ProblemsText(problems);
        return ExitBadInput;
    }
    for (const std::string& report : ImportReportLines(import, files, settings)) out << report << '\n';
    return SaveDataSetAs(import.data, line.Value("resave"), out, err);
}

}  // namespace vantorel
