#include "graphs/plots/RuntimeDirectory.h"

#include <QByteArray>
#include <QtGlobal>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vantorel {

namespace {

// A directory only this user may enter (mkdtemp gives it mode 0700, as Qt expects), removed with
// what it holds when the process ends.
class PrivateDirectory {
public:
    PrivateDirectory() {
        std::error_code error;
        const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
        std::string pattern = ((error ? std::filesystem::path("/tmp") : temp) / "vantorel-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~PrivateDirectory() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    PrivateDirectory(const PrivateDirectory&) = delete;
    PrivateDirectory& operator=(const PrivateDirectory&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

void ProvideRuntimeDirectory() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    static const PrivateDirectory directory;
    if (!directory.Path().empty()) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(directory.Path()));
}

}  // namespace vantorel
