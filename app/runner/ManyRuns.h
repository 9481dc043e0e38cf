#pragma once
// vantorel-run on many input files in one call: on the cores of this machine (--jobs), with a
// manifest of what became of each file, skipping files whose output is up to date, and taking one
// shard of the files so that several machines share a list.

#include <ostream>
#include <string>
#include <vector>

#include "app/runner/CommandLine.h"
#include "app/runner/QuestionAnswers.h"
#include "engine/ManyRuns.h"

namespace vantorel {

// The options of this mode, for the runner's option table.
extern const std::vector<OptionDefinition> ManyRunOptions;

// Several files, or one of --jobs, --manifest, --skip-done and --shard.
bool WantsManyRuns(const CommandLine& line);

// The value of --jobs: a whole number of at least 1; the machine's cores when not given.
// Throws UsageError.
unsigned JobsOption(const CommandLine& line);

// Runs the files of the command line; once `stop` is requested the running ones end early, no
// other starts, and the manifest lists them as interrupted.
int RunManyFiles(const CommandLine& line, const QuestionAnswers& answers, const StopRequest& stop, std::ostream& out,
                 std::ostream& err);

}  // namespace vantorel
