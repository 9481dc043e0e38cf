// LoadOutputFile on any bytes, alone and beside each example input file, in the order of the
// Output page (input, then output, then the tables) and of the Graphs page (output, then input,
// then the scaling of every graph).

#include <filesystem>
#include <vector>

#include "model/InputFile.h"
#include "model/OutputFileReader.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/ScriptedDialogs.h"

using namespace vantorel;

namespace {

const char* const ExampleInputs[] = {"monthly-drained-field.inp", "weekly-leaching-trial.inp", "daily-rice-field.inp"};

// The input files the output is read beside; each has the fuzzed output file under its own name.
// The first is missing: the output is then read without an input file.
std::vector<std::string> PrepareInputs(const std::string& output) {
    std::vector<std::string> inputs = {fuzz::ScratchFile("alone.inp")};
    std::filesystem::create_symlink(output, fuzz::ScratchFile("alone.out"));
    for (const char* name : ExampleInputs) {
        const std::string input = fuzz::ScratchFile(name);
        std::filesystem::copy_file(std::string(VANTOREL_EXAMPLES) + "/" + name, input);
        std::filesystem::create_symlink(output, std::filesystem::path(input).replace_extension(".out"));
        inputs.push_back(input);
    }
    return inputs;
}

void LoadInput(ModelState& state, const std::string& input, UserDialogs& dialogs) {
    if (!std::filesystem::exists(input)) return;
    state.Input.FileName = input;
    try {
        LoadInputFile(state.Input, dialogs);
    } catch (const FileError& error) {
        fuzz::Finding(std::string("an example input file does not load: ") + error.what());
    }
}

// True when the output file was read without an error.
bool LoadOutput(ModelState& state, const std::string& input, UserDialogs& dialogs) {
    state.Input.FileName = input;
    try {
        LoadOutputFile(state, dialogs);
    } catch (const FileError& error) {
        fuzz::ExpectNamesFile(error, state.Input.FileName);
        if (!state.Output.InvalidOutput) fuzz::Finding("a damaged output file not marked invalid");
        fuzz::ExpectReadBackSeries(state);
        return false;
    }
    fuzz::ExpectReadBackSeries(state);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string output = fuzz::ScratchFile("fuzzed.out");
    static const std::vector<std::string> inputs = PrepareInputs(output);
    fuzz::WriteBytes(output, data, size);

    for (const std::string& input : inputs) {
        test::ScriptedDialogs dialogs;
        ModelState output_page;
        LoadInput(output_page, input, dialogs);
        LoadOutput(output_page, input, dialogs);
        // The tables make do with whatever a failed read left.
        fuzz::BuildTables(output_page);

        ModelState graphs_page;
        if (LoadOutput(graphs_page, input, dialogs) && !graphs_page.Output.InvalidOutput) {
            LoadInput(graphs_page, input, dialogs);
            fuzz::ScaleGraphs(graphs_page);
        }
    }
    return 0;
}
