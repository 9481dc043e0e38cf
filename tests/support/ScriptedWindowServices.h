#pragma once
// The window's services for tests: error boxes, file dialogs and the clipboard record what the
// window asks and answer from a script; messages and questions go to ScriptedDialogs.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ScriptedDialogs.h"
#include "ui/Platform.h"

namespace vantorel::test {

class ScriptedErrorBoxes : public ErrorBoxes {
public:
    void ShowError(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFile(const FileDialogSettings& dialog) override { return Answer(dialog); }
    std::optional<std::string> SaveFile(const FileDialogSettings& dialog) override { return Answer(dialog); }

    std::deque<std::optional<std::string>> answers;  // taken from the front; cancelled when empty
    std::vector<FileDialogSettings> shown;

private:
    std::optional<std::string> Answer(const FileDialogSettings& dialog);
};

class ScriptedClipboard : public TextClipboard {
public:
    QString Text() override { return text; }
    void SetText(const QString& new_text) override { text = new_text; }
    QString text;
};

struct ScriptedWindowServices {
    ScriptedDialogs dialogs;
    ScriptedErrorBoxes errors;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    WindowServices services{dialogs, errors, files, clipboard};
};

}  // namespace vantorel::test
