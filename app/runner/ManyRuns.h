#pragma once
// vantorel-run on many input files in one call: on the cores of this machine (--jobs), with a
// manifest of what became of each file, skipping files whose output is up to date, and taking one
// shard of the files so that several machines share a list.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/runner/CommandLine.h"
#include "app/runner/QuestionAnswers.h"
#include "engine/FileRun.h"

namespace vantorel {

// The options of this mode, for the runner's option table.
extern const std::vector<OptionDefinition> ManyRunOptions;

// Several files, or one of --jobs, --manifest, --skip-done and --shard.
bool WantsManyRuns(const CommandLine& line);

// The value of --jobs: a whole number of at least 1; the machine's cores when not given.
// Throws UsageError.
unsigned JobsOption(const CommandLine& line);

// One file's run with what the manifest and the printed block need beside it.
struct FileOutcome {
    FileRunResult run;
    std::string digest;   // SHA-256 of the input file; empty when it cannot be read
    std::string summary;  // the summary lines of a completed run
};

// Runs one file of many: skipped, with skip_done, when its output file is not older than it;
// interrupted, without starting, once the options' stop is requested.
FileOutcome RunOneOfMany(const std::string& input, const FileRunOptions& options, bool skip_done);

// The manifest's first line, and a file's line (without its line end).
extern const char* const ManifestHeading;
std::string ManifestLine(const FileOutcome& outcome);

// The message refusing inputs of which two would write one output file, or nothing.
std::optional<std::string> SharedOutput(const std::vector<std::string>& inputs);
// The message refusing a manifest that would replace an input file or an output file, or nothing.
std::optional<std::string> ManifestOverwrites(const std::string& manifest, const std::vector<std::string>& inputs);

// Runs the files of the command line; once `stop` is requested the running ones end early, no
// other starts, and the manifest lists them as interrupted.
int RunManyFiles(const CommandLine& line, const QuestionAnswers& answers, const StopRequest& stop, std::ostream& out,
                 std::ostream& err);

}  // namespace vantorel
