#include "model/OutputFileReader.h"

#include "model/FileNames.h"

namespace vantorel {

std::vector<std::string> ShowOutputText(const InputData& data) {
    return ReadTextFileLines(ReplaceExtension(data.FileName, ".out"));
}

}  // namespace vantorel
