#pragma once
// The Output page's controls: the output text, the three table buttons, the table grid with its
// headings, the clipboard copy, and the buttons that open an output file and the graphs. The
// window shows the output text after a run; the buttons act from the output page's own handlers.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/StringGrid.h"

namespace vantorel {

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
};

// Creates the page with every control in its initial state.
QWidget* BuildOutputPage(OutputControls& out, TextClipboard& clipboard);

}  // namespace vantorel
