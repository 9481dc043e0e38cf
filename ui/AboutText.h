#pragma once
// What "Help" > "About Vantorel" says: the version, the licence and where the program's files are.

#include <QString>

namespace vantorel {

// The name of the licence the program is distributed under.
inline constexpr const char* LicenceName = "see the file LICENSE that comes with the program";

QString AboutText();

}  // namespace vantorel
