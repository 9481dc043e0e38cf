#include "app/runner/QuestionAnswers.h"

#include "engine/OptimizationTexts.h"

namespace vantorel {

namespace {

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

bool YesOrNo(const CommandLine& line, const std::string& option, bool fallback) {
    if (!line.Has(option)) return fallback;
    const std::string value = line.Value(option);
    if (value == "yes") return true;
    if (value == "no") return false;
    throw UsageError("option '--" + option + "' takes yes or no, not '" + value + "'");
}

}  // namespace

QuestionAnswers QuestionAnswers::FromCommandLine(const CommandLine& line) {
    const bool all = line.Has("yes");
    QuestionAnswers answers;
    answers.drainage_optimization = YesOrNo(line, "drainage-opt", all);
    answers.fit_choice = YesOrNo(line, "fit-choice", true);
    answers.leaching_optimization = YesOrNo(line, "leaching-opt", all);
    return answers;
}

bool QuestionAnswers::Answer(const std::string& question) const {
    if (question == LongDrainageQuestion || question == ShortDrainageQuestion) return drainage_optimization;
    if (StartsWith(question, FitChoiceQuestionStart)) return fit_choice;
    if (question == LeachingQuestion) return leaching_optimization;
    return false;
}

}  // namespace vantorel
