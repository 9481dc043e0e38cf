#include "model/RunFiles.h"

#include "model/OutputFileReader.h"

namespace vantorel {

std::optional<ReadRunFiles> ReadFilesOfRun(const ModelState& state, const RunFileNames& names,
                                           std::initializer_list<RunFile> order, UserDialogs& dialogs) {
    ReadRunFiles files{state, state.Input, false, {}};
    for (const RunFile file : order) {
        if (file == RunFile::Output) {
            files.Read.Input.FileName = names.Output;
            LoadOutputFile(files.Read, dialogs);
            if (files.Read.Output.InvalidOutput) return std::nullopt;
        } else {
            files.Read.Input.FileName = names.Input;
            LoadInputFile(files.Read.Input, dialogs, &files.SalinityTexts);
            files.DataSet = files.Read.Input;
            files.InputRead = true;
        }
    }
    files.DataSet.FileName = files.Read.Input.FileName;
    return files;
}

}  // namespace vantorel
