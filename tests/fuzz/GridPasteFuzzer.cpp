// The text part of a paste into a time-step grid, on any clipboard text: spread from the first data
// cell and from a cell further in, as the window receives it and after its line feeds became CR LF.
// Every cell is written once, holds only the characters of a number and lies within the rows the
// block reached; its text converts to a number or fails with a conversion error.

#include <set>
#include <string_view>
#include <utility>

#include "model/GridPaste.h"
#include "model/NumberText.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vantorel;

namespace {

void CheckSpread(int64_t column, int64_t row, std::string_view text) {
    const SpreadPaste paste = SpreadPastedText(column, row, text);
    if (paste.lines < 0 || paste.lines > static_cast<int64_t>(text.size())) fuzz::Finding("a line count beyond the text");
    if (paste.cells.empty() || paste.cells.size() > text.size() + 1) fuzz::Finding("more cells than characters");
    std::set<std::pair<int64_t, int64_t>> written;
    for (const PastedCell& cell : paste.cells) {
        if (!written.insert({cell.column, cell.row}).second) fuzz::Finding("a cell written twice");
        if (cell.column < column || cell.row < row || cell.row > row + paste.lines) {
            fuzz::Finding("a cell outside the block");
        }
        if (cell.text.find_first_not_of("0123456789.,-") != std::string::npos) fuzz::Finding("a cell with a letter");
        try {
            StringToFloat(cell.text);
        } catch (const ConversionError&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string crlf = WithCrLfLineBreaks(text);
    if (crlf.size() > 2 * text.size()) fuzz::Finding("line breaks that grew more than a character each");
    for (size_t i = 0; i < crlf.size(); ++i) {
        if (crlf[i] == '\n' && (i == 0 || crlf[i - 1] != '\r')) fuzz::Finding("a line feed left without its CR");
    }
    for (const std::string_view block : {text, std::string_view(crlf)}) {
        CheckSpread(1, 1, block);
        CheckSpread(3, 12, block);
    }
    return 0;
}
