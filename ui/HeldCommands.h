#pragma once
// Commands that must wait while a calculation runs in the background: those enabled are disabled,
// and enabled again when the calculation has ended. A container held holds what it contains, each
// control keeping its own state for afterwards.

#include <QAction>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace vantorel {

class HeldCommands {
public:
    void Hold(const std::vector<QWidget*>& controls, const std::vector<QAction*>& actions);
    void Release();

private:
    std::vector<QPointer<QWidget>> controls_;
    std::vector<QPointer<QAction>> actions_;
};

}  // namespace vantorel
