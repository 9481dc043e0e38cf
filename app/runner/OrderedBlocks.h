#pragma once
// The printed blocks of runs that finish in any order, printed in the order the runs were given,
// never interleaved; and, on a terminal, a progress line on standard error.

#include <ostream>
#include <string>
#include <vector>

namespace vantorel {

class OrderedBlocks {
public:
    // `progress` is where the progress line goes, or nullptr for none.
    OrderedBlocks(size_t count, std::ostream& out, std::ostream* progress);

    // The block of run `index`; prints it and every finished block after it once all earlier
    // blocks are printed. Not thread-safe: the caller serializes the calls.
    void Finish(size_t index, std::string block, bool failed);
    // Ends the progress line.
    void Close();

private:
    std::vector<std::string> blocks_;
    std::vector<bool> finished_;
    size_t printed_ = 0, done_ = 0, failed_ = 0;
    std::ostream& out_;
    std::ostream* progress_;
};

// The stream for the progress line: standard error when `err` is it and it is a terminal.
std::ostream* ProgressStream(std::ostream& err);

}  // namespace vantorel
