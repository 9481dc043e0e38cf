#pragma once
// Dialogs for tests: records every message and question, answers from a script.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/UserDialogs.h"

namespace vantorel::test {

class ScriptedDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override;
    void SetProgress(int position) override { progress.push_back(position); }
    void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

    std::deque<bool> answers;  // taken from the front; No when empty
    std::function<void(const std::string& question)> on_question;  // called before each answer
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<int> progress;
    std::vector<int> pauses;
};

}  // namespace vantorel::test
