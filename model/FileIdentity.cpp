#include "model/FileIdentity.h"

#include <filesystem>
#include <system_error>

namespace vantorel {

namespace fs = std::filesystem;

std::string ResolvedPath(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) return fs::path(path).lexically_normal().string();
    const fs::path resolved = fs::weakly_canonical(absolute, error);
    return (error ? absolute.lexically_normal() : resolved).string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return ResolvedPath(a) == ResolvedPath(b) || fs::equivalent(a, b, error);
}

}  // namespace vantorel
