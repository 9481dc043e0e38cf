#pragma once
// A grid of cell texts with optional fixed heading rows and columns, addressed as (column, row)
// with row 0 and column 0 the first ones shown. Cells exist independently of the shown row and
// column counts: a cell written beyond them keeps its text and shows when the grid grows.
// Every change of a cell's text through its cell editor (typing, pasting, cutting) reaches the
// grid's edit-text handler.

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <map>
#include <utility>

class QLineEdit;

namespace vantorel {

class TextClipboard;

class GridCells : public QAbstractTableModel {
public:
    GridCells(int fixed_columns, int fixed_rows) : fixed_columns_(fixed_columns), fixed_rows_(fixed_rows) {}

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    int RowCount() const { return rows_; }
    int ColumnCount() const { return columns_; }
    void SetRowCount(int rows);
    void SetColumnCount(int columns);
    void SetColumnCaptions(const QStringList& captions);
    void SetRowCaptions(const QStringList& captions);
    bool IsFixed(int column, int row) const { return column < fixed_columns_ || row < fixed_rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int fixed_columns_;
    int fixed_rows_;
    int rows_ = 0;
    int columns_ = 0;
    std::map<std::pair<int, int>, QString> cells_;  // (row, column), only cells with text
    QStringList column_captions_;
    QStringList row_captions_;
};

class StringGrid : public QTableView {
public:
    using EditTextHandler = std::function<void(int column, int row, const QString& text)>;

    StringGrid(int fixed_columns, int fixed_rows, TextClipboard& clipboard, QWidget* parent = nullptr);

    QString Cell(int column, int row) const { return cells_.Cell(column, row); }
    // Writes a cell without notifying the handler, as the program itself fills a grid.
    void SetCell(int column, int row, const QString& text) { cells_.SetCell(column, row, text); }
    int RowCount() const { return cells_.RowCount(); }
    int ColCount() const { return cells_.ColumnCount(); }
    void SetRowCount(int rows) { cells_.SetRowCount(rows); }
    void SetColCount(int columns) { cells_.SetColumnCount(columns); }
    // Captions shown above the columns (in up to the given number of lines) and beside the rows,
    // outside the cells.
    void SetColumnCaptions(const QStringList& captions, int lines = 2);
    void SetRowCaptions(const QStringList& captions);
    void SetColumnWidths(const std::vector<int>& widths);

    void SetEditTextHandler(EditTextHandler handler) { handler_ = std::move(handler); }

    // The cell editor of (column, row) now holds this text: stores it and calls the handler.
    void EditCellText(int column, int row, const QString& text);
    // The clipboard's text into the current cell: into its open editor at the cursor, or in place
    // of the cell's text. Line breaks arrive with the text.
    void PasteFromClipboard();
    void CopyCurrentCell();
    void CutCurrentCell();
    void DeleteCurrentCell();

    // The grid an editor belongs to, when the widget is one of its cell editors.
    static StringGrid* OfCellEditor(QWidget* widget);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class CellDelegate;
    friend class CellDelegate;

    void EditorCreated(QLineEdit* editor, const QModelIndex& index);
    void EditorTextChanged(QLineEdit* editor, const QModelIndex& index, const QString& text);
    QLineEdit* OpenEditor() const;

    GridCells cells_;
    TextClipboard& clipboard_;
    EditTextHandler handler_;
    QPointer<QLineEdit> editor_;
};

}  // namespace vantorel
