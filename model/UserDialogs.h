#pragma once
// How the core reaches the user: the window shows modal boxes, the batch runner prints and
// answers from its options, tests script the answers.

#include <string>

namespace vantorel {

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // A message with one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The calculation's progress position, 0 to 10.
    virtual void SetProgress(int position) = 0;
    // A pause that lets the user see the progress position.
    virtual void Pause(int milliseconds) = 0;
};

}  // namespace vantorel
