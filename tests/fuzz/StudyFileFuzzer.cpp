// A study file of any bytes, read and applied to an example: an error that names the file, or
// scenarios whose every data set is either refused with a message naming the scenario or one
// that a save can write.

#include "engine/ScenarioStudy.h"
#include "model/InputFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DataSets.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const InputData base = test::MakeDataSet({2, 12, 30, true, false, 5});
    const std::string path = "fuzzed-study.csv";
    Study study;
    try {
        study = ParseStudy(std::string_view(reinterpret_cast<const char*>(data), size), path);
    } catch (const FileError& error) {
        fuzz::ExpectNamesFile(error, path);
        return 0;
    }
    for (const Scenario& scenario : study.scenarios) {
        if (scenario.changes.size() != study.columns.size()) fuzz::Finding("a scenario without a cell per column");
        InputData variant = base;
        if (const auto refusal = ApplyScenario(study, scenario, variant)) {
            if (refusal->find("Scenario " + scenario.name) != 0) fuzz::Finding("a refusal that does not name its scenario");
            continue;
        }
        fuzz::ExpectUsableDataSet(variant);
        InputFileLines(variant);
    }
    return 0;
}
