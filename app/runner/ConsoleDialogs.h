#pragma once
// The batch runner's dialogs: messages are printed as "! TEXT", questions as "? TEXT -> yes" or
// "-> no" with the answer the options gave. There are no pauses.

#include <functional>
#include <ostream>
#include <string>

#include "model/UserDialogs.h"

namespace vantorel {

class ConsoleDialogs : public UserDialogs {
public:
    using Answerer = std::function<bool(const std::string& question)>;

    ConsoleDialogs(std::ostream& out, Answerer answer) : out_(out), answer_(std::move(answer)) {}

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetProgress(int) override {}
    void Pause(int) override {}

private:
    std::ostream& out_;
    Answerer answer_;
};

}  // namespace vantorel
