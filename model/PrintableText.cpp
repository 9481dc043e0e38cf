#include "model/PrintableText.h"

namespace vantorel {

std::string PrintableText(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string printable;
    printable.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            printable += c;
        } else if (c == '\r') {
            printable += "\\r";
        } else if (c == '\n') {
            printable += "\\n";
        } else if (c == '\t') {
            printable += "\\t";
        } else {
            printable += "\\x";
            printable += Hex[byte >> 4];
            printable += Hex[byte & 0xF];
        }
    }
    return printable;
}

}  // namespace vantorel
