#include "ui/ProgramWindows.h"

#include <QCoreApplication>

#include "ui/Mnemonics.h"

namespace vantorel {

ProgramWindows::ProgramWindows(WindowServices& services, std::function<void()> end_program)
    : MainForm(services),
      CloseForm(std::move(end_program)),
      AlfaForm(services, [this](const QString& depth, const QString& qh1, const QString& qh2) {
          MainForm.Editors().drainage.EnterCalculatedFactors(depth, qh1, qh2);
      }) {
    MainForm.SetSmallWindows(&CloseForm, &AlfaForm, &DrainForm);
    AddMnemonics(AlfaForm);
}

void EndProgram() { QCoreApplication::exit(0); }

}  // namespace vantorel
