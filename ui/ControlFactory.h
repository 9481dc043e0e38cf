#pragma once
// Creating the window's controls under their form names, with their captions.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

#include "ui/StringGrid.h"

namespace vantorel {

// A new widget of any kind under its object name, which the window tests and the screenshot tour
// find it by.
template <class Widget, class... Arguments>
Widget* MakeNamed(const char* name, Arguments&&... arguments) {
    auto* widget = new Widget(std::forward<Arguments>(arguments)...);
    widget->setObjectName(name);
    return widget;
}

// A window's object name, caption and first size.
void SetUpWindow(QWidget& window, const char* name, const QString& caption, int width, int height);

// The font of the program's windows: MS Sans Serif 8 pt, or a sans-serif look-alike.
QFont FormFont();

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent = nullptr);
QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent = nullptr);
QLineEdit* MakeEdit(const char* name, const QString& text = QString(), QWidget* parent = nullptr);
QComboBox* MakeCombo(const char* name, const QStringList& items, QWidget* parent = nullptr);
QGroupBox* MakePanel(const char* name, const QString& caption, QWidget* parent = nullptr);
// Save and Cancel side by side at the foot of a panel.
QWidget* PanelButtons(QPushButton* save, QPushButton* cancel);

// A group panel of the Input page with its Save and Cancel buttons. Cancel starts disabled: there
// is nothing to go back to before the group was saved once or a file was opened.
struct PanelFrame {
    QGroupBox* panel = nullptr;
    QPushButton* save = nullptr;
    QPushButton* quit = nullptr;
};
struct PanelNames {
    const char* panel;
    const char* save;
    const char* quit;
};
PanelFrame MakePanelFrame(const PanelNames& names, const QString& caption, const QString& save_caption,
                          const std::function<void()>& on_save, const std::function<void()>& on_quit);
// A read-only multi-line text with a vertical scroll bar.
QPlainTextEdit* MakeMemo(const char* name, const QStringList& lines, QWidget* parent = nullptr);

struct GridShape {
    int columns;
    int rows;
    int fixed_columns;
    int fixed_rows;
    std::vector<int> column_widths;
    QStringList column_captions = {};
    QStringList row_captions = {};
    int caption_lines = 2;
};
StringGrid* MakeGrid(const char* name, const GridShape& shape, TextClipboard& clipboard, QWidget* parent = nullptr);

}  // namespace vantorel
