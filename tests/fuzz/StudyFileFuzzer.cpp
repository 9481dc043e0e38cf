// A study file of any bytes, read and applied to an example: an error that names the file, or
// scenarios whose every data set is either refused with a message naming the scenario or one
// that a save can write. A study that samples cells is applied with three samples of each
// sampled row. No message quotes a control character raw.

#include <algorithm>

#include "engine/StudySamples.h"
#include "model/InputFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DataSets.h"

using namespace vantorel;

namespace {

// Up to a million steps are legal, but a data set that long takes seconds to make and write under
// the sanitizers and would pass for a hang: the harness leaves such scenarios out. Repeats beyond
// the million are still applied, to be refused.
constexpr int64_t MostFuzzedSteps = 20'000;

bool LegalButSlow(const Study& study, const Scenario& scenario, const InputData& base) {
    for (size_t c = 0; c < study.columns.size(); ++c) {
        const CellChange& change = scenario.changes[c];
        if (study.columns[c]->kind != StudyFieldKind::Repeat || change.kind == CellChange::Kind::Keep) continue;
        const int64_t steps = base.NrTimeSteps * static_cast<int64_t>(change.value);
        return steps > MostFuzzedSteps && steps <= MostRepeatedSteps;
    }
    return false;
}

void ExpectPrintable(const std::string& message) {
    const auto raw = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    if (std::any_of(message.begin(), message.end(), raw)) fuzz::Finding("a message with a raw control character");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const InputData base = test::MakeDataSet({2, 12, 30, true, false, 5});
    const std::string path = "fuzzed-study.csv";
    Study study;
    try {
        study = ParseStudy(std::string_view(reinterpret_cast<const char*>(data), size), path);
    } catch (const FileError& error) {
        fuzz::ExpectNamesFile(error, path);
        ExpectPrintable(error.what());
        return 0;
    }
    if (FirstSampledCell(study)) {
        try {
            study = ExpandSamples(study, 3, 1, path);
        } catch (const FileError& error) {
            fuzz::ExpectNamesFile(error, path);
            ExpectPrintable(error.what());
            return 0;
        }
    }
    for (const Scenario& scenario : study.scenarios) {
        if (scenario.changes.size() != study.columns.size()) fuzz::Finding("a scenario without a cell per column");
        if (LegalButSlow(study, scenario, base)) continue;
        InputData variant = base;
        if (const auto refusal = ApplyScenario(study, scenario, variant)) {
            if (refusal->find("Scenario " + scenario.name) != 0) fuzz::Finding("a refusal that does not name its scenario");
            ExpectPrintable(*refusal);
            continue;
        }
        fuzz::ExpectUsableDataSet(variant);
        InputFileLines(variant);
    }
    return 0;
}
