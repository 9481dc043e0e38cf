#include "ui/HeldCommands.h"

namespace vantorel {

void HeldCommands::Hold(const std::vector<QWidget*>& controls, const std::vector<QAction*>& actions) {
    for (QWidget* control : controls) {
        if (!control->isEnabled()) continue;
        control->setEnabled(false);
        controls_.emplace_back(control);
    }
    for (QAction* action : actions) {
        if (!action->isEnabled()) continue;
        action->setEnabled(false);
        actions_.emplace_back(action);
    }
}

void HeldCommands::Release() {
    for (const QPointer<QWidget>& control : controls_) {
        if (control) control->setEnabled(true);
    }
    for (const QPointer<QAction>& action : actions_) {
        if (action) action->setEnabled(true);
    }
    controls_.clear();
    actions_.clear();
}

}  // namespace vantorel
