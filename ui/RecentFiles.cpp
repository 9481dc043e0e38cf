#include "ui/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

#include "ui/QtPlatform.h"

namespace vantorel {

namespace {

constexpr const char* Key = "RecentFiles";

// The user's settings of the program, in the place the desktop keeps them.
QSettings UserSettings() { return QSettings("Vantorel", "Vantorel"); }

void Store(const QStringList& files) { UserSettings().setValue(Key, files); }

}  // namespace

RecentFiles::RecentFiles(QMenu& menu, std::function<void(const std::string& path)> open)
    : QObject(&menu), menu_(menu), open_(std::move(open)) {
    connect(&menu_, &QMenu::aboutToShow, this, [this] { Fill(); });
    Fill();
}

QStringList RecentFiles::Files() const {
    return UserSettings().value(Key).toStringList();
}

void RecentFiles::Add(const std::string& path) {
    const QString file = QFileInfo(PathToQt(path)).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > MostFiles) files.removeLast();
    Store(files);
}

void RecentFiles::Clear() { UserSettings().remove(Key); }

void RecentFiles::Fill() {
    menu_.clear();
    const QStringList files = Files();
    QStringList kept;
    for (const QString& file : files) {
        if (QFileInfo(file).isFile()) kept << file;
    }
    if (kept != files) Store(kept);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        // The number is the entry's mnemonic; an ampersand of the path is shown as it is.
        QAction* entry = menu_.addAction(QString("&%1 %2").arg(i + 1).arg(QString(kept[i]).replace('&', "&&")));
        connect(entry, &QAction::triggered, this, [this, file = kept[i]] { open_(PathFromQt(file)); });
    }
    if (kept.isEmpty()) menu_.addAction("No recent files")->setEnabled(false);
}

}  // namespace vantorel
