#pragma once
// What the window needs from the desktop besides its own controls: message boxes, file dialogs
// and the clipboard. Each is a small interface, so that tests script it; QtPlatform.h has the
// real ones.

#include <QString>

#include <optional>
#include <string>

#include "model/UserDialogs.h"

namespace vantorel {

// The toolkit's standard error box, for an exception that ends an action (a text that is not a
// number, a file that cannot be read or written).
class ErrorBoxes {
public:
    virtual ~ErrorBoxes() = default;
    virtual void ShowError(const std::string& text) = 0;
};

// One of the window's file dialogs, with the settings it keeps between uses.
struct FileDialogSettings {
    std::string name;               // InputOpenDialog, InputSaveDialog, OutputOpenDialog
    std::string filter;             // in the form "description (*.ext)|*.ext"
    std::string default_extension;  // without the point
    std::string initial_directory;
    std::string proposed_file = {};  // a save dialog's proposed file name, without folder; empty: none
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels. A save dialog does not ask about
    // overwriting: the window asks itself.
    virtual std::optional<std::string> OpenFile(const FileDialogSettings& dialog) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogSettings& dialog) = 0;
};

class TextClipboard {
public:
    virtual ~TextClipboard() = default;
    virtual QString Text() = 0;
    virtual void SetText(const QString& text) = 0;
};

struct WindowServices {
    UserDialogs& dialogs;
    ErrorBoxes& errors;
    FileDialogs& files;
    TextClipboard& clipboard;
};

}  // namespace vantorel
