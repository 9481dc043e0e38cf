// vantorel: the desktop program.
//
//   vantorel [FILE]                            the window, with an input or output file opened
//   vantorel --screenshots FOLDER [FILE.inp...]   saves a picture of every page, group panel and
//                                                 small window into FOLDER, and of the output and
//                                                 graphs of each file's run, then ends
//   vantorel -h | --help | -V | --version      answered without a display, as are wrong arguments

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "graphs/plots/RuntimeDirectory.h"
#include "model/ProgramVersion.h"
#include "ui/HelpResources.h"
#include "ui/ProgramWindows.h"
#include "ui/QtPlatform.h"
#include "ui/ScreenshotTour.h"
#include "ui/WindowCommand.h"

int main(int argc, char** argv) {
    // A write beyond the file-size limit must fail as an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Answered before the window system is touched, so that they need no display: without one,
    // the toolkit would end the program.
    const vantorel::WindowCommand asked =
        vantorel::ParseWindowCommand(vantorel::WithoutToolkitOptions({argv + 1, argv + argc}));
    if (asked.action == vantorel::WindowCommand::Action::Help) {
        std::cout << vantorel::WindowHelpText;
        return 0;
    }
    if (asked.action == vantorel::WindowCommand::Action::Version) {
        std::cout << vantorel::ProgramVersionLine << '\n';
        return 0;
    }
    if (asked.action == vantorel::WindowCommand::Action::Wrong) {
        std::cerr << "vantorel: " << asked.problem << '\n' << vantorel::WindowUsageText;
        return 2;
    }
    // As the batch runner does: Qt warns on every start where the session names no runtime directory.
    vantorel::ProvideRuntimeDirectory();
    QApplication application(argc, argv);
    // Only a name: a display name would be appended to every window's caption.
    QApplication::setApplicationName("Vantorel");

    vantorel::QtFileDialogs files(nullptr);
    vantorel::QtClipboard clipboard;

    // The toolkit has taken its own options out of the arguments by now.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(vantorel::PathFromQt(argument));
    const vantorel::WindowCommand command = vantorel::ParseWindowCommand(arguments);
    if (command.action == vantorel::WindowCommand::Action::Screenshots) {
        // The tour's files are no user's recent files.
        const QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        vantorel::PrintedDialogs printed;
        vantorel::WindowServices services{printed, printed, files, clipboard};
        vantorel::ProgramWindows windows(services, [] {});
        return vantorel::RunScreenshotTour(windows, vantorel::PathToQt(command.folder), command.inputs) == 0 ? 0 : 1;
    }
    if (command.action != vantorel::WindowCommand::Action::Window) {
        std::cerr << "vantorel: " << command.problem << '\n' << vantorel::WindowUsageText;
        return 2;
    }
    // The desktop finds the window's menu entry by the first, the window frame shows the second.
    QGuiApplication::setDesktopFileName("vantorel");
    QApplication::setWindowIcon(vantorel::ProgramIcon());
    vantorel::MessageBoxDialogs dialogs(nullptr);
    vantorel::WindowServices services{dialogs, dialogs, files, clipboard};
    vantorel::ProgramWindows windows(services, vantorel::EndProgram);
    dialogs.SetParent(&windows.MainForm);
    files.SetParent(&windows.MainForm);
    windows.MainForm.show();
    if (!command.file.empty()) windows.MainForm.OpenStartFile(command.file);
    return QApplication::exec();
}
