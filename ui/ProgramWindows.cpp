#include "ui/ProgramWindows.h"

namespace vantorel {

ProgramWindows::ProgramWindows(WindowServices& services, std::function<void()> end_program)
    : MainForm(services), CloseForm(std::move(end_program)) {
    MainForm.SetSmallWindows(&CloseForm, &AlfaForm, &DrainForm);
}

}  // namespace vantorel
