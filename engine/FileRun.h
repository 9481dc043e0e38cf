#pragma once
// One input file run to its output file, as the batch runner runs it, with a record of how it
// ended. The batch runner, the window's scenario studies and the Python module share it.

#include <string>
#include <vector>

#include "engine/StopRequest.h"
#include "model/ModelState.h"

namespace vantorel {

// The answers to the calculation's questions.
struct RunAnswers {
    bool drainage_optimization = false;  // optimize the drainage factors
    bool fit_choice = true;              // take the proposed water-table or discharge optimum
    bool leaching_optimization = false;  // optimize the leaching efficiencies

    // The answer to a question of the calculation, told apart by its text.
    bool Answer(const std::string& question) const;
};

enum class RunStatus {
    Completed,   // the output file was written
    Stopped,     // the calculation stopped: a water table below the aquifer, an invalid result, ...
    Refused,     // the run's checks refused the data set before calculating
    Unreadable,  // the input file could not be read
    Skipped,     // not run: its output file is up to date
    Interrupted, // ended by a stop request (Cancel, a signal) before its output file was written
    Unwritable,  // a file of the run (its output file, a scenario's input file) could not be written
};

// "completed", "stopped", "refused", "unreadable", "skipped", "interrupted", "unwritable".
const char* RunStatusName(RunStatus status);
// The exit status of a single-file vantorel-run call that ends so: 0, 1 or 2.
int RunStatusExitCode(RunStatus status);
// Whether a run that ends so leaves its output file: written, or up to date and kept.
bool OutputWritten(RunStatus status);

struct FileRunResult {
    std::string input;
    std::string output;  // the output file's path, written or not (see OutputWritten)
    RunStatus status = RunStatus::Unreadable;
    int exit_code = 2;
    std::string message;              // why the run did not complete; empty when it did
    std::vector<std::string> dialog;  // "? QUESTION -> yes|no" and "! MESSAGE" lines, in order
    // The values of the loaded file that the input editors would refuse or change; the file runs
    // as it is, as files of earlier versions do.
    std::vector<std::string> warnings;
    double seconds = 0;               // wall-clock time of the load and the run
};

struct FileRunOptions {
    RunAnswers answers;
    std::string output;  // the output file; empty: next to the input file
    const StopRequest* stop = nullptr;  // ends the calculation early once requested
};

// Loads the input file, computes what a save derives (the file itself is not rewritten), runs
// the calculation and writes the output file, as the window's "Save all - Run" does after a Yes
// to its question. The state is left as the run leaves it, for a summary, tables and graphs.
FileRunResult RunInputFile(ModelState& state, const std::string& input, const FileRunOptions& options);

// The same in a state of its own.
FileRunResult RunInputFile(const std::string& input, const FileRunOptions& options);

// The data set already in the state, run as RunInputFile runs it once loaded; the output file is
// next to its FileName unless the options name one.
FileRunResult RunDataSet(ModelState& state, const FileRunOptions& options);

}  // namespace vantorel
