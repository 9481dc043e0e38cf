#include "model/PlatformFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace vantorel::platform {

// Windows opens files as text unless told otherwise: CR LF would become LF, and a byte 26 would
// end the file. A file has no pipe to wait on.
int OpenForReading(const std::string& path) { return ::_open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT); }

// The file takes the permissions of its folder.
bool FinishTemporaryFile(int descriptor) { return ::_commit(descriptor) == 0; }

// The C library's rename refuses to replace a file here.
bool RenameOver(const std::string& from, const std::string& to) {
    if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: errno = ENOENT; break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: errno = EACCES; break;
        case ERROR_DISK_FULL: errno = ENOSPC; break;
        default: errno = EIO; break;
    }
    return false;
}

}  // namespace vantorel::platform
