#pragma once
// Dialogs for work that runs where nobody answers: no question is agreed to, and the last message
// is kept for the caller to report.

#include <string>

#include "model/UserDialogs.h"

namespace vantorel {

class SilentDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override { last_message = text; }
    bool AskYesNo(const std::string&) override { return false; }
    void SetProgress(int) override {}
    void Pause(int) override {}

    std::string last_message;
};

}  // namespace vantorel
