#pragma once
// The few file operations whose system calls differ between POSIX systems and Windows; each sets
// errno where it fails, so that the caller's message gives the system's reason.

#include <string>

namespace vantorel::platform {

// Opens a file to read its bytes as they are (no line-end translation), without waiting for a
// writer where it is a pipe. -1 on failure.
int OpenForReading(const std::string& path);

// Gives a temporary file that mkstemp made the permissions of an ordinary file and puts its
// bytes on the disk. False on failure.
bool FinishTemporaryFile(int descriptor);

// Renames a file over another, which it replaces. False on failure.
bool RenameOver(const std::string& from, const std::string& to);

}  // namespace vantorel::platform
