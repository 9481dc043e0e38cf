// Series files of any bytes imported onto a data set, with the options taken from the first byte
// and a second file after a form feed: every problem is a text with its place, or the import
// gives a data set whose series fit its steps and hold finite numbers, that a save can write and
// whose report can be printed.

#include <cmath>

#include "engine/ImportReport.h"
#include "engine/SeriesImport.h"
#include "model/InputFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DataSets.h"

using namespace vantorel;

namespace {

ImportSettings SettingsOf(uint8_t options) {
    constexpr int32_t lengths[] = {1, 7, 30, 360};
    ImportSettings settings;
    settings.start = *ParseIsoDate(options & 0x40 ? "2020-01-03" : "2020-01-01");
    settings.ts = lengths[options & 3];
    if (options & 0x04) settings.latitude = 35;
    if (options & 0x08) settings.elevation = 200;
    if (options & 0x10) settings.steps = 3;
    if (options & 0x20) settings.wind_height = 10;
    if (options & 0x80) settings.crop_factor = 0.8;
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const InputData base = test::MakeDataSet({2, 12, 30, true, false, 5});
    if (size == 0) return 0;
    const ImportSettings settings = SettingsOf(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t split = text.find('\f');
    std::vector<ImportProblem> problems;
    std::vector<SeriesFile> files = {ParseSeriesFile(text.substr(0, split), "first.csv", problems)};
    if (split != std::string_view::npos) files.push_back(ParseSeriesFile(text.substr(split + 1), "second.csv", problems));

    SeriesImport import = ImportSeries(base, files, settings);
    problems.insert(problems.end(), import.problems.begin(), import.problems.end());
    for (const ImportProblem& problem : problems) {
        if (problem.text.empty()) fuzz::Finding("a problem without a text");
    }
    if (!problems.empty()) return 0;

    const InputData& d = import.data;
    if (import.steps < 1 || d.NrTimeSteps != import.steps || d.StartDate != settings.start) {
        fuzz::Finding("an import whose steps or start are not the ones reported");
    }
    fuzz::ExpectUsableDataSet(d);
    for (const StepSeries* series : {&d.Rain, &d.Irrig, &d.ETp, &d.Sdr, &d.DwtMeas, &d.DrainMeas, &d.S1meas, &d.S2meas,
                                     &d.STmeas, &d.SAmeas}) {
        for (const double value : *series) {
            if (!std::isfinite(value)) fuzz::Finding("an imported series holds a number that is not finite");
        }
    }
    ImportReportLines(import, files, settings);
    InputData written = d;
    try {
        InputFileLines(written);
    } catch (const FileError& error) {
        // A value too large for its column may be refused by the writer, by name.
        fuzz::ExpectNamesFile(error, written.FileName);
    }
    return 0;
}
