#include "engine/FileRun.h"

#include <chrono>

#include "engine/Engine.h"
#include "engine/OptimizationTexts.h"
#include "model/DerivedValues.h"
#include "model/EditorRules.h"
#include "model/FileNames.h"
#include "model/InputFile.h"

namespace vantorel {

namespace {

// Keeps the dialog as the batch runner prints it, answers from the options, and remembers how
// far the calculation got: a run that stops before its first progress position was refused by
// its checks.
class RecordingDialogs : public UserDialogs {
public:
    explicit RecordingDialogs(const RunAnswers& answers) : answers_(answers) {}

    void ShowMessage(const std::string& text) override {
        dialog_.push_back("! " + text);
        last_message_ = text;
    }
    bool AskYesNo(const std::string& text) override {
        const bool yes = answers_.Answer(text);
        dialog_.push_back("? " + text + " -> " + (yes ? "yes" : "no"));
        return yes;
    }
    void SetProgress(int position) override { calculating_ = calculating_ || position > 0; }
    void Pause(int) override {}

    std::vector<std::string> TakeDialog() { return std::move(dialog_); }
    const std::string& LastMessage() const { return last_message_; }
    bool Calculating() const { return calculating_; }

private:
    const RunAnswers& answers_;
    std::vector<std::string> dialog_;
    std::string last_message_;
    bool calculating_ = false;
};

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

}  // namespace

bool RunAnswers::Answer(const std::string& question) const {
    if (question == LongDrainageQuestion || question == ShortDrainageQuestion) return drainage_optimization;
    if (StartsWith(question, FitChoiceQuestionStart)) return fit_choice;
    if (question == LeachingQuestion) return leaching_optimization;
    return false;
}

const char* RunStatusName(RunStatus status) {
    switch (status) {
        case RunStatus::Completed: return "completed";
        case RunStatus::Stopped: return "stopped";
        case RunStatus::Refused: return "refused";
        case RunStatus::Unreadable: return "unreadable";
        case RunStatus::Skipped: return "skipped";
        case RunStatus::Interrupted: return "interrupted";
        case RunStatus::Unwritable: return "unwritable";
    }
    return "unreadable";
}

int RunStatusExitCode(RunStatus status) {
    switch (status) {
        case RunStatus::Completed:
        case RunStatus::Skipped: return 0;
        case RunStatus::Stopped:
        case RunStatus::Refused:
        case RunStatus::Interrupted:
        case RunStatus::Unwritable: return 1;
        case RunStatus::Unreadable: return 2;
    }
    return 2;
}

bool OutputWritten(RunStatus status) { return status == RunStatus::Completed || status == RunStatus::Skipped; }

namespace {

// The input file is loaded first when asked to; otherwise the data set in the state runs as it is.
FileRunResult RunFileOrDataSet(ModelState& state, const std::string& input, const FileRunOptions& options, bool load) {
    const auto start = std::chrono::steady_clock::now();
    FileRunResult result;
    result.input = input;
    result.output = options.output.empty() ? ReplaceExtension(input, ".out") : options.output;
    RecordingDialogs dialogs(options.answers);
    const auto finish = [&](RunStatus status, std::string message) {
        result.status = status;
        result.exit_code = RunStatusExitCode(status);
        result.message = std::move(message);
        result.dialog = dialogs.TakeDialog();
        result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    };

    if (load) {
        state.Input.FileName = input;
        try {
            LoadInputFile(state.Input, dialogs);
        } catch (const FileError& error) {
            return finish(RunStatus::Unreadable, error.what());
        }
        for (const ValueBreach& breach : EditorRuleBreaches(state.Input)) result.warnings.push_back(BreachText(breach));
    }
    ComputeDerivedValues(state.Input);

    // The window's run follows a Yes to its question whether to calculate.
    state.Run.OptAccepted = true;
    Engine engine(state, dialogs);
    if (!options.output.empty()) engine.SetOutputPath(options.output);
    if (options.stop != nullptr) engine.SetStopRequest(*options.stop);
    engine.RunCalculation();
    if (state.Run.CalcInterrupted) return finish(RunStatus::Interrupted, RunInterrupted().what());
    if (state.Run.OutputUnwritable) return finish(RunStatus::Unwritable, dialogs.LastMessage());
    if (state.Run.CalcStopped) {
        return finish(dialogs.Calculating() ? RunStatus::Stopped : RunStatus::Refused, dialogs.LastMessage());
    }
    result.output = state.Input.FileName;
    return finish(RunStatus::Completed, "");
}

}  // namespace

FileRunResult RunInputFile(ModelState& state, const std::string& input, const FileRunOptions& options) {
    return RunFileOrDataSet(state, input, options, true);
}

FileRunResult RunDataSet(ModelState& state, const FileRunOptions& options) {
    return RunFileOrDataSet(state, state.Input.FileName, options, false);
}

FileRunResult RunInputFile(const std::string& input, const FileRunOptions& options) {
    ModelState state;
    return RunInputFile(state, input, options);
}

}  // namespace vantorel
