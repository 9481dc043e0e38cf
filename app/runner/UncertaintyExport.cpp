#include "app/runner/UncertaintyExport.h"

#include <filesystem>
#include <system_error>

#include "app/runner/DrainDesign.h"
#include "app/runner/ManyRuns.h"
#include "app/runner/Runner.h"
#include "app/runner/StudyCommand.h"
#include "app/runner/UncertaintyPictures.h"
#include "engine/UncertaintyTables.h"
#include "model/TextFile.h"

namespace vantorel {

std::optional<std::string> ReadUncertaintyFolder(const CommandLine& line) {
    if (!line.Has("uncertainty")) return std::nullopt;
    const bool single_run = !WantsDrainDesign(line) && !WantsStudy(line) && !WantsManyRuns(line) &&
                            !line.Has("no-run") && !line.Has("check") && !line.Has("resave");
    if (!single_run) {
        throw UsageError(
            "--uncertainty needs the run of one input file: it cannot go with several files, a study, "
            "a drain design, --no-run, --check or --resave.");
    }
    return line.Value("uncertainty");
}

std::optional<std::string> UncertaintyRefusalBeforeRun(const InputData& loaded, const RunAnswers& answers) {
    if (const auto refusal = UncertaintyRefusal(loaded, answers.drainage_optimization)) {
        return "--uncertainty: " + loaded.FileName + ": " + *refusal +
               (loaded.DrainPresent ? " Answer yes to the optimization (--drainage-opt yes or --yes)." : "");
    }
    return std::nullopt;
}

int ExportUncertainty(const std::string& folder, const InputData& loaded, const ModelState& completed_run,
                      std::ostream& out, std::ostream& err) {
    UncertaintyBasis basis;
    try {
        basis = UncertaintyBasisOf(completed_run);
    } catch (const UncertaintyError& error) {
        err << "vantorel-run: --uncertainty: " << loaded.FileName << ": " << error.what() << '\n';
        return ExitBadInput;
    }
    FactorUncertainty uncertainty;
    try {
        uncertainty = ComputeFactorUncertainty(loaded, basis);
    } catch (const UncertaintyError& error) {
        err << "vantorel-run: --uncertainty: " << loaded.FileName << ": the uncertainty could not be computed: "
            << error.what() << '\n';
        return ExitRunFailed;
    }
    for (const std::string& line : UncertaintySummaryLines(uncertainty)) out << line << '\n';

    const std::filesystem::path place(folder);
    std::error_code created;
    std::filesystem::create_directories(place, created);
    if (created) {
        err << "vantorel-run: The folder " << folder << " could not be created: " << created.message() << ".\n";
        return ExitRunFailed;
    }
    std::vector<std::string> files = {"posterior.csv", "intervals.csv", "bands.csv"};
    try {
        WriteLinesFile((place / files[0]).string(), PosteriorCsvLines(uncertainty));
        WriteLinesFile((place / files[1]).string(), IntervalsCsvLines(uncertainty));
        WriteLinesFile((place / files[2]).string(), BandsCsvLines(uncertainty));
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitRunFailed;
    }
    const PictureFiles pictures = SaveUncertaintyPictureFiles(uncertainty, completed_run.Run, folder);
    if (!pictures.error.empty()) {
        err << "vantorel-run: " << pictures.error << '\n';
        return ExitRunFailed;
    }
    files.insert(files.end(), pictures.files.begin(), pictures.files.end());
    out << "Uncertainty written to " << folder << ":";
    for (const std::string& file : files) out << ' ' << file;
    out << '\n';
    NoteNoPictures(out);
    return ExitOk;
}

}  // namespace vantorel
