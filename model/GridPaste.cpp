#include "model/GridPaste.h"

namespace vantorel {

namespace {

bool IsNumberCharacter(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-'; }

}  // namespace

SpreadPaste SpreadPastedText(int64_t column, int64_t row, std::string_view text) {
    SpreadPaste paste;
    int64_t c = column;
    int64_t r = row;
    paste.cells.push_back({c, r, {}});
    const size_t length = text.size();
    for (size_t i = 0; i < length; ++i) {
        const char ch = text[i];
        if (ch == '\t') {
            ++c;
            if (i + 1 < length) paste.cells.push_back({c, r, {}});
        } else if (ch == '\r') {
            ++r;
            c = column;
            ++paste.lines;
            ++i;  // the line feed of CR LF, or whatever character stands there
            if (i + 1 < length) paste.cells.push_back({c, r, {}});
        } else if (IsNumberCharacter(ch)) {
            // Every cell a character can reach was emptied when the walk arrived there, so the
            // current cell is always the last one listed.
            paste.cells.back().text += ch;
        }
    }
    return paste;
}

std::string WithCrLfLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

}  // namespace vantorel
