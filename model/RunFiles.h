#pragma once
// Reading the files of a run, the output file and the input file, for the Output page's tables,
// the graphs and the batch runner's exports. They are read into a copy of the model state, so
// that a file that cannot be read leaves the caller's state as it was.

#include <initializer_list>
#include <optional>
#include <string>

#include "model/InputFile.h"
#include "model/ModelState.h"
#include "model/UserDialogs.h"

namespace vantorel {

enum class RunFile { Output, Input };

// Where the two files are; each reader puts its own extension on its name.
struct RunFileNames {
    std::string Input;
    std::string Output;
};

struct ReadRunFiles {
    // The state after every read: the tables and graphs are made from it.
    ModelState Read;
    // What a window keeps of the data set: the input file's as read, or the data set as it was
    // when only the output file was read. The output file's actual surface drainage goes into
    // the data set's series of Read; kept, a later save would write it as the given one.
    InputData DataSet;
    bool InputRead = false;
    SalinityCellTexts SalinityTexts;
};

// Reads the files in the order given, each into what the ones before left: read after the input
// file, the output file's surface drainage is the actual one beside the given one and its counts
// win; read after the output file, the input file's data set wins. Throws FileError. Nothing when
// the output file is refused as invalid; the reader has said why.
std::optional<ReadRunFiles> ReadFilesOfRun(const ModelState& state, const RunFileNames& names,
                                           std::initializer_list<RunFile> order, UserDialogs& dialogs);

}  // namespace vantorel
