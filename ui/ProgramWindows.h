#pragma once
// The program's four windows, created in their order: the main window, the closing window, the
// drainage-factor calculator and the drainage explanation. Only the main window is shown.

#include <functional>

#include "ui/MainForm.h"
#include "ui/SmallWindows.h"

namespace vantorel {

class ProgramWindows {
public:
    // end_program ends the program, when the closing window is closed.
    ProgramWindows(WindowServices& services, std::function<void()> end_program);

    TMainForm MainForm;
    TCloseForm CloseForm;
    TAlfaForm AlfaForm;
    TDrainForm DrainForm;
};

// Ends the program with status 0 once the event handler that calls it returns: the closing
// window's end. Not QApplication::quit(), which first asks every window to close; the main window
// refuses, and that cancels the quit.
void EndProgram();

}  // namespace vantorel
