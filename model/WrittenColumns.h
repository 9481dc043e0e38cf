#pragma once
// Reading a line of numbers back the way the file writers wrote it. A writer right-aligns each
// number in its column and widens the column for a number that needs more characters, so that
// a wide number touches its neighbours and the readers' character positions no longer find it.
// Each column has a fixed number of decimals, so touching numbers can still be told apart.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vantorel {

// A column as the writer fills it: R(width, decimals), or I(width) with no decimals, or, for a
// value not measured, the placeholder.
struct WrittenColumn {
    int width;
    int decimals;
    const char* placeholder = nullptr;
};

// The numbers of the line from `start` on, one text per column (empty for a placeholder), when
// the rest of the line is exactly what the writer makes of some values (blanks may follow);
// nothing otherwise, and the caller reads the line by its character positions.
std::optional<std::vector<std::string_view>> ReadWrittenColumns(std::string_view line, size_t start,
                                                                std::span<const WrittenColumn> columns);

}  // namespace vantorel
