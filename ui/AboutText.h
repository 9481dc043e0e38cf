#pragma once
// What "Help" > "About Vantorel" says: the version, the licence and where the program's files are.

#include <QString>

namespace vantorel {

// The name of the licence the program is distributed under.
inline constexpr const char* LicenceName = "GNU General Public License, version 3 or later (the file LICENSE)";

QString AboutText();

}  // namespace vantorel
