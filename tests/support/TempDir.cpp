#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdlib.h>

namespace vantorel::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::vector<std::string> ReadCrLfLines(const std::string& path) {
    const std::string text = ReadFile(path);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << path << ": the last line does not end with CR LF";
            lines.push_back(text.substr(start));
            break;
        }
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << path << ": a line end other than CR LF";
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::string TestDataPath(const std::string& name) { return std::string(VANTOREL_TEST_DATA) + "/" + name; }

std::string ExamplePath(const std::string& name) { return std::string(VANTOREL_EXAMPLES) + "/" + name; }

}  // namespace vantorel::test
