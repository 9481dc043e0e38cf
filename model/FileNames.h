#pragma once
// File-name manipulations of the file operations and dialogs.

#include <string>
#include <string_view>

namespace vantorel {

// The path with the extension of its file name (from its last point on) replaced by the given one
// (which includes its point); a name without extension gets it appended.
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// Everything up to and including the last "/", "\" or ":" of the path; empty when it has none.
std::string FolderPart(std::string_view path);

}  // namespace vantorel
