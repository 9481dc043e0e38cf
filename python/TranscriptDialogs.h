#pragma once
// The dialogs of a run from Python: answered as the batch runner answers, and kept line by line
// as the runner prints them ("! TEXT", "? TEXT -> yes").

#include <sstream>
#include <string>
#include <vector>

#include "app/runner/ConsoleDialogs.h"
#include "app/runner/QuestionAnswers.h"

namespace vantorel::python {

class TranscriptDialogs : public UserDialogs {
public:
    explicit TranscriptDialogs(QuestionAnswers answers = {});

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetProgress(int) override {}
    void Pause(int) override {}

    const std::vector<std::string>& Lines() const { return lines_; }
    // The texts of the messages alone, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    void TakePrinted();

    QuestionAnswers answers_;
    std::ostringstream printed_;
    ConsoleDialogs console_;
    std::vector<std::string> lines_;
    std::vector<std::string> messages_;
};

}  // namespace vantorel::python
