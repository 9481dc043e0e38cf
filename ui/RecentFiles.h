#pragma once
// The input and output files opened or saved last, newest first, in a menu of their own. The list
// is kept from one start of the program to the next in the user's settings (QSettings, organization
// and application "Vantorel"), the one thing the program remembers.

#include <QMenu>
#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

namespace vantorel {

class RecentFiles : public QObject {
public:
    static constexpr int MostFiles = 8;

    // Choosing an entry calls `open` with its path. Files gone since are left out when the menu opens.
    RecentFiles(QMenu& menu, std::function<void(const std::string& path)> open);

    void Add(const std::string& path);
    QStringList Files() const;
    // Empties the list of this user (tests start from an empty one).
    static void Clear();

private:
    void Fill();

    QMenu& menu_;
    std::function<void(const std::string& path)> open_;
};

}  // namespace vantorel
