#include "app/runner/OrderedBlocks.h"

#include <iostream>
#include <unistd.h>

namespace vantorel {

OrderedBlocks::OrderedBlocks(size_t count, std::ostream& out, std::ostream* progress)
    : blocks_(count), finished_(count, false), out_(out), progress_(progress) {}

void OrderedBlocks::Finish(size_t index, std::string block, bool failed) {
    blocks_[index] = std::move(block);
    finished_[index] = true;
    ++done_;
    if (failed) ++failed_;
    for (; printed_ < blocks_.size() && finished_[printed_]; ++printed_) {
        out_ << blocks_[printed_];
        blocks_[printed_].clear();
    }
    out_.flush();
    if (progress_ != nullptr) {
        *progress_ << '\r' << done_ << " done, " << failed_ << " failed, " << blocks_.size() - done_ << " remaining "
                   << std::flush;
    }
}

void OrderedBlocks::Close() {
    if (progress_ != nullptr && done_ > 0) *progress_ << '\n';
}

std::ostream* ProgressStream(std::ostream& err) {
    return &err == &std::cerr && ::isatty(STDERR_FILENO) ? &err : nullptr;
}

}  // namespace vantorel
