#pragma once
// The Edit menu's Cut, Copy, Paste and Delete act on the focused text control: a line edit, a
// memo, or a grid cell with or without its open cell editor. All go through the window's clipboard.

#include <QMenu>

#include "ui/Platform.h"

namespace vantorel {

enum class EditAction { Cut, Copy, Paste, Delete };

class EditActions {
public:
    explicit EditActions(TextClipboard& clipboard) : clipboard_(clipboard) {}

    // Adds the four items, with their shortcuts, to the menu.
    void AddTo(QMenu& menu);
    // Applies the action to the widget, when it is a text control.
    void Apply(EditAction action, QWidget* focus);

private:
    TextClipboard& clipboard_;
};

}  // namespace vantorel
