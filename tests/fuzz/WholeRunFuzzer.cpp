// A whole run of any input file that loads: the derived values of a save, the calculation with
// every question answered yes, and the output file read back as the Output page and the Graphs
// page read it. A run gives the data set back as entered, and writes a complete output file that
// reads back, or none at all.

#include <filesystem>

#include "engine/Engine.h"
#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "model/RunFiles.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/ScriptedDialogs.h"

using namespace vantorel;

namespace {

// The longest period, in days (time steps times step length), that a run may simulate here: a
// longer run is slow but correct, and the fuzzer would report it as a hang. The drainage search
// makes 10000 trial runs of the water balance, so a field with drains gets a much shorter limit;
// under the sanitizers either limit keeps one run near a quarter of a second.
constexpr int64_t LongestPeriod = 300;
constexpr int64_t LongestDrainedPeriod = 40;

class YesDialogs : public test::ScriptedDialogs {
public:
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return true;
    }
};

// The text a save would write, or its refusal.
std::vector<std::string> SavedText(const InputData& data) {
    InputData copy = data;
    copy.FileName = "field.inp";
    try {
        return InputFileLines(copy);
    } catch (const FileError& error) {
        return {error.what()};
    }
}

void ReadBack(const std::string& input, const std::string& output) {
    test::ScriptedDialogs dialogs;
    try {
        const RunFileNames names{input, output};
        if (const auto output_page = ReadFilesOfRun(ModelState{}, names, {RunFile::Input, RunFile::Output}, dialogs)) {
            fuzz::ExpectReadBackSeries(output_page->Read);
            fuzz::BuildTables(output_page->Read);
        }
        if (const auto graphs_page = ReadFilesOfRun(ModelState{}, names, {RunFile::Output, RunFile::Input}, dialogs)) {
            fuzz::ScaleGraphs(graphs_page->Read);
        }
    } catch (const FileError& error) {
        // Both files loaded or were written by the run: values wider than their columns included.
        fuzz::Finding(std::string("the files of a completed run do not read back: ") + error.what());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = fuzz::ScratchFile("field.inp");
    static const std::string output = fuzz::ScratchFile("field.out");
    fuzz::WriteBytes(input, data, size);
    std::filesystem::remove(output);

    ModelState state;
    state.Input.FileName = input;
    test::ScriptedDialogs load_dialogs;
    try {
        LoadInputFile(state.Input, load_dialogs);
    } catch (const FileError&) {
        return 0;
    }
    const int64_t period = static_cast<int64_t>(state.Input.NrTimeSteps) * state.Input.Ts;
    if (period > (state.Input.DrainPresent ? LongestDrainedPeriod : LongestPeriod)) return 0;
    ComputeDerivedValues(state.Input);
    const std::vector<std::string> entered = SavedText(state.Input);

    YesDialogs dialogs;
    state.Run.OptAccepted = true;
    Engine(state, dialogs).RunCalculation();
    if (SavedText(state.Input) != entered) fuzz::Finding("the run did not give the data set back as entered");
    if (state.Run.CalcStopped) {
        if (dialogs.messages.empty()) fuzz::Finding("a run stopped without a message");
        if (std::filesystem::exists(output)) fuzz::Finding("a stopped run left an output file");
        return 0;
    }
    if (!std::filesystem::exists(output)) fuzz::Finding("a completed run without an output file");
    ReadBack(input, output);
    return 0;
}
