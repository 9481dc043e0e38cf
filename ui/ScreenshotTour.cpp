#include "ui/ScreenshotTour.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <iostream>

namespace vantorel {

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    Settle();
    const QString path = folder.filePath(name + ".png");
    const bool saved = widget.grab().save(path, "PNG");
    std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << '\n';
    return saved;
}

}  // namespace

void PrintedDialogs::ShowMessage(const std::string& text) { std::cout << "! " << text << '\n'; }

bool PrintedDialogs::AskYesNo(const std::string& text) {
    std::cout << "? " << text << " -> no\n";
    return false;
}

void PrintedDialogs::ShowError(const std::string& text) { std::cerr << "error: " << text << '\n'; }

int RunScreenshotTour(ProgramWindows& windows, const QString& folder_path, const std::string& input_file) {
    QDir folder(folder_path);
    if (!folder.mkpath(".")) {
        std::cerr << "cannot create the folder " << folder_path.toStdString() << '\n';
        return 1;
    }
    int failures = 0;
    TMainForm& main = windows.MainForm;
    main.show();
    auto* pages = main.findChild<QTabWidget*>("PageControl");
    for (int index = 0; index < pages->count(); ++index) {
        pages->setCurrentIndex(index);
        if (!Save(main, folder, "page-" + pages->widget(index)->objectName())) ++failures;
    }

    if (!input_file.empty()) main.OpenInputFile(input_file);
    pages->setCurrentWidget(main.findChild<QWidget*>("InpTab"));
    Workflow& workflow = main.GroupWorkflow();
    for (QWidget* panel : workflow.AllPanels()) {
        workflow.HideGroupPanels();
        panel->show();
        if (!Save(main, folder, "panel-" + panel->objectName())) ++failures;
    }
    workflow.HideGroupPanels();

    for (QWidget* window : std::initializer_list<QWidget*>{&windows.CloseForm, &windows.AlfaForm, &windows.DrainForm}) {
        window->show();
        if (!Save(*window, folder, "window-" + window->objectName())) ++failures;
        window->hide();
    }
    return failures;
}

}  // namespace vantorel
