#include "model/GridPaste.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

namespace vantorel {
namespace {

using Table = std::map<std::pair<int64_t, int64_t>, std::string>;  // (column, row) -> text

Table Apply(Table table, const SpreadPaste& paste) {
    for (const PastedCell& cell : paste.cells) table[{cell.column, cell.row}] = cell.text;
    return table;
}

// The walk as a user of a grid sees it, written against the table itself: empty, move, append.
Table ReferenceWalk(Table table, int64_t column, int64_t row, const std::string& text, int64_t& lines) {
    int64_t c = column, r = row;
    lines = 0;
    table[{c, r}].clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\t') {
            ++c;
            if (i < text.size() - 1) table[{c, r}].clear();
        } else if (ch == '\r') {
            ++r;
            c = column;
            ++lines;
            ++i;
            if (i < text.size() - 1) table[{c, r}].clear();
        } else if ((ch >= '0' && ch <= '9') || ch == '.' || ch == ',' || ch == '-') {
            table[{c, r}] += ch;
        }
    }
    return table;
}

std::string SpreadsheetBlock(int rows, bool last_line_break) {
    std::string text;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= 4; ++c) {
            text += std::to_string(r * 10 + c) + ".5";
            if (c < 4) text += '\t';
        }
        if (r < rows || last_line_break) text += "\r\n";
    }
    return text;
}

TEST(GridPasteTest, SpreadsheetBlockFillsOneRowPerLine) {
    const SpreadPaste paste = SpreadPastedText(1, 1, SpreadsheetBlock(24, true));
    EXPECT_EQ(paste.lines, 24);
    const Table table = Apply({{{1, 25}, "old"}}, paste);
    for (int r = 1; r <= 24; ++r) {
        for (int c = 1; c <= 4; ++c) EXPECT_EQ(table.at({c, r}), std::to_string(r * 10 + c) + ".5") << c << "," << r;
    }
    // The line feed after the last row is the last character: the row below is left alone.
    EXPECT_EQ(table.at({1, 25}), "old");
}

TEST(GridPasteTest, CarriageReturnAloneLosesTheFirstCharacterOfTheNextRow) {
    const SpreadPaste paste = SpreadPastedText(2, 3, "12\t34\r56\t78\r90\t11\r");
    EXPECT_EQ(paste.lines, 3);
    const Table table = Apply({}, paste);
    EXPECT_EQ(table.at({2, 3}), "12");
    EXPECT_EQ(table.at({3, 3}), "34");
    EXPECT_EQ(table.at({2, 4}), "6");
    EXPECT_EQ(table.at({3, 4}), "78");
    EXPECT_EQ(table.at({2, 5}), "0");
    EXPECT_EQ(table.at({3, 5}), "11");
    EXPECT_FALSE(table.count({2, 6}));
}

TEST(GridPasteTest, TrailingSeparatorsEmptyOnlyCellsThatSomethingFollows) {
    const Table before = {{{1, 1}, "a"}, {{2, 1}, "b"}, {{3, 1}, "c"}, {{1, 2}, "d"}};
    // A TAB as the last character does not empty the cell it moves to.
    EXPECT_EQ(Apply(before, SpreadPastedText(1, 1, "5\t")), (Table{{{1, 1}, "5"}, {{2, 1}, "b"}, {{3, 1}, "c"}, {{1, 2}, "d"}}));
    // An empty cell in the middle of a row is emptied.
    EXPECT_EQ(Apply(before, SpreadPastedText(1, 1, "5\t\t6")), (Table{{{1, 1}, "5"}, {{2, 1}, ""}, {{3, 1}, "6"}, {{1, 2}, "d"}}));
    // A carriage return as the last character moves on without emptying.
    EXPECT_EQ(Apply(before, SpreadPastedText(1, 1, "5\r")).at({1, 2}), "d");
    // The starting cell is emptied even by an empty text.
    EXPECT_EQ(Apply(before, SpreadPastedText(2, 1, "")).at({2, 1}), "");
}

// Random texts over the characters that matter: the listed cells, applied to a filled table, give
// what the walk itself gives, and no cell is listed twice.
TEST(GridPasteTest, AgreesWithTheWalkOnRandomTexts) {
    const std::string alphabet = "0123456789.,-\t\t\r\r\n ae+";
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& ch : text) ch = alphabet[random() % alphabet.size()];
        Table filled;
        for (int64_t c = 1; c <= 12; ++c) {
            for (int64_t r = 1; r <= 12; ++r) filled[{c, r}] = "x";
        }
        const int64_t column = 1 + random() % 3, row = 1 + random() % 3;
        int64_t lines = 0;
        const Table expected = ReferenceWalk(filled, column, row, text, lines);
        const SpreadPaste paste = SpreadPastedText(column, row, text);
        ASSERT_EQ(Apply(filled, paste), expected) << round;
        ASSERT_EQ(paste.lines, lines) << round;
        std::map<std::pair<int64_t, int64_t>, int> seen;
        for (const PastedCell& cell : paste.cells) {
            const std::pair<int64_t, int64_t> position(cell.column, cell.row);
            ASSERT_EQ(++seen[position], 1) << round;
        }
    }
}

TEST(GridPasteTest, LineFeedsAloneBecomeCrLf) {
    EXPECT_EQ(WithCrLfLineBreaks("1\t2\n3\t4\n"), "1\t2\r\n3\t4\r\n");
    EXPECT_EQ(WithCrLfLineBreaks("\n"), "\r\n");
    EXPECT_EQ(WithCrLfLineBreaks("1\r\n2\r3"), "1\r\n2\r3");
    EXPECT_EQ(WithCrLfLineBreaks("1\r\n\n"), "1\r\n\r\n");
}

}  // namespace
}  // namespace vantorel
