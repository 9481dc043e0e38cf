#include "app/runner/QuestionAnswers.h"

namespace vantorel {

namespace {

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

}  // namespace vantorel
