#pragma once
// SHA-256 of a byte string, for the manifests that tie each result to the exact input it came from.

#include <string>
#include <string_view>

namespace vantorel {

// The digest as 64 lowercase hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace vantorel
