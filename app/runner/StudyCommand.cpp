#include "app/runner/StudyCommand.h"

#include <filesystem>
#include <sstream>

#include "app/runner/CsvJournal.h"
#include "app/runner/ManyRuns.h"
#include "app/runner/OrderedBlocks.h"
#include "app/runner/Runner.h"
#include "app/runner/StudyPictures.h"
#include "engine/RunPool.h"
#include "engine/StudyRun.h"
#include "model/CsvFile.h"
#include "model/DerivedValues.h"
#include "model/FileNames.h"
#include "model/InputFile.h"

namespace vantorel {

const std::vector<OptionDefinition> StudyOptions = {{"scenarios", true, false}, {"study-dir", true, false}};

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

}  // namespace

bool WantsStudy(const CommandLine& line) { return line.Has("scenarios") || line.Has("study-dir"); }

int RunStudyCommand(const CommandLine& line, const QuestionAnswers& answers, const StopRequest& stop, std::ostream& out,
                    std::ostream& err) {
    const auto usage = [&](const std::string& what) {
        err << "vantorel-run: " << what << "\nTry 'vantorel-run --help'.\n";
        return ExitBadInput;
    };
    if (!line.Has("scenarios") || !line.Has("study-dir")) return usage("a study needs --scenarios and --study-dir.");
    for (const char* other : {"output", "tables", "graphs", "no-run", "check", "resave", "manifest", "skip-done", "shard"}) {
        if (line.Has(other)) return usage(std::string("--") + other + " cannot be combined with --scenarios.");
    }
    if (line.arguments.size() != 1) return usage("a study takes one base input file.");
    unsigned jobs = 0;
    try {
        jobs = JobsOption(line);
    } catch (const UsageError& error) {
        return usage(error.what());
    }

    Study study;
    InputData base;
    try {
        study = ReadStudy(line.Value("scenarios"));
        base.FileName = line.arguments.front();
        StudyLoadDialogs dialogs(out);
        LoadInputFile(base, dialogs);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitBadInput;
    }
    ComputeDerivedValues(base);
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
    // An earlier study's summary would be stale from the start.
    std::optional<CsvJournal> journal;
    try {
        journal.emplace(summary, CsvLine(StudySummaryHeader()));
    } catch (const FileError& failure) {
        err << "vantorel-run: " << failure.what() << '\n';
        return ExitRunFailed;
    }
    std::vector<ScenarioResult> results(study.scenarios.size());
    OrderedBlocks blocks(results.size(), out, ProgressStream(err));
    RunSideBySide(
        results.size(), jobs,
        [&](size_t i) { results[i] = RunScenario(study, study.scenarios[i], base, folder, answers, &stop); },
        [&](size_t i) {
            blocks.Finish(i, Block(results[i]), results[i].status != RunStatus::Completed);
            journal->Append(CsvLine(StudySummaryRow(results[i])));
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
    std::vector<std::string> rows;
    for (const ScenarioResult& result : results) rows.push_back(CsvLine(StudySummaryRow(result)));
    try {
        journal->Finish(rows);
        out << "Summary written to " << summary << '\n';
    } catch (const FileError& failure) {
        err << "vantorel-run: " << failure.what() << '\n';
        return ExitRunFailed;
    }
    // Pictures of a study cut short would compare only some of its scenarios.
    if (stop.Requested()) return status;
    const PictureFiles pictures = SaveStudyPictures(results, folder);
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
