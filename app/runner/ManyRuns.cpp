#include "app/runner/ManyRuns.h"

#include <charconv>
#include <map>
#include <optional>
#include <sstream>

#include "app/runner/CsvJournal.h"
#include "app/runner/OrderedBlocks.h"
#include "app/runner/Runner.h"
#include "engine/CpuCount.h"
#include "engine/FileRun.h"
#include "engine/RunPool.h"
#include "model/TextFile.h"

namespace vantorel {

const std::vector<OptionDefinition> ManyRunOptions = {
    {"jobs", true, false}, {"manifest", true, false}, {"skip-done", false, false}, {"shard", true, false}};

namespace {

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

std::string Block(const FileRunResult& run, const std::string& summary) {
    std::ostringstream block;
    block << "== " << run.input << ": " << RunStatusName(run.status);
    if (run.status == RunStatus::Unreadable) block << ": " << run.message;
    block << '\n';
    for (const std::string& line : run.dialog) block << line << '\n';
    block << summary;
    return block.str();
}

}  // namespace

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

int RunManyFiles(const CommandLine& line, const QuestionAnswers& answers, const StopRequest& stop, std::ostream& out,
                 std::ostream& err) {
    for (const char* single : {"tables", "graphs", "no-run", "check", "resave"}) {
        if (line.Has(single)) {
            return UsageFailure(std::string("--") + single + " takes one input file and cannot be combined with "
                                "--jobs, --manifest, --skip-done or --shard.", err);
        }
    }
    if (line.arguments.empty()) return UsageFailure("name at least one input file.", err);
    if (line.Has("output") && line.arguments.size() > 1) {
        return UsageFailure("--output cannot be used with several input files.", err);
    }
    unsigned jobs = 0;
    Shard shard;
    try {
        jobs = JobsOption(line);
        shard = ShardOption(line);
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), err);
    }
    if (const auto shared = SharedOutput(line.arguments)) return UsageFailure(*shared, err);
    if (line.Has("manifest")) {
        if (const auto overwrite = ManifestOverwrites(line.Value("manifest"), line.arguments)) {
            return UsageFailure(*overwrite, err);
        }
    }

    std::vector<std::string> inputs;
    for (size_t p = 0; p < line.arguments.size(); ++p) {
        if (static_cast<long>(p) % shard.n == shard.k - 1) inputs.push_back(line.arguments[p]);
    }
    // An earlier manifest at the path would be stale from the start.
    std::optional<CsvJournal> manifest;
    try {
        if (line.Has("manifest")) manifest.emplace(line.Value("manifest"), ManifestHeading);
    } catch (const FileError& error) {
        err << "vantorel-run: " << error.what() << '\n';
        return ExitRunFailed;
    }
    std::vector<FileOutcome> outcomes(inputs.size());
    std::vector<std::string> rows(manifest ? inputs.size() : 0);
    OrderedBlocks blocks(inputs.size(), out, ProgressStream(err));
    FileRunOptions options;
    options.answers = answers;
    options.output = line.Value("output");
    options.stop = &stop;
    const bool skip_done = line.Has("skip-done");
    RunSideBySide(
        inputs.size(), jobs,
        [&](size_t i) { outcomes[i] = RunOneOfMany(inputs[i], options, skip_done); },
        [&](size_t i) {
            blocks.Finish(i, Block(outcomes[i].run, outcomes[i].summary), outcomes[i].run.exit_code != 0);
            if (!manifest) return;
            rows[i] = ManifestLine(outcomes[i]);
            manifest->Append(rows[i]);
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
        // Scripts watch standard error: every file that failed has its line there too; the
        // interrupted ones are counted below.
        if (outcome.run.exit_code != 0 && outcome.run.status != RunStatus::Interrupted) {
            err << "vantorel-run: " << outcome.run.input << ": " << RunStatusName(outcome.run.status) << ": "
                << outcome.run.message << '\n';
        }
    }
    out << inputs.size() << (inputs.size() == 1 ? " file" : " files");
    for (const RunStatus s : {RunStatus::Completed, RunStatus::Skipped, RunStatus::Stopped, RunStatus::Refused,
                              RunStatus::Unwritable, RunStatus::Unreadable, RunStatus::Interrupted}) {
        if (counts[s] > 0) out << ", " << counts[s] << ' ' << RunStatusName(s);
    }
    out << '\n';
    if (counts[RunStatus::Interrupted] > 0) {
        err << "vantorel-run: interrupted: " << counts[RunStatus::Interrupted] << " of " << inputs.size()
            << " files were not run to their end.\n";
    }
    if (manifest) {
        try {
            manifest->Finish(rows);
        } catch (const FileError& error) {
            err << "vantorel-run: " << error.what() << '\n';
            status = std::max(status, ExitRunFailed);
        }
    }
    return status;
}

}  // namespace vantorel
