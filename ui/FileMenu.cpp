// The File menu: the page buttons that open files, reachable from every page, the files opened or
// saved last, and Exit, which closes the main window as the window's frame does.

#include <QMenuBar>

#include "ui/ImportSeriesDialog.h"
#include "ui/MainForm.h"
#include "ui/QtPlatform.h"
#include "ui/RecentFiles.h"

namespace vantorel {

namespace {

QAction* AddItem(QMenu& menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

void TMainForm::BuildFileMenu() {
    FileMenu = menuBar()->addMenu("&File");
    FileMenu->setObjectName("FileMenu");
    connect(AddItem(*FileMenu, "OpenInputItem", "&Open input...", QKeySequence::Open), &QAction::triggered, this, [this] {
        PageControl->setCurrentWidget(c_.InpTab);
        OpenInpButtonClick();
    });
    connect(AddItem(*FileMenu, "OpenOutputItem", "Open o&utput...", QKeySequence("Ctrl+Shift+O")), &QAction::triggered,
            this, [this] {
                PageControl->setCurrentWidget(out_.OutTab);
                OpenOutputButtonClick();
            });
    AddImportSeriesAction(*FileMenu, *this, services_, [this]() -> const InputData& { return state_.Input; },
                          [this](InputData data, const SalinityCellTexts& texts) { TakeDataSet(std::move(data), texts); });
    FileMenu->addSeparator();
    QMenu* recent = FileMenu->addMenu("&Recent files");
    recent->setObjectName("RecentFilesMenu");
    recent_files_ = new RecentFiles(*recent, [this](const std::string& path) { OpenStartFile(path); });
    FileMenu->addSeparator();
    ExitAction = AddItem(*FileMenu, "ExitItem", "E&xit", QKeySequence("Ctrl+Q"));
    connect(ExitAction, &QAction::triggered, this, [this] { close(); });
}

void TMainForm::CurrentFileChanged(const std::string& file) {
    ShowInputFileName();
    recent_files_->Add(file);
    // The save dialogs propose the data set's name with their own extension.
    input_save_dialog_.proposed_file = ProposedFileName(file, ".inp");
    graph_save_dialog_.proposed_file = ProposedFileName(file, ".bmp");
}

}  // namespace vantorel
