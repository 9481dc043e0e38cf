#include "engine/ManyRuns.h"

#include <filesystem>
#include <map>
#include <sstream>

#include "engine/RunSummary.h"
#include "model/CsvFile.h"
#include "model/FileIdentity.h"
#include "model/FileNames.h"
#include "model/NumberText.h"
#include "model/ProgramVersion.h"
#include "model/Sha256.h"
#include "model/TextFile.h"

namespace vantorel {

namespace {

namespace fs = std::filesystem;

bool OutputUpToDate(const std::string& input, const std::string& output) {
    std::error_code error_in, error_out;
    const auto input_time = fs::last_write_time(input, error_in);
    const auto output_time = fs::last_write_time(output, error_out);
    return !error_in && !error_out && output_time >= input_time;
}

std::string Digest(const std::string& path) {
    try {
        return Sha256Hex(ReadFileBytes(path));
    } catch (const FileError&) {
        return "";
    }
}

}  // namespace

std::optional<std::string> SharedOutput(const std::vector<std::string>& inputs) {
    std::map<std::string, std::string> outputs;
    for (const std::string& input : inputs) {
        const std::string output = ResolvedPath(ReplaceExtension(input, ".out"));
        const auto [place, added] = outputs.emplace(output, input);
        if (!added) return "'" + place->second + "' and '" + input + "' would both write " + output + ".";
    }
    return std::nullopt;
}

std::optional<std::string> ManifestOverwrites(const std::string& manifest, const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs) {
        for (const std::string& file : {ReplaceExtension(input, ".inp"), ReplaceExtension(input, ".out")}) {
            if (SameFile(manifest, file)) return "the manifest " + manifest + " would overwrite " + file + ".";
        }
    }
    return std::nullopt;
}

const char* const ManifestHeading = "input,output,status,exit_code,seconds,message,input_sha256,program_version";

std::string ManifestLine(const FileOutcome& o) {
    return CsvLine({o.run.input, OutputWritten(o.run.status) ? o.run.output : "", RunStatusName(o.run.status),
                    std::to_string(o.run.exit_code), FormatFixed(o.run.seconds, 0, 3), o.run.message, o.digest,
                    ProgramVersion});
}

FileOutcome RunOneOfMany(const std::string& input, const FileRunOptions& options, bool skip_done) {
    FileOutcome outcome;
    FileRunResult& run = outcome.run;
    const std::string output = options.output.empty() ? ReplaceExtension(input, ".out") : options.output;
    if (StopRequested(options.stop)) {
        run.input = input;
        run.status = RunStatus::Interrupted;
        run.exit_code = RunStatusExitCode(run.status);
        run.message = "Not run: the runs were interrupted before it started.";
        return outcome;
    }
    outcome.digest = Digest(ReplaceExtension(input, ".inp"));
    if (skip_done && OutputUpToDate(ReplaceExtension(input, ".inp"), output)) {
        run.input = input;
        run.output = output;
        run.status = RunStatus::Skipped;
        run.exit_code = 0;
        return outcome;
    }
    ModelState state;
    run = RunInputFile(state, input, options);
    if (run.status == RunStatus::Completed) {
        std::ostringstream summary;
        PrintRunSummary(state, summary);
        outcome.summary = summary.str();
    }
    return outcome;
}

}  // namespace vantorel
