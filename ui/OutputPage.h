#pragma once
// The Output page's controls: the output text, the three table buttons, the table grid with its
// headings, the clipboard copy, and the buttons that open an output file and the graphs. The
// window's handlers (ui/OutputActions.cpp) drive them.

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <array>

#include "model/ResultTables.h"
#include "ui/ResultTablePlaces.h"
#include "ui/StringGrid.h"

namespace vantorel {

// The part of the page below the output text where a table is shown: the headings memo on top,
// the grid under it and the clipboard button under the grid, each at the left the table asks for.
class OutputTableArea : public QWidget {
public:
    struct Placement {
        int grid_left = 10;
        int grid_width = 740;
        int clip_label_left = 20;
        int clip_button_left = 12;
        QPlainTextEdit* memo = nullptr;  // the headings memo shown with the table, if any
        int memo_width = 0;
    };

    void Place(const Placement& placement);
    void Arrange();
    // The page's height goes to the text while no table is shown, and mostly to the table when
    // one is.
    void ShareHeightWithText(QBoxLayout& page_layout);

    StringGrid* grid = nullptr;
    QLabel* clip_label = nullptr;
    QPushButton* clip_button = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Placement placement_;
    QBoxLayout* page_layout_ = nullptr;
};

struct OutputControls {
    QWidget* OutTab = nullptr;
    QPlainTextEdit* OutputMemo = nullptr;
    QLabel* OutLabel = nullptr;
    QPushButton* SaltShowButton = nullptr;
    QPushButton* HydrShowButton = nullptr;
    QPushButton* SurfButton = nullptr;
    StringGrid* OutGrid = nullptr;
    QPlainTextEdit* HydrOutMemo = nullptr;
    QPlainTextEdit* OutSalt1Memo = nullptr;
    QPlainTextEdit* OutSalt2Memo = nullptr;
    QPlainTextEdit* OutSalt3Memo = nullptr;
    QPlainTextEdit* SurfMemo = nullptr;
    QLabel* ClipLabel = nullptr;
    QPushButton* ClipButton = nullptr;
    QLabel* CopyLabel = nullptr;
    QPushButton* OpenOutputButton = nullptr;
    QPushButton* GraphButton = nullptr;
    OutputTableArea* TableArea = nullptr;

    QPlainTextEdit* Memo(HeadingsMemo memo) const;
    std::array<QPlainTextEdit*, 5> HeadingsMemos() const {
        return {HydrOutMemo, OutSalt1Memo, OutSalt2Memo, OutSalt3Memo, SurfMemo};
    }
};

// Creates the page with every control in its initial state.
QWidget* BuildOutputPage(OutputControls& out, TextClipboard& clipboard);

// Fills OutGrid with the table and gives it the table's place, size and column width; shows the
// table's headings memo (with the table's text, where its place brings one), hides the other
// memos, and shows ClipLabel and ClipButton.
void ShowResultTable(OutputControls& out, const ResultTable& table);

// The cells of the grid as the clipboard takes them, headings included.
QString GridClipboardText(const StringGrid& grid);

// The fixed headings of the salinity tables of one, two and three layers, line by line.
const QStringList& SalinityHeadings(int layers);

}  // namespace vantorel
