#include "ui/StringGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QStyledItemDelegate>

#include "model/GridPaste.h"
#include "ui/Platform.h"

namespace vantorel {

namespace {

// Line breaks as the grids' paste expects them, whatever program put the text on the clipboard.
QString WithGridLineBreaks(const QString& text) {
    if (!text.contains('\n')) return text;
    const QByteArray utf8 = text.toUtf8();
    return QString::fromStdString(WithCrLfLineBreaks(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
}

bool HoldsSeveralCells(const QString& text) { return text.contains('\t') || text.contains('\r'); }

// The line editor of one cell. A paste takes the window's clipboard, as every paste of the grids does.
class CellEditor : public QLineEdit {
public:
    CellEditor(StringGrid& grid, QWidget* parent) : QLineEdit(parent), grid_(grid) { setFrame(false); }
    StringGrid& Grid() const { return grid_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Paste)) {
            grid_.PasteFromClipboard();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    StringGrid& grid_;
};

}  // namespace

// ------------------------------------------------------------------------------------------------
// GridCells

QString GridCells::Cell(int column, int row) const {
    const auto found = cells_.find({row, column});
    return found == cells_.end() ? QString() : found->second;
}

void GridCells::SetCell(int column, int row, const QString& text) {
    if (column < 0 || row < 0 || Cell(column, row) == text) return;
    if (text.isEmpty()) {
        cells_.erase({row, column});
    } else {
        cells_[{row, column}] = text;
    }
    if (row < rows_ && column < columns_) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed);
    }
}

void GridCells::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

void GridCells::SetColumnCount(int columns) {
    columns = std::max(columns, 0);
    if (columns > columns_) {
        beginInsertColumns(QModelIndex(), columns_, columns - 1);
        columns_ = columns;
        endInsertColumns();
    } else if (columns < columns_) {
        beginRemoveColumns(QModelIndex(), columns, columns_ - 1);
        columns_ = columns;
        endRemoveColumns();
    }
}

void GridCells::SetColumnCaptions(const QStringList& captions) {
    column_captions_ = captions;
    if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

void GridCells::SetRowCaptions(const QStringList& captions) {
    row_captions_ = captions;
    if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

int GridCells::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridCells::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant GridCells::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Cell(index.column(), index.row());
    if (role == Qt::BackgroundRole && IsFixed(index.column(), index.row())) {
        return QApplication::palette().brush(QPalette::Button);
    }
    return {};
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    const QStringList& captions = orientation == Qt::Horizontal ? column_captions_ : row_captions_;
    return section >= 0 && section < captions.size() ? captions[section] : QString();
}

Qt::ItemFlags GridCells::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (IsFixed(index.column(), index.row())) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

// ------------------------------------------------------------------------------------------------
// StringGrid

// Cell editors store their text as it changes, so there is nothing left to commit when they close.
class StringGrid::CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(StringGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* editor = new CellEditor(grid_, parent);
        grid_.EditorCreated(editor, index);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text) line->setText(text);
    }
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
    StringGrid& grid_;
};

StringGrid::StringGrid(int fixed_columns, int fixed_rows, TextClipboard& clipboard, QWidget* parent)
    : QTableView(parent), cells_(fixed_columns, fixed_rows), clipboard_(clipboard) {
    setModel(&cells_);
    setItemDelegate(new CellDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    horizontalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void StringGrid::SetColumnCaptions(const QStringList& captions, int lines) {
    cells_.SetColumnCaptions(captions);
    horizontalHeader()->setVisible(!captions.isEmpty());
    // Long captions wrap within their column.
    horizontalHeader()->setFixedHeight(lines * fontMetrics().lineSpacing() + 8);
}

void StringGrid::SetRowCaptions(const QStringList& captions) {
    cells_.SetRowCaptions(captions);
    verticalHeader()->setVisible(!captions.isEmpty());
}

void StringGrid::SetColumnWidths(const std::vector<int>& widths) {
    for (size_t i = 0; i < widths.size(); ++i) setColumnWidth(static_cast<int>(i), widths[i]);
}

void StringGrid::EditCellText(int column, int row, const QString& text) {
    cells_.SetCell(column, row, text);
    if (handler_) handler_(column, row, text);
}

void StringGrid::EditorCreated(QLineEdit* editor, const QModelIndex& index) {
    editor_ = editor;
    const QPersistentModelIndex cell(index);
    connect(editor, &QLineEdit::textChanged, this, [this, editor, cell](const QString& text) {
        if (cell.isValid()) EditorTextChanged(editor, cell, text);
    });
}

void StringGrid::EditorTextChanged(QLineEdit* editor, const QModelIndex& index, const QString& text) {
    const QString delivered = WithGridLineBreaks(text);
    if (delivered == Cell(index.column(), index.row())) return;
    // A block of cells is spread by the handler; the editor, still holding the raw block, closes
    // without storing it again, so that the grid shows the spread cells.
    if (HoldsSeveralCells(delivered)) closeEditor(editor, QAbstractItemDelegate::NoHint);
    EditCellText(index.column(), index.row(), delivered);
}

QLineEdit* StringGrid::OpenEditor() const {
    if (!editor_ || !currentIndex().isValid() || indexWidget(currentIndex()) != editor_) return nullptr;
    return editor_;
}

void StringGrid::PasteFromClipboard() {
    const QString text = WithGridLineBreaks(clipboard_.Text());
    if (QLineEdit* editor = OpenEditor()) {
        editor->insert(text);
        return;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid() || cells_.IsFixed(current.column(), current.row())) return;
    EditCellText(current.column(), current.row(), text);
}

void StringGrid::CopyCurrentCell() {
    if (QLineEdit* editor = OpenEditor()) {
        if (editor->hasSelectedText()) clipboard_.SetText(editor->selectedText());
        return;
    }
    const QModelIndex current = currentIndex();
    if (current.isValid()) clipboard_.SetText(Cell(current.column(), current.row()));
}

void StringGrid::CutCurrentCell() {
    if (QLineEdit* editor = OpenEditor()) {
        if (!editor->hasSelectedText()) return;
        clipboard_.SetText(editor->selectedText());
        editor->del();
        return;
    }
    CopyCurrentCell();
    DeleteCurrentCell();
}

void StringGrid::DeleteCurrentCell() {
    if (QLineEdit* editor = OpenEditor()) {
        editor->del();
        return;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid() || cells_.IsFixed(current.column(), current.row())) return;
    if (!Cell(current.column(), current.row()).isEmpty()) EditCellText(current.column(), current.row(), QString());
}

StringGrid* StringGrid::OfCellEditor(QWidget* widget) {
    auto* editor = dynamic_cast<CellEditor*>(widget);
    return editor ? &editor->Grid() : nullptr;
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
    } else if (event->matches(QKeySequence::Copy)) {
        CopyCurrentCell();
    } else if (event->matches(QKeySequence::Cut)) {
        CutCurrentCell();
    } else if (event->matches(QKeySequence::Delete)) {
        DeleteCurrentCell();
    } else {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace vantorel
