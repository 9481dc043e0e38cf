#pragma once
// Where the Output page shows each result table: the grid's left edge, width and column width,
// the clipboard label and button under it, and the headings memo above it.

#include <optional>
#include <string>

#include "model/ResultTables.h"

namespace vantorel {

// The fixed headings shown above the grid, one memo per table and layer count.
enum class HeadingsMemo { OutSalt1Memo, OutSalt2Memo, OutSalt3Memo, HydrOutMemo, SurfMemo };

// A new width and text for the headings memo.
struct MemoLayout {
    int Width;
    std::string Text;
};

struct ResultTablePlace {
    int DefaultColWidth;
    int GridLeft;
    int GridWidth;
    int ClipLabelLeft;
    int ClipButtonLeft;
    HeadingsMemo Memo;
    // Set when the table changes the memo's width and text; the other memos keep theirs.
    std::optional<MemoLayout> MemoChange;
};

ResultTablePlace PlaceOf(ResultTableKind kind);

}  // namespace vantorel
