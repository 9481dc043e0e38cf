#pragma once
// The window with runs calculated beforehand, for the Output and Graphs pages: output files
// written by the engine next to their input files, opened through "Open output".

#include <functional>
#include <string>

#include "model/ModelState.h"
#include "tests/support/DataSets.h"
#include "tests/ui/WindowFixture.h"

namespace vantorel::test {

class ResultPagesFixture : public WindowFixture {
protected:
    // Saves the data set as NAME.inp, calculates it without optimization and returns the path of
    // NAME.out. The data set may be shaped before it is saved.
    std::string WriteRun(const DataSetShape& shape, const std::string& name = "run",
                         const std::function<void(InputData&)>& shaping = {});
    // "Open output" on the Output page with the file chosen in its dialog.
    void OpenOutput(const std::string& path);
    // The output file and the input file of the same name, in the order the Output page reads them
    // for its text (output first) or for the surface table (input first).
    ModelState ReadBack(const std::string& output_path, bool input_first = false);
    // Visible on its page, whichever page is shown.
    bool Shown(const char* name) { return !Control(name)->isHidden(); }
};

}  // namespace vantorel::test
