// The layout on its own: a line store, cell sizes and a client size, no view or window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textview/ViewLayout.h"

namespace mirevo {
namespace {

struct LayoutCase {
    const char* name;
    std::string text;
    std::int32_t tabWidth;
    bool wrap;  // word wrap at 4 columns
    TBufferCoord buffer;
    TDisplayCoord display;  // BufferToDisplay(buffer)
    TDisplayCoord asked;    // DisplayToBuffer(asked) gives back...
    TBufferCoord answer;    // ...this
};

const LayoutCase kConversions[] = {
    {"PlainText", "abc", 8, false, {3, 1}, {3, 1}, {2, 1}, {2, 1}},
    {"TabExpandsToItsStop", "a\tb", 4, false, {3, 1}, {5, 1}, {5, 1}, {3, 1}},
    {"InsideATabIsTheTab", "a\tb", 4, false, {2, 1}, {2, 1}, {3, 1}, {2, 1}},
    {"PastTheLineEndGoesOnWithBlanks", "ab", 8, false, {10, 1}, {10, 1}, {10, 1}, {10, 1}},
    {"TrailByteGoesToTheNextCharacter", "\x82\xA0x", 8, false, {3, 1}, {3, 1}, {2, 1}, {3, 1}},
    {"BelowTheTextIsLeftAsItIs", "a", 8, false, {4, 7}, {4, 7}, {4, 7}, {4, 7}},
    {"SecondWrappedRow", "abcdefgh\r\nxy", 8, true, {6, 1}, {2, 2}, {2, 2}, {6, 1}},
    {"LineAfterAWrappedOne", "abcdefgh\r\nxy", 8, true, {2, 2}, {2, 3}, {1, 3}, {1, 2}},
};

class LayoutConversions : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutConversions, BufferAndDisplayPositions) {
    const LayoutCase& c = GetParam();
    TLineStore lines;
    lines.SetTabWidth(c.tabWidth);
    lines.SetText(c.text);
    TViewLayout layout(lines);
    layout.SetCellSize(8, 16);
    layout.FitColumns(layout.TextLeft() + 4 * 8);
    layout.SetWordWrap(c.wrap);
    EXPECT_EQ(layout.BufferToDisplay(c.buffer), c.display);
    EXPECT_EQ(layout.DisplayToBuffer(c.asked), c.answer);
}

INSTANTIATE_TEST_SUITE_P(ViewLayout, LayoutConversions, ::testing::ValuesIn(kConversions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewLayout, RowsFollowTheWordWrap) {
    TLineStore lines;
    lines.SetText("abcdefgh\r\nxy\r\nabcdef");
    TViewLayout layout(lines);
    layout.SetCellSize(8, 16);
    layout.FitColumns(layout.TextLeft() + 4 * 8 + 7);
    EXPECT_EQ(layout.VisibleColumns(), 4);
    EXPECT_EQ(layout.RowCount(), 3);
    EXPECT_EQ(layout.RowOfLine(3), 3);

    layout.SetWordWrap(true);
    ASSERT_NE(layout.Wrap(), nullptr);
    EXPECT_EQ(layout.RowCount(), 5);
    EXPECT_EQ((std::vector{layout.RowOfLine(1), layout.RowOfLine(2), layout.RowOfLine(3)}),
              (std::vector{1, 3, 4}));
    EXPECT_EQ((std::vector{layout.LineOfRow(2), layout.LineOfRow(4), layout.LineOfRow(5)}),
              (std::vector{1, 3, 3}));
    // At a wrap point the caret may stand at the end of the upper row instead.
    EXPECT_EQ(layout.CaretDisplayPos({5, 1}, false), (TDisplayCoord{1, 2}));
    EXPECT_EQ(layout.CaretDisplayPos({5, 1}, true), (TDisplayCoord{5, 1}));

    layout.SetWordWrap(false);
    EXPECT_EQ(layout.Wrap(), nullptr);
    EXPECT_EQ(layout.RowCount(), 3);
    TLineStore empty;
    TViewLayout none(empty);
    none.SetWordWrap(true);
    EXPECT_EQ(none.RowCount(), 0);
}

TEST(ViewLayout, PixelsAndCellsAsScrolled) {
    TLineStore lines;
    TViewLayout layout(lines);
    // Without a cell nothing fits and no point divides by zero.
    layout.FitColumns(500);
    layout.FitRows(500);
    EXPECT_EQ(layout.VisibleColumns(), 0);
    EXPECT_EQ(layout.VisibleRows(), 0);
    EXPECT_EQ(layout.PixelsToRowColumn(100, 100), (TDisplayCoord{1, 1}));
    EXPECT_EQ(layout.PixelsToNearestRowColumn(100, 100), (TDisplayCoord{1, 1}));

    layout.SetCellSize(8, 16);
    layout.SetGutterWidth(30);
    layout.FitColumns(32 + 10 * 8 + 7);
    layout.FitRows(5 * 16 + 15);
    EXPECT_EQ(layout.VisibleColumns(), 10);
    EXPECT_EQ(layout.VisibleRows(), 5);
    layout.FitColumns(20);
    EXPECT_EQ(layout.VisibleColumns(), 0);

    layout.SetLeftChar(3);
    layout.SetTopLine(2);
    EXPECT_EQ(layout.TextLeft(), 32);
    EXPECT_EQ(layout.TextOffset(), 32 - 2 * 8);
    EXPECT_EQ(layout.ColumnToX(3), 32);
    EXPECT_EQ(layout.RowTop(2), 0);
    EXPECT_EQ(layout.RowColumnToPixels({5, 4}), (TPoint{48, 32}));
    EXPECT_EQ(layout.PixelsToRowColumn(32 + 2 * 8 + 7, 3 * 16 + 1), (TDisplayCoord{5, 5}));
    // The nearest boundary rounds half a cell up; below the visible rows counts as the last.
    EXPECT_EQ(layout.PixelsToNearestRowColumn(32 + 8 + 4, 10), (TDisplayCoord{5, 2}));
    EXPECT_EQ(layout.PixelsToNearestRowColumn(32 + 8 + 3, 10), (TDisplayCoord{4, 2}));
    EXPECT_EQ(layout.PixelsToNearestRowColumn(0, 1000), (TDisplayCoord{1, 6}));
    // The gutter changing keeps the scroll position.
    layout.SetGutterWidth(0);
    EXPECT_EQ(layout.TextOffset(), 2 - 2 * 8);
}

}  // namespace
}  // namespace mirevo
