#pragma once
// A walk through the window that saves a picture of each page, of each group panel and of the
// small windows, so that the window can be looked at without a desktop (scripts/screenshot).

#include <QString>

#include <string>

#include "ui/ProgramWindows.h"

namespace vantorel {

// The tour's messages are printed, so that nothing waits for a person: questions are answered No.
class PrintedDialogs : public UserDialogs, public ErrorBoxes {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetProgress(int) override {}
    void Pause(int) override {}
    void ShowError(const std::string& text) override;
};

// Saves the PNG files into the folder; the group panels show the data of the input file, when
// one is given. Returns the number of pictures that could not be saved.
int RunScreenshotTour(ProgramWindows& windows, const QString& folder, const std::string& input_file);

}  // namespace vantorel
