#pragma once
// Editing written files line by line, to make older layouts and damaged files from good ones.

#include <functional>
#include <string>
#include <vector>

namespace vantorel::test {

// Index of the first line that starts with the text; fails the test when there is none.
size_t FindLine(const std::vector<std::string>& lines, const std::string& start);

// Joins lines with CR LF after each.
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace vantorel::test
