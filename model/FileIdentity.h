#pragma once
// Whether two paths name one file: "./a.inp", "dir/../a.inp", a linked folder and a linked file
// all lead to the same file as "a.inp".

#include <string>

namespace vantorel {

// The absolute path with every link of its existing part resolved and "." and ".." removed; the
// part that does not exist yet is taken as written.
std::string ResolvedPath(const std::string& path);

// Both paths lead to one file: the same resolved path, or, for two files that exist, one file
// under two names (a hard link).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace vantorel
