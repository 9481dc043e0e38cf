#include "ui/RunFiles.h"

#include "model/OutputFileReader.h"

namespace vantorel {

std::optional<ReadRunFiles> ReadFilesOfRun(const ModelState& state, const std::string& file_name,
                                           std::initializer_list<RunFile> order, UserDialogs& dialogs) {
    ReadRunFiles files{state, state.Input, false, {}};
    files.Read.Input.FileName = file_name;
    for (const RunFile file : order) {
        if (file == RunFile::Output) {
            LoadOutputFile(files.Read, dialogs);
            if (files.Read.Output.InvalidOutput) return std::nullopt;
        } else {
            LoadInputFile(files.Read.Input, dialogs, &files.SalinityTexts);
            files.DataSet = files.Read.Input;
            files.InputRead = true;
        }
    }
    files.DataSet.FileName = files.Read.Input.FileName;
    return files;
}

}  // namespace vantorel
