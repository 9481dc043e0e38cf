#include "app/runner/StudyCommand.h"

#include <filesystem>
#include <sstream>

#include "app/runner/ManyRuns.h"
#include "app/runner/OrderedBlocks.h"
#include "app/runner/Runner.h"
#include "app/runner/StudyPictures.h"
#include "engine/RunPool.h"
#include "engine/StudyRun.h"
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

int RunStudyCommand(const CommandLine& line, const QuestionAnswers& answers, std::ostream& out, std::ostream& err) {
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
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        err << "vantorel-run: the folder " << folder << " could not be created: " << error.message() << ".\n";
        return ExitBadInput;
    }

    if (const auto overwrite = StudyWouldOverwriteBase(study, ReplaceExtension(line.arguments.front(), ".inp"), folder)) {
        err << "vantorel-run: " << *overwrite << '\n';
        return ExitBadInput;
    }
    std::vector<ScenarioResult> results(study.scenarios.size());
    OrderedBlocks blocks(results.size(), out, ProgressStream(err));
    RunSideBySide(
        results.size(), jobs,
        [&](size_t i) { results[i] = RunScenario(study, study.scenarios[i], base, folder, answers); },
        [&](size_t i) { blocks.Finish(i, Block(results[i]), results[i].status != RunStatus::Completed); });
    blocks.Close();

    int status = ExitOk;
    for (const ScenarioResult& result : results) {
        if (result.status == RunStatus::Completed) continue;
        status = ExitRunFailed;
        err << "vantorel-run: " << RunStatusName(result.status) << ": " << result.message << '\n';
    }
    const std::string summary = (std::filesystem::path(folder) / "summary.csv").string();
    try {
        WriteStudySummary(summary, results);
        out << "Summary written to " << summary << '\n';
    } catch (const FileError& failure) {
        err << "vantorel-run: " << failure.what() << '\n';
        return ExitRunFailed;
    }
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
