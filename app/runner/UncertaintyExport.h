#pragma once
// --uncertainty DIR of vantorel-run: the posterior of the drainage factors the run fitted, their
// intervals and the prediction bands, as CSV files, pictures and a summary.

#include <optional>
#include <ostream>
#include <string>

#include "app/runner/CommandLine.h"
#include "engine/FileRun.h"
#include "model/ModelState.h"

namespace vantorel {

// The folder of --uncertainty, or none. Throws UsageError where it cannot go: without a run of one
// input file.
std::optional<std::string> ReadUncertaintyFolder(const CommandLine& line);

// Before the run: why a run with these answers gives no uncertainty (the runner's error line), or
// nothing.
std::optional<std::string> UncertaintyRefusalBeforeRun(const InputData& loaded, const RunAnswers& answers);

// After a completed run: prints the summary and writes the files. Returns the exit status: 2 when
// the run's factors are no fit to measurements, 1 when the uncertainty could not be computed or a
// file could not be written.
int ExportUncertainty(const std::string& folder, const InputData& loaded, const ModelState& completed_run,
                      std::ostream& out, std::ostream& err);

}  // namespace vantorel
