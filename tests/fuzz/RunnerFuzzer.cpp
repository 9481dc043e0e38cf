// RunVantorel on argument vectors made of the fuzzed bytes (a NUL ends each argument). A command
// line that parses is rebuilt before the run so that every file and folder it names lies in a
// work folder that starts afresh for each input; --graphs, --scenarios and --uncertainty, which draw
// through Qt, are left out.

#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/runner/CommandLine.h"
#include "app/runner/Runner.h"
#include "engine/Engine.h"
#include "model/InputFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"

using namespace vantorel;

namespace {

// The files the work folder starts with: a small drained field with its output file, and a
// three-layer field with rice but without an output file.
std::vector<std::pair<std::string, std::string>> MakeWorkFiles() {
    const std::string folder = fuzz::ScratchFile("seed");
    std::filesystem::create_directory(folder);
    std::vector<std::pair<std::string, std::string>> files;
    const auto keep = [&](const std::string& name) {
        files.emplace_back(name, fuzz::ReadWholeFile(folder + "/" + name));
    };
    ModelState field;
    field.Input = test::MakeDataSet({1, 6, 7, true, false, 3});
    field.Input.FileName = folder + "/field.inp";
    SaveInputFile(field.Input);
    test::ScriptedDialogs dialogs;
    Engine(field, dialogs).RunCalculation();
    keep("field.inp");
    keep("field.out");
    InputData layers = test::MakeDataSet({3, 4, 30, false, true, 4});
    layers.FileName = folder + "/layers.inp";
    SaveInputFile(layers);
    keep("layers.inp");
    return files;
}

// A path in the work folder: each part keeps its letters, digits, points, hyphens and underscores,
// and parts that would lead out ("." and "..") are dropped.
std::string InWorkFolder(const std::string& folder, const std::string& text) {
    std::string path = folder, part;
    const auto add_part = [&] {
        if (!part.empty() && part != "." && part != "..") path += "/" + part;
        part.clear();
    };
    for (const char c : text.substr(0, 80)) {
        if (c == '/') {
            add_part();
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_') {
            part += c;
        }
    }
    add_part();
    return path;
}

std::vector<std::string> SafeArguments(const CommandLine& line, const std::string& folder) {
    std::vector<std::string> args;
    for (const auto& [name, values] : line.values) {
        // Studies and the uncertainty draw their pictures through Qt too; the study file has a target
        // of its own.
        if (name == "graphs" || name == "scenarios" || name == "uncertainty") continue;
        const bool path = name == "output" || name == "resave" || name == "tables" || name == "manifest" ||
                          name == "study-dir";
        if (values.empty()) args.push_back("--" + name);
        for (const std::string& value : values) {
            args.push_back("--" + name + "=" + (path ? InWorkFolder(folder, value) : value));
        }
    }
    args.emplace_back("--");
    for (const std::string& argument : line.arguments) args.push_back(InWorkFolder(folder, argument));
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<std::pair<std::string, std::string>> files = MakeWorkFiles();
    static const std::string folder = fuzz::ScratchFile("work");

    std::vector<std::string> fuzzed(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            fuzzed.emplace_back();
        } else {
            fuzzed.back() += static_cast<char>(data[i]);
        }
    }
    CommandLine line;
    try {
        line = ParseCommandLine(fuzzed, RunnerOptions());
    } catch (const UsageError&) {
        return 0;
    }

    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    for (const auto& [name, content] : files) fuzz::WriteText(folder + "/" + name, content);
    std::filesystem::create_directory(folder + "/folder.inp");

    std::ostringstream out, err;
    const int status = RunVantorel(SafeArguments(line, folder), out, err);
    if (status != ExitOk && status != ExitRunFailed && status != ExitBadInput) {
        fuzz::Finding("the exit status " + std::to_string(status));
    }
    if (status != ExitOk && err.str().empty()) fuzz::Finding("a failure without a message on standard error");
    return 0;
}
