#include "ui/EditActions.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/StringGrid.h"

namespace vantorel {

namespace {

void ApplyToGrid(EditAction action, StringGrid& grid) {
    switch (action) {
        case EditAction::Cut: grid.CutCurrentCell(); break;
        case EditAction::Copy: grid.CopyCurrentCell(); break;
        case EditAction::Paste: grid.PasteFromClipboard(); break;
        case EditAction::Delete: grid.DeleteCurrentCell(); break;
    }
}

void ApplyToLineEdit(EditAction action, QLineEdit& edit, TextClipboard& clipboard) {
    const bool selected = edit.hasSelectedText() && edit.echoMode() == QLineEdit::Normal;
    switch (action) {
        case EditAction::Copy:
            if (selected) clipboard.SetText(edit.selectedText());
            break;
        case EditAction::Cut:
            if (selected && !edit.isReadOnly()) {
                clipboard.SetText(edit.selectedText());
                edit.del();
            }
            break;
        case EditAction::Paste:
            if (!edit.isReadOnly()) edit.insert(clipboard.Text());
            break;
        case EditAction::Delete:
            if (edit.hasSelectedText() && !edit.isReadOnly()) edit.del();
            break;
    }
}

void ApplyToMemo(EditAction action, QPlainTextEdit& memo, TextClipboard& clipboard) {
    QTextCursor cursor = memo.textCursor();
    // The text control marks line ends in a selection with the paragraph separator.
    const QString selected = cursor.selectedText().replace(QChar::ParagraphSeparator, '\n');
    switch (action) {
        case EditAction::Copy:
            if (cursor.hasSelection()) clipboard.SetText(selected);
            break;
        case EditAction::Cut:
            if (cursor.hasSelection() && !memo.isReadOnly()) {
                clipboard.SetText(selected);
                cursor.removeSelectedText();
            }
            break;
        case EditAction::Paste:
            if (!memo.isReadOnly()) cursor.insertText(clipboard.Text());
            break;
        case EditAction::Delete:
            if (cursor.hasSelection() && !memo.isReadOnly()) cursor.removeSelectedText();
            break;
    }
}

}  // namespace

void EditActions::AddTo(QMenu& menu) {
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
        EditAction action;
    };
    const Item items[] = {
        {"EditCopy", "&Copy", "Ctrl+C", EditAction::Copy},
        {"EditCut", "Cu&t", "Ctrl+X", EditAction::Cut},
        {"EditDelete", "&Delete", "Del", EditAction::Delete},
        {"EditPaste", "&Paste", "Ctrl+V", EditAction::Paste},
    };
    for (const Item& item : items) {
        QAction* action = menu.addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcut(QKeySequence(item.shortcut));
        const EditAction what = item.action;
        QObject::connect(action, &QAction::triggered, [this, what] { Apply(what, QApplication::focusWidget()); });
    }
}

void EditActions::Apply(EditAction action, QWidget* focus) {
    if (!focus) return;
    if (StringGrid* grid = StringGrid::OfCellEditor(focus)) {
        ApplyToGrid(action, *grid);
    } else if (auto* grid_itself = dynamic_cast<StringGrid*>(focus)) {
        ApplyToGrid(action, *grid_itself);
    } else if (auto* edit = dynamic_cast<QLineEdit*>(focus)) {
        ApplyToLineEdit(action, *edit, clipboard_);
    } else if (auto* memo = dynamic_cast<QPlainTextEdit*>(focus)) {
        ApplyToMemo(action, *memo, clipboard_);
    }
}

}  // namespace vantorel
