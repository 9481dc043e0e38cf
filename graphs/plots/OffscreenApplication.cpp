#include "graphs/plots/OffscreenApplication.h"

#include <QApplication>

namespace vantorel {

void EnsureOffscreenApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    // Qt keeps references to the arguments for the application's whole life.
    static int argc = 3;
    static char name[] = "vantorel-run";
    static char platform_option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platform_option, platform, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

}  // namespace vantorel
