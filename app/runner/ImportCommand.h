#pragma once
// vantorel-run --import DATA.csv [--import MORE.csv ...] --start YYYY-MM-DD [--step ...]
// [--steps N] [--latitude DEG] [--elevation M] [--wind-height M] [--crop-factor KC]
// --resave NEW.inp BASE.inp: a data set from dated series, everything else from the base.

#include <ostream>
#include <vector>

#include "app/runner/CommandLine.h"

namespace vantorel {

// The options of this mode, for the runner's option table.
extern const std::vector<OptionDefinition> ImportOptions;

bool WantsImport(const CommandLine& line);

int RunImportCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace vantorel
