#pragma once
// The batch runner's answers to the calculation's questions, from its options.

#include "app/runner/CommandLine.h"
#include "engine/FileRun.h"

namespace vantorel {

struct QuestionAnswers : RunAnswers {
    // From --yes (every question yes) and the three answer options, which win over --yes.
    // Throws UsageError for a value other than yes or no.
    static QuestionAnswers FromCommandLine(const CommandLine& line);
};

}  // namespace vantorel
