#include "ui/RunProgress.h"

namespace vantorel {

void RunProgress::ShowMessage(const std::string& text) {
    work_.Call([this, &text] { dialogs_.ShowMessage(text); });
}

bool RunProgress::AskYesNo(const std::string& text) {
    bool yes = false;
    work_.Call([this, &text, &yes] { yes = dialogs_.AskYesNo(text); });
    return yes;
}

void RunProgress::SetProgress(int position) {
    // The position arrives after this object may be gone: the lambda holds the window's own.
    work_.Post([&bar = bar_, &dialogs = dialogs_, position] {
        bar.setValue(position);
        dialogs.SetProgress(position);
    });
}

}  // namespace vantorel
