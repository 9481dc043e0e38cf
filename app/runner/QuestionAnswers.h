#pragma once
// The batch runner's answers to the calculation's questions, from its options.

#include <string>

#include "app/runner/CommandLine.h"

namespace vantorel {

struct QuestionAnswers {
    bool drainage_optimization = false;  // --drainage-opt
    bool fit_choice = true;              // --fit-choice: agree with the proposed optimum
    bool leaching_optimization = false;  // --leaching-opt

    // From --yes (every question yes) and the three answer options, which win over --yes.
    // Throws UsageError for a value other than yes or no.
    static QuestionAnswers FromCommandLine(const CommandLine& line);

    // The answer to a question of the calculation, told apart by its text.
    bool Answer(const std::string& question) const;
};

}  // namespace vantorel
