#include "ui/ProgramWindows.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace vantorel {

namespace {

DrainageEditorEdits EditsOf(const TMainForm& main) {
    return {main.findChild<QLineEdit*>("DrainDepthEdit"), main.findChild<QLineEdit*>("DrainQH1Edit"),
            main.findChild<QLineEdit*>("DrainQH2Edit")};
}

}  // namespace

ProgramWindows::ProgramWindows(WindowServices& services, std::function<void()> end_program)
    : MainForm(services), CloseForm(std::move(end_program)), AlfaForm(services, EditsOf(MainForm)) {
    MainForm.SetSmallWindows(&CloseForm, &AlfaForm, &DrainForm);
}

void EndProgram() { QCoreApplication::exit(0); }

}  // namespace vantorel
