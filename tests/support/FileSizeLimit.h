#pragma once
// A full disk for the duration of a test: a limit on the size of every file this process writes.
// A write beyond it fails with EFBIG; the signal the kernel would send instead is ignored meanwhile.

#include <sys/resource.h>

namespace vantorel::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previous_handler_)(int) = nullptr;
};

}  // namespace vantorel::test
