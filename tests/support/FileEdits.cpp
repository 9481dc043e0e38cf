#include "tests/support/FileEdits.h"

#include <gtest/gtest.h>

namespace vantorel::test {

size_t FindLine(const std::vector<std::string>& lines, const std::string& start) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, start.size(), start) == 0) return i;
    }
    ADD_FAILURE() << "no line starts with '" << start << "'";
    return 0;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace vantorel::test
