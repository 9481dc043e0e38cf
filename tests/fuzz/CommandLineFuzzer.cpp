// The option parser of vantorel-run with its own option table, on argument vectors made of the
// fuzzed bytes (a NUL ends each argument): a usage error, or a command line that keeps what the
// table promises, which the answers and the drain design then read.

#include <string>
#include <vector>

#include "app/runner/CommandLine.h"
#include "app/runner/DrainDesign.h"
#include "app/runner/QuestionAnswers.h"
#include "app/runner/Runner.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    const std::vector<OptionDefinition>& definitions = RunnerOptions();
    CommandLine line;
    try {
        line = ParseCommandLine(args, definitions);
    } catch (const UsageError&) {
        return 0;
    }
    if (line.arguments.size() > args.size()) fuzz::Finding("more file names than arguments");
    for (const auto& [name, values] : line.values) {
        const OptionDefinition* definition = nullptr;
        for (const OptionDefinition& s : definitions) {
            if (s.name == name) definition = &s;
        }
        if (!definition) fuzz::Finding("an option that is not in the table: " + name);
        if (!definition->takes_value && !values.empty()) fuzz::Finding("a value for the flag --" + name);
        if (definition->takes_value && values.empty()) fuzz::Finding("no value for --" + name);
        if (!definition->repeatable && values.size() > 1) fuzz::Finding("--" + name + " taken twice");
    }
    try {
        QuestionAnswers::FromCommandLine(line);
    } catch (const UsageError&) {
    }
    WantsDrainDesign(line);
    return 0;
}
