#include "app/runner/CalibrationExport.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "app/runner/CalibrationPictures.h"
#include "engine/CalibrationTables.h"
#include "model/NumberText.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

double ReadPercentage(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0 && value <= 100)) {
        throw UsageError("option '--near-optimal' takes a percentage greater than 0 and at most 100, not '" + text + "'");
    }
    return value;
}

std::optional<std::string> CreateFolder(const std::filesystem::path& folder) {
    if (folder.empty()) return std::nullopt;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return "The folder " + folder.string() + " could not be created: " + error.message() + ".";
    return std::nullopt;
}

std::optional<std::string> WriteCsv(const std::vector<std::string>& lines, const std::string& path) {
    try {
        WriteLinesFile(path, lines);
    } catch (const FileError& failure) {
        return failure.what();
    }
    return std::nullopt;
}

// Adds the names of the pictures to the files written; the error of the first that was not.
std::optional<std::string> Added(const PictureFiles& pictures, std::vector<std::string>& files) {
    for (const std::string& path : pictures.files) files.push_back(std::filesystem::path(path).filename().string());
    if (pictures.error.empty()) return std::nullopt;
    return pictures.error;
}

std::string Factor(double value) { return FormatFixed(value, 0, 3); }

void PrintRegion(const ObjectiveMap& map, DrainageObjective objective, double percent, std::ostream& out) {
    out << "Objective map, " << ObjectiveLabel(objective) << ": ";
    if (!IsMeaningful(map, objective)) {
        out << (objective == DrainageObjective::Balance
                    ? "not mapped, since for steps longer than a day it is rounding noise\n"
                    : "no measurements\n");
        return;
    }
    const NearOptimalRegion region = FindNearOptimalRegion(map, objective, percent);
    if (!region.best.found) {
        out << "no pair the search may pick has a finite value\n";
        return;
    }
    out << "best " << FormatSignificant(ObjectiveDisplayValue(map.sums, objective, region.best.index), 6) << ' '
        << ObjectiveUnit(objective) << " at QH1 " << Factor(region.best.qh1) << ", QH2 " << Factor(region.best.qh2)
        << "; within " << FormatSignificant(percent, 6) << " %: QH1 " << Factor(region.qh1_min) << "-"
        << Factor(region.qh1_max) << ", QH2 " << Factor(region.qh2_min) << "-" << Factor(region.qh2_max) << " ("
        << PairCount(region.trials) << ")\n";
    if (region.best_on_edge) {
        out << "  The best pair lies on the edge of the grid: the true optimum may lie outside it.\n";
    }
}

}  // namespace

CalibrationOptions ReadCalibrationOptions(const CommandLine& line) {
    CalibrationOptions options;
    if (line.Has("statistics")) options.statistics_file = line.Value("statistics");
    if (line.Has("objective-map")) options.map_folder = line.Value("objective-map");
    if (line.Has("near-optimal")) {
        if (!options.map_folder) throw UsageError("--near-optimal goes with --objective-map.");
        options.near_optimal_percent = ReadPercentage(line.Value("near-optimal"));
    }
    if (!options.statistics_file && !options.map_folder) return options;
    if (line.Has("no-run")) throw UsageError("--statistics and --objective-map need a run: they cannot go with --no-run.");
    if (line.Has("check") || line.Has("resave")) {
        throw UsageError("--statistics and --objective-map need a run: they cannot go with --check or --resave.");
    }
    return options;
}

std::optional<std::string> ExportFitStatistics(const std::vector<FitStatistics>& rows, const std::string& path) {
    if (auto error = CreateFolder(std::filesystem::path(path).parent_path())) return error;
    return WriteCsv(FitStatisticsCsvLines(rows), path);
}

std::optional<std::string> ObjectiveMapRefusal(const CalibrationOptions& options, const InputData& loaded) {
    if (!options.map_folder || loaded.DrainPresent) return std::nullopt;
    return "--objective-map: " + loaded.FileName +
           " has no subsurface drainage system, so it has no drainage factors to map.";
}

std::optional<std::string> ExportCalibration(const CalibrationOptions& options, const InputData& loaded,
                                             const ModelState& completed_run,
                                             const std::vector<FitStatistics>& statistics, std::ostream& out) {
    if (options.statistics_file) {
        if (auto error = ExportFitStatistics(statistics, *options.statistics_file)) return error;
        out << "Fit statistics written to " << *options.statistics_file << '\n';
    }
    if (!options.map_folder) return std::nullopt;
    ObjectiveMap map;
    try {
        map = ComputeObjectiveMap(loaded);
    } catch (const ObjectiveMapError& error) {
        return std::string("The objective map could not be computed: ") + error.what();
    }
    for (const DrainageObjective objective : DrainageObjectives) {
        PrintRegion(map, objective, options.near_optimal_percent, out);
    }

    const std::filesystem::path folder(*options.map_folder);
    if (auto error = CreateFolder(folder)) return error;
    std::vector<std::string> files = {"objective-map.csv"};
    if (auto error = WriteCsv(ObjectiveMapCsvLines(map), (folder / files.back()).string())) return error;

    const RunValues& r = completed_run.Run;
    if (auto error = Added(SaveObjectiveMapPictures(map, options.near_optimal_percent, r, folder.string()), files)) {
        return error;
    }
    if (!r.LeachingCurves.empty()) {
        files.push_back("leaching-curves.csv");
        if (auto error = WriteCsv(LeachingCurvesCsvLines(r.LeachingCurves), (folder / files.back()).string())) {
            return error;
        }
        if (auto error = Added(SaveLeachingCurvesPicture(r, folder.string()), files)) return error;
    }
    out << "Objective map written to " << folder.string() << ":";
    for (const std::string& file : files) out << ' ' << file;
    out << '\n';
    NoteNoPictures(out);
    return std::nullopt;
}

}  // namespace vantorel
