// LoadInputFile on any bytes: an error that names the file, or a data set that the editors, a
// save and the derived values can work with. A failed load leaves a data set the window can show.

#include "model/DerivedValues.h"
#include "model/InputFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DataSets.h"
#include "tests/support/ScriptedDialogs.h"

using namespace vantorel;

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
    InputData saved = input;
    InputFileLines(saved);
    ComputeDerivedValues(input);
    return 0;
}
