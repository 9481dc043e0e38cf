#include "tests/support/ScriptedDialogs.h"

namespace vantorel::test {

bool ScriptedDialogs::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (on_question) on_question(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace vantorel::test
