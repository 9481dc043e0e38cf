#pragma once
// The dialogs of the file readers outside a run: they ask nothing, and their messages are kept.

#include <string>
#include <vector>

#include "model/UserDialogs.h"

namespace vantorel::python {

class MessageList : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    bool AskYesNo(const std::string&) override { return false; }
    void SetProgress(int) override {}
    void Pause(int) override {}

    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};

}  // namespace vantorel::python
