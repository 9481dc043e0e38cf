#include "ui/RunProgress.h"

namespace vantorel {

void RunProgress::SetProgress(int position) {
    bar_.setValue(position);
    if (bar_.isVisible()) bar_.repaint();
    dialogs_.SetProgress(position);
}

}  // namespace vantorel
