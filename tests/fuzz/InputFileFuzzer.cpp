// LoadInputFile on any bytes: an error that names the file, or a data set that the editors, a
// save and the derived values can work with, and whose save loads back to what it wrote. A
// failed load leaves a data set the window can show.

#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"

using namespace vantorel;

namespace {

std::string CrLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A save of what was loaded either refuses, naming the file, or writes a file that loads back to
// the same text: every value as it was written.
void ExpectSaveReadsBack(const InputData& loaded) {
    InputData saved = loaded;
    std::vector<std::string> lines;
    try {
        lines = InputFileLines(saved);
    } catch (const FileError& error) {
        fuzz::ExpectNamesFile(error, saved.FileName);
        return;
    }
    static const std::string path = fuzz::ScratchFile("resaved.inp");
    fuzz::WriteText(path, CrLfText(lines));
    InputData again;
    again.FileName = path;
    test::ScriptedDialogs dialogs;
    try {
        LoadInputFile(again, dialogs);
    } catch (const FileError& error) {
        fuzz::Finding(std::string("a saved file does not load: ") + error.what());
    }
    std::vector<std::string> rewritten = InputFileLines(again);
    rewritten[1] = lines[1];  // the line of the file's own name
    if (rewritten != lines) fuzz::Finding("a saved file does not load back to what was written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::ScratchFile("fuzzed.inp");
    // The data set the window held before: a load that fails keeps parts of it.
    static const InputData previous = test::MakeDataSet({2, 5, 30, true, true, 7});
    fuzz::WriteBytes(path, data, size);

    InputData input = previous;
    input.FileName = path;
    test::ScriptedDialogs dialogs;
    SalinityCellTexts texts;
    try {
        LoadInputFile(input, dialogs, &texts);
    } catch (const FileError& error) {
        fuzz::ExpectNamesFile(error, path);
        fuzz::ExpectUsableDataSet(input);
        return 0;
    }
    fuzz::ExpectUsableDataSet(input);
    if (texts.size() != input.S1meas.size()) fuzz::Finding("salinity texts that do not cover every step");
    ExpectSaveReadsBack(input);
    ComputeDerivedValues(input);
    return 0;
}
