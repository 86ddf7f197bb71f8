// The layout on its own: a line store, cell sizes and a client size, no view or window.
#include <gtest/gtest.h>

#include <optional>
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

TEST(ViewLayout, AreasToRepaintCoverTheVisibleRowsOfTheLines) {
    TLineStore lines;
    lines.SetText("a\r\nb\r\nabcdefgh\r\nc\r\nd");
    TViewLayout layout(lines);
    layout.SetCellSize(8, 10);
    layout.SetGutterWidth(30);
    const TSize client{32 + 4 * 8, 30};  // four columns, three rows
    layout.FitColumns(client.Width);
    layout.FitRows(client.Height);
    layout.SetTopLine(2);
    using Area = std::optional<TRect>;
    struct Case {
        const char* name;
        bool wrap;
        Area text, gutter, line;  // of lines 3..3 (the line: LineArea(3))
    };
    const Case cases[] = {
        {"rows are lines", false, TRect{30, 10, 64, 20}, TRect{0, 10, 30, 20},
         TRect{30, 10, 64, 20}},
        // Line 3 wraps into rows 3 and 4: its areas take both.
        {"wrapped", true, TRect{30, 10, 64, 30}, TRect{0, 10, 30, 20}, TRect{30, 10, 64, 30}},
    };
    for (const Case& c : cases) {
        layout.SetWordWrap(c.wrap);
        EXPECT_EQ(layout.TextLinesArea(3, 3, client), c.text) << c.name;
        EXPECT_EQ(layout.GutterLinesArea(3, 3, client), c.gutter) << c.name;
        EXPECT_EQ(layout.LineArea(3, client), c.line) << c.name;
        EXPECT_EQ(layout.TextLinesArea(-1, -1, client), (TRect{30, 0, 64, 30})) << c.name;
        EXPECT_EQ(layout.GutterLinesArea(-1, -1, client), (TRect{0, 0, 30, 30})) << c.name;
        // Above the top and below the visible rows nothing shows.
        EXPECT_EQ(layout.TextLinesArea(1, 1, client), std::nullopt) << c.name;
        EXPECT_EQ(layout.LineArea(1, client), std::nullopt) << c.name;
    }
    layout.SetWordWrap(false);
    // Either order; the last line reaches to the bottom of the visible rows.
    EXPECT_EQ(layout.TextLinesArea(5, 2, client), (TRect{30, 0, 64, 40}));
    // The row just below the visible ones counts: it may show in part.
    EXPECT_EQ(layout.LineArea(5, client), (TRect{30, 30, 64, 40}));
    layout.SetTopLine(1);
    EXPECT_EQ(layout.LineArea(5, client), std::nullopt);
}

}  // namespace
}  // namespace mirevo
