#pragma once
// A folder of its own in the system's temporary folder for an output file nobody keeps, removed
// with everything in it when it goes, however the work that used it ended.

#include <filesystem>

namespace vantorel::python {

class TemporaryFolder {
public:
    // Throws FileError naming the folder that could not be made.
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vantorel::python
