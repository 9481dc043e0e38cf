#pragma once
// The batch runner: everything vantorel-run does, callable in-process by the tests.

#include <ostream>
#include <string>
#include <vector>

#include "app/runner/CommandLine.h"
#include "model/InputData.h"

namespace vantorel {

// Exit statuses of vantorel-run.
inline constexpr int ExitOk = 0;
inline constexpr int ExitRunFailed = 1;  // the run stopped or was refused, or an export failed
inline constexpr int ExitBadInput = 2;   // the input cannot be read or the options are wrong

// The options vantorel-run takes.
const std::vector<OptionDefinition>& RunnerOptions();

// Prints the refusal of a command line and the pointer to --help; returns ExitBadInput.
int UsageFailure(const std::string& what, std::ostream& err);

// --resave: writes the data set as the input file at the path and says so; the exit status.
int SaveDataSetAs(InputData& data, const std::string& path, std::ostream& out, std::ostream& err);

// Runs vantorel-run with the arguments after the program name; returns the exit status.
int RunVantorel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantorel
