#include "model/FileNames.h"

namespace vantorel {

namespace {
constexpr std::string_view FolderEnds = "/\\:";
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const size_t name_start = path.find_last_of(FolderEnds);
    const size_t point = path.rfind('.');
    const bool has_extension = point != std::string_view::npos && (name_start == std::string_view::npos || point > name_start);
    std::string result(has_extension ? path.substr(0, point) : path);
    result += extension;
    return result;
}

std::string FolderPart(std::string_view path) {
    const size_t end = path.find_last_of(FolderEnds);
    return end == std::string_view::npos ? std::string() : std::string(path.substr(0, end + 1));
}

}  // namespace vantorel
