#pragma once
// The dialogs a calculation off the window thread gets from the window: its messages and questions
// are the window's modal boxes, shown on the window thread while the calculation waits for the
// answer; each progress position moves the progress bar; a pause holds the calculation only.
// Whatever is sent to the window thread is dropped with the window, which owns the bar.

#include <QProgressBar>

#include "model/UserDialogs.h"
#include "ui/BackgroundWork.h"

namespace vantorel {

class RunProgress : public UserDialogs {
public:
    RunProgress(BackgroundWork& work, UserDialogs& dialogs, QProgressBar& bar)
        : work_(work), dialogs_(dialogs), bar_(bar) {}

    // A message the window can no longer show is dropped; a question it can no longer ask is
    // answered No (the window is going, and the run has been asked to stop).
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetProgress(int position) override;
    // The window's pause, made on the calculation's thread.
    void Pause(int milliseconds) override { dialogs_.Pause(milliseconds); }

private:
    BackgroundWork& work_;
    UserDialogs& dialogs_;
    QProgressBar& bar_;
};

}  // namespace vantorel
