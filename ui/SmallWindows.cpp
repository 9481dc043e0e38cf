#include "ui/SmallWindows.h"

#include <QCloseEvent>

namespace vantorel {

TCloseForm::TCloseForm(std::function<void()> end_program) : end_program_(std::move(end_program)) {
    setObjectName("CloseForm");
    setWindowTitle("Close all");
    resize(263, 153);
}

void TCloseForm::closeEvent(QCloseEvent* event) {
    event->accept();
    end_program_();
}

TAlfaForm::TAlfaForm() {
    setObjectName("AlfaForm");
    setWindowTitle("Calculator rection factors drainage systm");
    resize(457, 620);
}

TDrainForm::TDrainForm() {
    setObjectName("DrainForm");
    setWindowTitle("Explanation subsurface drainage");
    resize(426, 508);
}

}  // namespace vantorel
