#include "app/runner/ManyRuns.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

#include "app/runner/OrderedBlocks.h"
#include "app/runner/RunSummary.h"
#include "app/runner/Runner.h"
#include "engine/FileRun.h"
#include "engine/ParallelFor.h"
#include "engine/RunPool.h"
#include "model/CsvFile.h"
#include "model/FileNames.h"
#include "model/ProgramVersion.h"
#include "model/Sha256.h"
#include "model/TextFile.h"
#include "model/NumberText.h"

namespace vantorel {

const std::vector<OptionDefinition> ManyRunOptions = {
    {"jobs", true, false}, {"manifest", true, false}, {"skip-done", false, false}, {"shard", true, false}};

namespace {

namespace fs = std::filesystem;

std::optional<long> WholeNumber(const std::string& text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct Shard {
    long k = 1, n = 1;
};

Shard ShardOption(const CommandLine& line) {
    if (!line.Has("shard")) return {};
    const std::string value = line.Value("shard");
    const size_t slash = value.find('/');
    const auto k = WholeNumber(value.substr(0, slash));
    const auto n = slash == std::string::npos ? std::nullopt : WholeNumber(value.substr(slash + 1));
    if (!k || !n || *k < 1 || *n < *k) {
        throw UsageError("option '--shard' takes K/N with 1 <= K <= N, not '" + value + "'");
    }
    return {*k, *n};
}

}  // namespace

std::optional<std::string> SharedOutput(const std::vector<std::string>& inputs) {
    std::map<std::string, std::string> outputs;
    for (const std::string& input : inputs) {
        std::error_code error;
        fs::path output = fs::absolute(ReplaceExtension(input, ".out"), error).lexically_normal();
        const auto [place, added] = outputs.emplace(output.string(), input);
        if (!added) return "'" + place->second + "' and '" + input + "' would both write " + output.string() + ".";
    }
    return std::nullopt;
}

namespace {

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

std::string Block(const FileRunResult& run, const std::string& summary) {
    std::ostringstream block;
    block << "== " << run.input << ": " << RunStatusName(run.status);
    if (run.status == RunStatus::Unreadable) block << ": " << run.message;
    block << '\n';
    for (const std::string& line : run.dialog) block << line << '\n';
    block << summary;
    return block.str();
}

void WriteManifest(const std::string& path, const std::vector<FileOutcome>& outcomes) {
    AtomicFileWriter writer(path);
    writer.Line(ManifestHeading);
    for (const FileOutcome& outcome : outcomes) writer.Line(ManifestLine(outcome));
    writer.Commit();
}

}  // namespace

const char* const ManifestHeading = "input,output,status,exit_code,seconds,message,input_sha256,program_version";

std::string ManifestLine(const FileOutcome& o) {
    return CsvLine({o.run.input, o.run.output, RunStatusName(o.run.status), std::to_string(o.run.exit_code),
                    FormatFixed(o.run.seconds, 0, 3), o.run.message, o.digest, ProgramVersion});
}

FileOutcome RunOneOfMany(const std::string& input, const FileRunOptions& options, bool skip_done) {
    FileOutcome outcome;
    FileRunResult& run = outcome.run;
    const std::string output = options.output.empty() ? ReplaceExtension(input, ".out") : options.output;
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

bool WantsManyRuns(const CommandLine& line) {
    if (line.arguments.size() > 1) return true;
    for (const OptionDefinition& option : ManyRunOptions) {
        if (line.Has(option.name)) return true;
    }
    return false;
}

unsigned JobsOption(const CommandLine& line) {
    if (!line.Has("jobs")) return CoreCount();
    const auto jobs = WholeNumber(line.Value("jobs"));
    if (!jobs || *jobs < 1 || *jobs > 4096) {
        throw UsageError("option '--jobs' takes a whole number from 1 to 4096, not '" + line.Value("jobs") + "'");
    }
    return static_cast<unsigned>(*jobs);
}

int RunManyFiles(const CommandLine& line, const QuestionAnswers& answers, std::ostream& out, std::ostream& err) {
    const auto usage = [&](const std::string& what) {
        err << "vantorel-run: " << what << "\nTry 'vantorel-run --help'.\n";
        return ExitBadInput;
    };
    for (const char* single : {"tables", "graphs", "no-run", "check", "resave"}) {
        if (line.Has(single)) {
            return usage(std::string("--") + single +
                         " takes one input file and cannot be combined with --jobs, --manifest, --skip-done or --shard.");
        }
    }
    if (line.arguments.empty()) return usage("name at least one input file.");
    if (line.Has("output") && line.arguments.size() > 1) return usage("--output cannot be used with several input files.");
    unsigned jobs = 0;
    Shard shard;
    try {
        jobs = JobsOption(line);
        shard = ShardOption(line);
    } catch (const UsageError& error) {
        return usage(error.what());
    }
    if (const auto shared = SharedOutput(line.arguments)) return usage(*shared);

    std::vector<std::string> inputs;
    for (size_t p = 0; p < line.arguments.size(); ++p) {
        if (static_cast<long>(p) % shard.n == shard.k - 1) inputs.push_back(line.arguments[p]);
    }
    std::vector<FileOutcome> outcomes(inputs.size());
    OrderedBlocks blocks(inputs.size(), out, ProgressStream(err));
    FileRunOptions options;
    options.answers = answers;
    options.output = line.Value("output");
    const bool skip_done = line.Has("skip-done");
    RunSideBySide(
        inputs.size(), jobs,
        [&](size_t i) { outcomes[i] = RunOneOfMany(inputs[i], options, skip_done); },
        [&](size_t i) {
            blocks.Finish(i, Block(outcomes[i].run, outcomes[i].summary), outcomes[i].run.exit_code != 0);
        });
    blocks.Close();

    int status = ExitOk;
    std::map<RunStatus, int> counts;
    for (const FileOutcome& outcome : outcomes) {
        status = std::max(status, outcome.run.exit_code);
        ++counts[outcome.run.status];
        for (const std::string& warning : outcome.run.warnings) {
            err << "vantorel-run: " << outcome.run.input << ": warning: " << warning << '\n';
        }
        // Scripts watch standard error: every file that failed has its line there too.
        if (outcome.run.exit_code != 0) {
            err << "vantorel-run: " << outcome.run.input << ": " << RunStatusName(outcome.run.status) << ": "
                << outcome.run.message << '\n';
        }
    }
    out << inputs.size() << (inputs.size() == 1 ? " file" : " files");
    for (const RunStatus s : {RunStatus::Completed, RunStatus::Skipped, RunStatus::Stopped, RunStatus::Refused,
                              RunStatus::Unreadable, RunStatus::Interrupted}) {
        if (counts[s] > 0) out << ", " << counts[s] << ' ' << RunStatusName(s);
    }
    out << '\n';
    if (line.Has("manifest")) {
        try {
            WriteManifest(line.Value("manifest"), outcomes);
        } catch (const FileError& error) {
            err << "vantorel-run: " << error.what() << '\n';
            status = std::max(status, ExitRunFailed);
        }
    }
    return status;
}

}  // namespace vantorel
