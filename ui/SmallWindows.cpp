#include "ui/SmallWindows.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"
#include "ui/HelpResources.h"

namespace vantorel {

namespace {

// A window filled by one read-only memo of a help text, its lines wrapped to the window.
QPlainTextEdit* AddMemo(QWidget* window, const char* name, const char* text_file) {
    QPlainTextEdit* memo = MakeMemo(name, {HelpText(text_file)}, window);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    return memo;
}

}  // namespace

TCloseForm::TCloseForm(std::function<void()> end_program) : end_program_(std::move(end_program)) {
    setObjectName("CloseForm");
    setWindowTitle("Close all");
    resize(263, 153);
    QPlainTextEdit* memo = AddMemo(this, "Memo", "close.txt");
    SetHelpLook(*memo);
}

void TCloseForm::closeEvent(QCloseEvent* event) {
    event->accept();
    end_program_();
}

TDrainForm::TDrainForm() {
    setObjectName("DrainForm");
    setWindowTitle("Explanation subsurface drainage");
    setFont(FormFont());
    resize(426, 508);
    AddMemo(this, "DrainMemo", "drainage.txt");
}

}  // namespace vantorel
