#pragma once
// The "Scenario study..." entry of the Analysis menu.

#include <QMenu>
#include <functional>
#include <string>

#include "ui/Platform.h"

namespace vantorel {

class ScenarioStudyWindow;

// Adds the entry; it shows the one study window (a child window of `owner`), starting from the
// input file that `last_saved_file` names when no study has run yet.
void AddScenarioStudyAction(QMenu& menu, QWidget& owner, WindowServices& services,
                            std::function<std::string()> last_saved_file);

// The study window once the entry has shown it, else nullptr.
ScenarioStudyWindow* FindScenarioStudyWindow(QWidget& owner);

}  // namespace vantorel
