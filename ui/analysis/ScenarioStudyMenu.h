#pragma once
// The "Scenario study..." entry of the Analysis menu.

#include <QMenu>
#include <functional>
#include <string>

#include "ui/Platform.h"

namespace vantorel {

// Adds the entry; it shows the one study window (a child window of `owner`), starting from the
// input file that `last_saved_file` names when no study has run yet.
void AddScenarioStudyAction(QMenu& menu, QWidget& owner, WindowServices& services,
                            std::function<std::string()> last_saved_file);

}  // namespace vantorel
