#pragma once
// Spreading a block of text pasted into one cell of a time-step grid over the cells to its right
// and below, the way spreadsheet rows arrive on the clipboard: cells separated by TAB, rows ending
// in CR LF. Only the characters of a number are kept.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// One cell the paste writes, with its final text; a cell the paste only empties has an empty text.
struct PastedCell {
    int64_t column = 0;
    int64_t row = 0;
    std::string text;
};

struct SpreadPaste {
    // Every cell written, in the order the text reaches it; each cell appears at most once. Cells
    // the paste does not reach keep their texts.
    std::vector<PastedCell> cells;
    // The number of carriage returns: a block whose last row has no line break counts one less.
    int64_t lines = 0;
};

// Spreads the text from the cell (column, row) on. A TAB moves one cell to the right, a carriage
// return to the starting column of the next row and skips the character after it (the line feed
// of CR LF); the cell reached is emptied unless nothing follows. Digits, ".", "," and "-" are
// appended to the current cell; every other character is dropped. Each character of the text is
// one character of the grid (the window hands a single-byte text).
SpreadPaste SpreadPastedText(int64_t column, int64_t row, std::string_view text);

// Clipboard text with its line feeds in the convention the paste expects: a line feed that no
// carriage return precedes (the line break of this system's programs) becomes CR LF.
std::string WithCrLfLineBreaks(std::string_view text);

}  // namespace vantorel
