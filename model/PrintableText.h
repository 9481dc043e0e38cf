#pragma once
// A text taken from a file as a message may quote it: a line break or another control character
// of the text would break the message's line or move the terminal's cursor.

#include <string>
#include <string_view>

namespace vantorel {

// The text with each control character written as an escape: \r, \n, \t, or \xNN.
std::string PrintableText(std::string_view text);

}  // namespace vantorel
