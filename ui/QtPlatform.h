#pragma once
// The desktop's own message boxes, file dialogs and clipboard behind the window's interfaces.

#include <QWidget>

#include <string>

#include "ui/Platform.h"

namespace vantorel {

// Modal boxes: a question with Yes and No and the question icon, a message with OK, an error
// with the error icon. The calculation's progress positions are the window's concern; a pause
// blocks the thread that asks for it (the calculation's), so that the position just painted stays
// in sight.
class MessageBoxDialogs : public UserDialogs, public ErrorBoxes {
public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetProgress(int) override {}
    void Pause(int milliseconds) override;
    void ShowError(const std::string& text) override;

private:
    QWidget* parent_;
};

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> OpenFile(const FileDialogSettings& dialog) override;
    std::optional<std::string> SaveFile(const FileDialogSettings& dialog) override;

private:
    QWidget* parent_;
};

// The system clipboard. Line breaks are handed on as they are; the grids put them into the
// convention of their paste.
class QtClipboard : public TextClipboard {
public:
    QString Text() override;
    void SetText(const QString& text) override;
};

// The window a box or file dialog belongs to: the one in front (a modal box, an analysis window),
// or the given one when none of the program's windows is active.
QWidget* DialogParent(QWidget* fallback);

// What a save dialog proposes for the files of a data set: the name of `path` without its folder,
// with the extension given; empty for an empty path.
std::string ProposedFileName(const std::string& path, const char* extension);

// Paths of the model as the file system names them, and back.
std::string PathFromQt(const QString& path);
QString PathToQt(const std::string& path);

}  // namespace vantorel
