#pragma once
// The dialogs a calculation gets from the window: its messages and questions go to the window's
// dialogs, and each progress position moves the progress bar, painted at once (the run holds
// the window thread until it ends).

#include <QProgressBar>

#include "model/UserDialogs.h"

namespace vantorel {

class RunProgress : public UserDialogs {
public:
    RunProgress(UserDialogs& dialogs, QProgressBar& bar) : dialogs_(dialogs), bar_(bar) {}

    void ShowMessage(const std::string& text) override { dialogs_.ShowMessage(text); }
    bool AskYesNo(const std::string& text) override { return dialogs_.AskYesNo(text); }
    void SetProgress(int position) override;
    void Pause(int milliseconds) override { dialogs_.Pause(milliseconds); }

private:
    UserDialogs& dialogs_;
    QProgressBar& bar_;
};

}  // namespace vantorel
