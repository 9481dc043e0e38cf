#pragma once
// One input file of many: its run, the record of it that a manifest keeps (one CSV row per file),
// and the check that no two files of a list write one output file. The runner's many-file mode,
// its studies and the Python module's run_many share them.

#include <optional>
#include <string>
#include <vector>

#include "engine/FileRun.h"

namespace vantorel {

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

}  // namespace vantorel
