#pragma once
// Reading the files of a run, the output file and the input file of the same name, for the
// Output page's tables and for the graphs. They are read into a copy of the model state, so
// that a file that cannot be read leaves the window as it was.

#include <initializer_list>
#include <optional>
#include <string>

#include "model/InputFile.h"
#include "model/ModelState.h"
#include "model/UserDialogs.h"

namespace vantorel {

enum class RunFile { Output, Input };

struct ReadRunFiles {
    // The state after every read: the tables and graphs are made from it.
    ModelState Read;
    // What the window keeps of the data set: the input file's as read, or the data set as it was
    // when only the output file was read. The output reader puts the actual surface drainage into
    // the data set's series; kept, a later save would write it as the given one.
    InputData DataSet;
    bool InputRead = false;
    SalinityCellTexts SalinityTexts;
};

// Reads the files in the order given, starting from the file name given (each reader sets its own
// extension). Throws FileError. Nothing when the output file is refused as invalid; the reader has
// said why.
std::optional<ReadRunFiles> ReadFilesOfRun(const ModelState& state, const std::string& file_name,
                                           std::initializer_list<RunFile> order, UserDialogs& dialogs);

}  // namespace vantorel
