#include "app/runner/ConsoleDialogs.h"

namespace vantorel {

void ConsoleDialogs::ShowMessage(const std::string& text) { out_ << "! " << text << '\n'; }

bool ConsoleDialogs::AskYesNo(const std::string& text) {
    const bool yes = answer_ ? answer_(text) : false;
    out_ << "? " << text << " -> " << (yes ? "yes" : "no") << '\n';
    return yes;
}

}  // namespace vantorel
