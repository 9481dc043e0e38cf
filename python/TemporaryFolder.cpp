#include "python/TemporaryFolder.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "model/TextFile.h"

namespace vantorel::python {

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw FileError("No temporary folder could be made as " + pattern + ": " +
                        std::generic_category().message(errno) + ".");
    }
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace vantorel::python
