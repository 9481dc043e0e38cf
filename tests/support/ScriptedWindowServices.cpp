#include "tests/support/ScriptedWindowServices.h"

namespace vantorel::test {

std::optional<std::string> ScriptedFileDialogs::Answer(const FileDialogSettings& dialog) {
    shown.push_back(dialog);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace vantorel::test
