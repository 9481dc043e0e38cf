#include "app/runner/QuestionAnswers.h"

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
    if (StartsWith(question, "Do you want Vantorel to optimize the drainage capacity")) return drainage_optimization;
    if (StartsWith(question, "The drainage capacity factors can be optimized both")) return fit_choice;
    if (StartsWith(question, "There are one or more soil layers with enough data")) return leaching_optimization;
    return false;
}

}  // namespace vantorel
