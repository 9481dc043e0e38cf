#pragma once
// Creating the window's controls under their form names, with their captions.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <vector>

#include "ui/StringGrid.h"

namespace vantorel {

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent = nullptr);
QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent = nullptr);
QLineEdit* MakeEdit(const char* name, const QString& text = QString(), QWidget* parent = nullptr);
QComboBox* MakeCombo(const char* name, const QStringList& items, QWidget* parent = nullptr);
QGroupBox* MakePanel(const char* name, const QString& caption, QWidget* parent = nullptr);
// Save and Cancel side by side at the foot of a panel.
QWidget* PanelButtons(QPushButton* save, QPushButton* cancel);
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
