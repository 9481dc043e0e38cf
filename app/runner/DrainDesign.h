#pragma once
// Drain design on the command line: --drain-factors prints the drainage factors of given spacings,
// --drain-spacing the spacing that carries a design discharge (engine/DrainDesign.h).

#include <ostream>

#include "app/runner/CommandLine.h"
#include "engine/DrainDesign.h"

namespace vantorel {

// Whether the command line asks for drain design or gives one of its options.
bool WantsDrainDesign(const CommandLine& line);

// Runs --drain-factors or --drain-spacing; returns the exit status.
int RunDrainDesign(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace vantorel
