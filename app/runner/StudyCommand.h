#pragma once
// vantorel-run --scenarios STUDY.csv --study-dir DIR BASE.inp: every scenario of a study run from
// its own input file, a summary table and overlay pictures of the scenarios.

#include <ostream>

#include "app/runner/CommandLine.h"
#include "app/runner/QuestionAnswers.h"
#include "engine/StopRequest.h"

namespace vantorel {

// The options of this mode, for the runner's option table.
extern const std::vector<OptionDefinition> StudyOptions;

bool WantsStudy(const CommandLine& line);

// Runs the study of the command line; once `stop` is requested the running scenarios end early,
// no other starts, and the summary lists them as interrupted.
int RunStudyCommand(const CommandLine& line, const QuestionAnswers& answers, const StopRequest& stop, std::ostream& out,
                    std::ostream& err);

}  // namespace vantorel
