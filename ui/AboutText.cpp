#include "ui/AboutText.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include "model/ProgramVersion.h"

namespace vantorel {

namespace {

// The examples are installed beside the documentation, under the prefix of the program.
QString ExamplesFolder() {
    const QDir installed(QCoreApplication::applicationDirPath() + "/../share/doc/vantorel/examples");
    return installed.exists() ? QDir::cleanPath(installed.absolutePath())
                              : QString("share/doc/vantorel/examples under the installation prefix (examples/ in the "
                                        "sources)");
}

}  // namespace

QString AboutText() {
    return QString("%1\n\n"
                   "The water table and the soil salinity of an irrigated field, time step by time step.\n\n"
                   "Licence: %2\n\n"
                   "Example input files: %3\n"
                   "Input, output and picture files: where you open and save them; the file dialogs start in "
                   "the folder the program was started in.\n"
                   "The list of recent files: %4")
        .arg(ProgramVersionLine, LicenceName, ExamplesFolder(), QSettings("Vantorel", "Vantorel").fileName());
}

}  // namespace vantorel
