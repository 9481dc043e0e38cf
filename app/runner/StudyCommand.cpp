#include "app/runner/StudyCommand.h"

#include <filesystem>
#include <sstream>

#include "app/runner/CsvJournal.h"
#include "app/runner/ManyRuns.h"
#include "app/runner/OrderedBlocks.h"
#include "app/runner/Runner.h"
#include "app/runner/StudyPictures.h"
#include "engine/RunPool.h"
#include "engine/SampledRows.h"
#include "engine/StudyRun.h"
#include "engine/StudySamples.h"
#include "model/CsvFile.h"
#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFile.h"

namespace vantorel {

const std::vector<OptionDefinition> StudyOptions = {
    {"scenarios", true, false}, {"study-dir", true, false}, {"samples", true, false}, {"seed", true, false}};

namespace {

class StudyLoadDialogs : public UserDialogs {
public:
    explicit StudyLoadDialogs(std::ostream& out) : out_(out) {}
    void ShowMessage(const std::string& text) override { out_ << "! " << text << '\n'; }
    bool AskYesNo(const std::string&) override { return false; }
    void SetProgress(int) override {}
    void Pause(int) override {}

private:
    std::ostream& out_;
};

std::string Block(const ScenarioResult& result) {
    std::ostringstream block;
    block << "== " << result.name << ": " << RunStatusName(result.status) << '\n';
    for (const std::string& line : result.dialog) block << line << '\n';
    if (result.status == RunStatus::Refused) block << "! " << result.message << '\n';
    return block.str();
}

// --samples N and --seed S. Throws UsageError.
StudySampling SamplingOptions(const CommandLine& line) {
    StudySampling sampling;
    if (line.Has("samples")) {
        const std::string text = line.Value("samples");
        const auto samples = ParseWholeNumber(text);
        if (!samples || *samples < 1 || *samples > static_cast<uint64_t>(MostSamples)) {
            throw UsageError("option '--samples' takes a whole number from 1 to " + std::to_string(MostSamples) +
                             ", not '" + text + "'");
        }
        sampling.samples = static_cast<int32_t>(*samples);
    }
    if (line.Has("seed")) {
        if (!line.Has("samples")) throw UsageError("--seed is the seed of --samples and needs it.");
        const auto seed = ParseWholeNumber(line.Value("seed"));
        if (!seed) {
            throw UsageError("option '--seed' takes a whole number from 0 to 18446744073709551615, not '" +
                             line.Value("seed") + "'");
        }
        sampling.seed = *seed;
    }
    return sampling;
}

// FOLDER/bands.csv and FOLDER/sensitivity.csv of the sampled rows, after a line per row.
int WriteSampledRows(const std::vector<ScenarioResult>& results, const std::vector<SampledRow>& rows,
                     const std::vector<std::string>& sampled_fields, const std::string& folder, std::ostream& out,
                     std::ostream& err) {
    for (const SampledRow& row : rows) {
        out << "Sampled row " << row.name << ": " << row.completed << " of " << row.samples << " samples completed\n";
    }
    try {
        WriteSampledRowTables(folder, rows, results, sampled_fields);
    } catch (const FileError& failure) {
        err << "vantorel-run: " << failure.what() << '\n';
        return ExitRunFailed;
    }
    out << "Bands and sensitivity written to " << folder << ": " << StudyBandsFile << ' ' << StudySensitivityFile
        << '\n';
    return ExitOk;
}

}  // namespace

bool WantsStudy(const CommandLine& line) {
    return line.Has("scenarios") || line.Has("study-dir") || line.Has("samples") || line.Has("seed");
}

int RunStudyCommand(const CommandLine& line, const QuestionAnswers& answers, const StopRequest& stop, std::ostream& out,
                    std::ostream& err) {
    if (!line.Has("scenarios") || !line.Has("study-dir")) {
        return UsageFailure("a study needs --scenarios and --study-dir.", err);
    }
    for (const char* other : {"output", "tables", "graphs", "no-run", "check", "resave", "manifest", "skip-done", "shard"}) {
        if (line.Has(other)) {
            return UsageFailure(std::string("--") + other + " cannot be combined with --scenarios.", err);
        }
    }
    if (line.arguments.size() != 1) return UsageFailure("a study takes one base input file.", err);
    unsigned jobs = 0;
    StudySampling sampling;
    try {
        jobs = JobsOption(line);
        sampling = SamplingOptions(line);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), err);
    }

    Study study;
    InputData base;
    try {
        study = ReadStudy(line.Value("scenarios"));
        base.FileName = line.arguments.front();
        StudyLoadDialogs dialogs(out);
        LoadInputFile(base, dialogs);
        ComputeDerivedValues(base);
        study = SampleStudy(study, sampling, base, line.Value("scenarios"));
    } catch (const std::runtime_error& error) {
        // FileError of the study or base file, or StudySamplingError.
        err << "vantorel-run: " << error.what() << '\n';
        return ExitBadInput;
    }
    const std::vector<std::string> sampled_fields = SampledFields(study);
    const std::string folder = line.Value("study-dir");
    if (const auto overwrite = StudyWouldOverwriteInput(study, ReplaceExtension(line.arguments.front(), ".inp"),
                                                        line.Value("scenarios"), folder)) {
        err << "vantorel-run: " << *overwrite << '\n';
        return ExitBadInput;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        err << "vantorel-run: the folder " << folder << " could not be created: " << error.message() << ".\n";
        return ExitBadInput;
    }
    const std::string summary = (std::filesystem::path(folder) / "summary.csv").string();
    // An earlier study's summary would be stale from the start, and so would its bands.
    if (sampling.samples) RemoveSampledRowTables(folder);
    std::optional<CsvJournal> journal;
    try {
        journal.emplace(summary, CsvLine(StudySummaryHeader(sampled_fields)));
    } catch (const FileError& failure) {
        err << "vantorel-run: " << failure.what() << '\n';
        return ExitRunFailed;
    }
    std::vector<ScenarioResult> results(study.scenarios.size());
    std::vector<std::string> rows(results.size());
    OrderedBlocks blocks(results.size(), out, ProgressStream(err));
    RunSideBySide(
        results.size(), jobs,
        [&](size_t i) { results[i] = RunScenario(study, study.scenarios[i], base, folder, answers, &stop); },
        [&](size_t i) {
            blocks.Finish(i, Block(results[i]), results[i].status != RunStatus::Completed);
            rows[i] = CsvLine(StudySummaryRow(results[i], sampled_fields));
            journal->Append(rows[i]);
        });
    blocks.Close();

    int status = ExitOk;
    size_t interrupted = 0;
    for (const ScenarioResult& result : results) {
        if (result.status == RunStatus::Completed) continue;
        status = ExitRunFailed;
        if (result.status == RunStatus::Interrupted) {
            ++interrupted;
            continue;
        }
        err << "vantorel-run: " << RunStatusName(result.status) << ": " << result.message << '\n';
    }
    if (interrupted > 0) {
        err << "vantorel-run: interrupted: " << interrupted << " of " << results.size()
            << " scenarios were not run to their end.\n";
    }
    try {
        journal->Finish(rows);
        out << "Summary written to " << summary << '\n';
    } catch (const FileError& failure) {
        err << "vantorel-run: " << failure.what() << '\n';
        return ExitRunFailed;
    }
    // Pictures and bands of a study cut short would show only some of its scenarios.
    if (stop.Requested()) return status;
    const std::vector<SampledRow> sampled_rows = SampledRowsOf(results);
    if (sampling.samples) {
        if (const int written = WriteSampledRows(results, sampled_rows, sampled_fields, folder, out, err); written != ExitOk) {
            return written;
        }
    }
    const PictureFiles pictures = SaveStudyPictures(results, sampled_rows, folder);
    if (!pictures.error.empty()) {
        err << "vantorel-run: " << pictures.error << '\n';
        return ExitRunFailed;
    }
    if (!pictures.files.empty()) {
        out << "Pictures written to " << folder << ":";
        for (const std::string& file : pictures.files) out << ' ' << std::filesystem::path(file).filename().string();
        out << '\n';
    }
    NoteNoPictures(out);
    return status;
}

}  // namespace vantorel
