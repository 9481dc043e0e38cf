// The file the desktop hands over on a double-click, opened through the page that opens such a
// file, so that the window ends up as if the user had gone there and chosen it.

#include "model/FileNames.h"
#include "ui/MainForm.h"

namespace vantorel {

void TMainForm::OpenStartFile(const std::string& path) {
    // Both readers put their own extension on the name, so the extension alone decides.
    if (ReplaceExtension(path, ".out") == path) {
        PageControl->setCurrentWidget(out_.OutTab);
        OpenOutputFile(path);
    } else {
        PageControl->setCurrentWidget(c_.InpTab);
        OpenInputFile(path);
    }
}

}  // namespace vantorel
