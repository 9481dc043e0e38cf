#pragma once
// A fresh folder per test, removed afterwards, and small file helpers.

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
// The file's lines split at CR LF; fails the test when a line ends otherwise.
std::vector<std::string> ReadCrLfLines(const std::string& path);
// Path of a file under tests/data or examples.
std::string TestDataPath(const std::string& name);
std::string ExamplePath(const std::string& name);

}  // namespace vantorel::test
