#include "model/WrittenColumns.h"

namespace vantorel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the number [-]digits[.decimals] that begins the text, or 0 when none does. Without
// decimals the digits run on as far as they go.
size_t NumberLength(std::string_view text, int decimals) {
    size_t i = text.starts_with('-') ? 1 : 0;
    const size_t digits = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == digits) return 0;
    if (decimals == 0) return i;
    if (i == text.size() || text[i] != '.') return 0;
    for (int k = 0; k < decimals; ++k) {
        if (++i == text.size() || !IsDigit(text[i])) return 0;
    }
    return i + 1;
}

}  // namespace

std::optional<std::vector<std::string_view>> ReadWrittenColumns(std::string_view line, size_t start,
                                                                std::span<const WrittenColumn> columns) {
    std::vector<std::string_view> cells;
    size_t at = start;
    for (const WrittenColumn& column : columns) {
        if (at >= line.size()) return std::nullopt;
        const std::string_view rest = line.substr(at);
        const size_t width = static_cast<size_t>(column.width);
        // Without a leading blank the number fills its column or widens it.
        if (rest.front() != ' ') {
            const size_t length = NumberLength(rest, column.decimals);
            if (length == 0 || length < width) return std::nullopt;
            cells.push_back(rest.substr(0, length));
            at += length;
            continue;
        }
        // Otherwise it ends where the column ends, right-aligned.
        const std::string_view field = rest.substr(0, width);
        const size_t first = field.find_first_not_of(' ');
        if (field.size() == width && first != std::string_view::npos &&
            NumberLength(field.substr(first), column.decimals) == width - first) {
            cells.push_back(field.substr(first));
            at += width;
            continue;
        }
        if (column.placeholder != nullptr && rest.starts_with(column.placeholder)) {
            cells.emplace_back();
            at += std::string_view(column.placeholder).size();
            continue;
        }
        return std::nullopt;
    }
    if (line.find_first_not_of(' ', at) != std::string_view::npos) return std::nullopt;
    return cells;
}

}  // namespace vantorel
