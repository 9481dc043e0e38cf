#include "ui/ControlFactory.h"

#include <QHBoxLayout>

namespace vantorel {

QFont FormFont() {
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont font("MS Sans Serif", 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void SetUpWindow(QWidget& window, const char* name, const QString& caption, int width, int height) {
    window.setObjectName(name);
    window.setWindowTitle(caption);
    window.resize(width, height);
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeEdit(const char* name, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

QComboBox* MakeCombo(const char* name, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QGroupBox* MakePanel(const char* name, const QString& caption, QWidget* parent) {
    auto* panel = new QGroupBox(caption, parent);
    panel->setObjectName(name);
    return panel;
}

QWidget* PanelButtons(QPushButton* save, QPushButton* cancel) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(save);
    layout->addWidget(cancel);
    layout->addStretch(1);
    return row;
}

PanelFrame MakePanelFrame(const PanelNames& names, const QString& caption, const QString& save_caption,
                          const std::function<void()>& on_save, const std::function<void()>& on_quit) {
    PanelFrame frame{MakePanel(names.panel, caption), MakeButton(names.save, save_caption),
                     MakeButton(names.quit, "Cancel")};
    frame.quit->setEnabled(false);
    QObject::connect(frame.save, &QPushButton::clicked, on_save);
    QObject::connect(frame.quit, &QPushButton::clicked, on_quit);
    return frame;
}

QPlainTextEdit* MakeMemo(const char* name, const QStringList& lines, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setPlainText(lines.join('\n'));
    return memo;
}

StringGrid* MakeGrid(const char* name, const GridShape& shape, TextClipboard& clipboard, QWidget* parent) {
    auto* grid = new StringGrid(shape.fixed_columns, shape.fixed_rows, clipboard, parent);
    grid->setObjectName(name);
    grid->SetColCount(shape.columns);
    grid->SetRowCount(shape.rows);
    grid->SetColumnWidths(shape.column_widths);
    if (!shape.column_captions.isEmpty()) grid->SetColumnCaptions(shape.column_captions, shape.caption_lines);
    if (!shape.row_captions.isEmpty()) grid->SetRowCaptions(shape.row_captions);
    return grid;
}

}  // namespace vantorel
