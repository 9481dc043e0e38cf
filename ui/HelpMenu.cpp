// The Help menu: the pages and the window that explain the model, and "About Vantorel".

#include <QMenuBar>
#include <QMessageBox>

#include "ui/AboutText.h"
#include "ui/MainForm.h"
#include "ui/QtPlatform.h"

namespace vantorel {

void TMainForm::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("HelpMenu");
    // The menu is built before the pages.
    const auto show_page = [this](QWidget* TMainForm::*page) {
        return [this, page] { PageControl->setCurrentWidget(this->*page); };
    };
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        std::function<void()> show;
    } items[] = {
        {"IntroductionItem", "&Introduction", QKeySequence::HelpContents, show_page(&TMainForm::IntroTab)},
        {"BalancesItem", "&Water and salt balances", {}, show_page(&TMainForm::MathTab)},
        {"SketchItem", "&Sketch of water movement", {}, show_page(&TMainForm::FigTab)},
        {"DrainageEquationsItem", "&Drainage equations", {},
         [this] {
             if (!windows_.DrainForm) return;
             windows_.DrainForm->show();
             windows_.DrainForm->raise();
         }},
    };
    for (const auto& item : items) {
        QAction* action = help->addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, item.show);
    }
    help->addSeparator();
    QAction* about = help->addAction("&About Vantorel");
    about->setObjectName("AboutItem");
    connect(about, &QAction::triggered, this, [this] { ShowAbout(); });
}

void TMainForm::ShowAbout() { QMessageBox::about(DialogParent(this), "About Vantorel", AboutText()); }

}  // namespace vantorel
