#include "ui/analysis/ScenarioStudyMenu.h"

#include "ui/analysis/ScenarioStudyWindow.h"

namespace vantorel {

void AddScenarioStudyAction(QMenu& menu, QWidget& owner, WindowServices& services,
                            std::function<std::string()> last_saved_file) {
    QAction* action = menu.addAction("&Scenario study...");
    action->setObjectName("ScenarioStudyAction");
    action->setShortcut(QKeySequence("Ctrl+Shift+S"));
    QObject::connect(action, &QAction::triggered, &owner, [&owner, &services, last_saved_file]() {
        ScenarioStudyWindow* window = FindScenarioStudyWindow(owner);
        if (window == nullptr) window = new ScenarioStudyWindow(services, &owner);
        const std::string file = last_saved_file();
        if (!window->Running() && !file.empty()) window->SetBaseFile(file);
        window->show();
        window->raise();
    });
}

ScenarioStudyWindow* FindScenarioStudyWindow(QWidget& owner) {
    // The window has no meta-object of its own, so it is found by its object name.
    return static_cast<ScenarioStudyWindow*>(owner.findChild<QWidget*>("ScenarioStudyWindow", Qt::FindDirectChildrenOnly));
}

}  // namespace vantorel
