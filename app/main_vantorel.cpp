// vantorel: the desktop program.
//
//   vantorel                                   the window
//   vantorel --screenshots FOLDER [FILE.inp...]   saves a picture of every page, group panel and
//                                                 small window into FOLDER, and of the output and
//                                                 graphs of each file's run, then ends

#include <QApplication>

#include <csignal>
#include <iostream>
#include <string>

#include "ui/ProgramWindows.h"
#include "ui/QtPlatform.h"
#include "ui/ScreenshotTour.h"

int main(int argc, char** argv) {
    // A write beyond the file-size limit must fail as an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    // Only a name: a display name would be appended to every window's caption.
    QApplication::setApplicationName("Vantorel");

    vantorel::QtFileDialogs files(nullptr);
    vantorel::QtClipboard clipboard;

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == "--screenshots") {
        vantorel::PrintedDialogs printed;
        vantorel::WindowServices services{printed, printed, files, clipboard};
        vantorel::ProgramWindows windows(services, [] {});
        std::vector<std::string> input_files;
        for (qsizetype i = 3; i < arguments.size(); ++i) input_files.push_back(vantorel::PathFromQt(arguments[i]));
        return vantorel::RunScreenshotTour(windows, arguments[2], input_files) == 0 ? 0 : 1;
    }
    if (arguments.size() > 1) {
        std::cerr << "Usage: vantorel [--screenshots FOLDER [FILE.inp...]]\n";
        return 2;
    }
    vantorel::MessageBoxDialogs dialogs(nullptr);
    vantorel::WindowServices services{dialogs, dialogs, files, clipboard};
    vantorel::ProgramWindows windows(services, vantorel::EndProgram);
    dialogs.SetParent(&windows.MainForm);
    files.SetParent(&windows.MainForm);
    windows.MainForm.show();
    return QApplication::exec();
}
