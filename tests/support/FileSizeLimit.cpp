#include "tests/support/FileSizeLimit.h"

#include <csignal>
#include <stdexcept>

namespace vantorel::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    if (::getrlimit(RLIMIT_FSIZE, &previous_) != 0) throw std::runtime_error("cannot read the file size limit");
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("cannot set the file size limit");
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previous_handler_);
}

}  // namespace vantorel::test
