#include <gtest/gtest.h>

#include <string>

#include "textview/Selection.h"

namespace mirevo {
namespace {

using enum TSelectionMode;

class SelectionTest : public ::testing::Test {
protected:
    // Selects anchor..active in mode as the user would: mode first, then the two ends.
    void Select(TBufferCoord anchor, TBufferCoord active, TSelectionMode mode = smNormal) {
        selection_.SetSelectionMode(mode);
        selection_.SetAnchor(anchor);
        selection_.SetActiveEnd(active);
    }
    TLineStore lines_;
    TSelection selection_{lines_};
};

struct TextCase {
    const char* name;
    const char* text;
    TBufferCoord anchor;
    TBufferCoord active;
    TSelectionMode mode;
    const char* selected;
};

class SelectedTextTest : public SelectionTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SelectedTextTest, ReadsTheSelectionByMode) {
    const TextCase& c = GetParam();
    lines_.SetText(c.text);
    Select(c.anchor, c.active, c.mode);
    EXPECT_EQ(selection_.SelectedText(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SelectedTextTest,
    ::testing::Values(
        TextCase{"OneLine", "abcdef", {2, 1}, {5, 1}, smNormal, "bcd"},
        TextCase{"Backwards", "abcdef", {5, 1}, {2, 1}, smNormal, "bcd"},
        TextCase{"Lines", "abc\nde\nfgh", {2, 1}, {2, 3}, smNormal, "bc\r\nde\r\nf"},
        TextCase{"ToLineStart", "abc\nde", {4, 1}, {1, 2}, smNormal, "\r\n"},
        TextCase{"NoSelection", "abc", {2, 1}, {2, 1}, smNormal, ""},
        TextCase{"WholeLinesEndingOnLast", "ab\ncd", {2, 1}, {1, 2}, smLine, "ab\r\ncd"},
        TextCase{"WholeLinesEndingEarlier", "ab\ncd\nef", {2, 1}, {1, 2}, smLine, "ab\r\ncd\r\n"},
        TextCase{"ColumnPadded", "abcd\nx\nefgh", {2, 1}, {4, 3}, smColumn, "bc\r\n  \r\nfg"},
        TextCase{"ColumnRightToLeft", "abcd\nefgh", {4, 2}, {2, 1}, smColumn, "bc\r\nfg"},
        TextCase{"ColumnCutsNoDoubleByte",
                 "あいう\nabcdef",
                 {2, 1},
                 {5, 2},
                 smColumn,
                 " \x82\xa2\r\nbcd"},
        TextCase{"ZeroWidthColumn", "ab\ncd", {2, 1}, {2, 2}, smColumn, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionTest, ColumnBlocksUnpaddedWhenTrimming) {
    lines_.SetText("abcd\nx\nefgh");
    Select({2, 1}, {4, 3}, smColumn);
    EXPECT_EQ(selection_.SelectedText(TColumnPadding::Trim), "bc\r\n\r\nfg");
}

struct HasCase {
    TBufferCoord anchor;
    TBufferCoord active;
    TSelectionMode mode;
    bool has;
};

TEST_F(SelectionTest, HasSelectionByMode) {
    lines_.SetText("abcd\nefgh\nijkl");
    const HasCase cases[] = {
        {{2, 1}, {2, 1}, smNormal, false}, {{2, 1}, {3, 1}, smNormal, true},
        {{2, 1}, {2, 2}, smNormal, true},  {{2, 1}, {2, 2}, smLine, true},
        {{2, 1}, {2, 3}, smColumn, false}, {{2, 1}, {3, 3}, smColumn, true},
    };
    for (const HasCase& c : cases) {
        Select(c.anchor, c.active, c.mode);
        EXPECT_EQ(selection_.HasSelection(), c.has)
            << c.anchor.CharIndex << "," << c.anchor.LineIndex << " to " << c.active.CharIndex
            << "," << c.active.LineIndex << " mode " << static_cast<int>(c.mode);
    }
}

TEST_F(SelectionTest, EndsAreClampedToTheText) {
    lines_.SetText("abc\nde");
    EXPECT_EQ(selection_.Clamp({0, 0}), (TBufferCoord{1, 1}));
    EXPECT_EQ(selection_.Clamp({9, 9}), (TBufferCoord{3, 2}));
    Select({1, 1}, {1, 1}, smColumn);
    EXPECT_EQ(selection_.Clamp({9, 2}), (TBufferCoord{9, 2}));  // columns pass the line end
    selection_.SetLimits({.ScrollPastEol = true, .MaxScrollWidth = 5});
    EXPECT_EQ(selection_.Clamp({9, 2}), (TBufferCoord{6, 2}));
    selection_.SetLimits({.ScrollPastEol = true, .WordWrap = true, .MaxScrollWidth = 5});
    EXPECT_EQ(selection_.Clamp({9, 2}), (TBufferCoord{9, 2}));
}

TEST_F(SelectionTest, AnEmptyStoreIsOneEmptyLine) {
    EXPECT_EQ(selection_.Clamp({5, 5}), (TBufferCoord{1, 1}));
    EXPECT_FALSE(selection_.SelectAll().Repaints() && selection_.HasSelection());
    EXPECT_EQ(selection_.ActiveEnd(), (TBufferCoord{1, 1}));
    EXPECT_EQ(selection_.SelectedText(), "");
}

TEST_F(SelectionTest, ActiveEndNeverSplitsADoubleByteCharacter) {
    lines_.SetText("aあい");
    selection_.SetAnchor({1, 1});
    selection_.SetActiveEnd({3, 1});  // the second byte of あ
    EXPECT_EQ(selection_.ActiveEnd(), (TBufferCoord{2, 1}));
    EXPECT_EQ(selection_.SelectedText(), "a");
    selection_.SetActiveEnd({6, 1});
    EXPECT_EQ(selection_.SelectedText(), "aあい");
}

TEST_F(SelectionTest, ChangesSayWhatToRepaintAndReport) {
    lines_.SetText("a\nb\nc\nd\ne");
    EXPECT_FALSE(selection_.SetAnchor({1, 1}).Changed);  // already there

    TSelectionChange change = selection_.SetActiveEnd({1, 3});
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(change.FirstLine, 1);
    EXPECT_EQ(change.LastLine, 3);
    EXPECT_FALSE(selection_.SetActiveEnd({1, 3}).Changed);

    // Collapsing repaints from the old selection to the new anchor.
    change = selection_.SetAnchor({1, 5});
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(change.FirstLine, 1);
    EXPECT_EQ(change.LastLine, 5);
    EXPECT_FALSE(selection_.HasSelection());
    EXPECT_FALSE(selection_.SetAnchor({1, 5}).Changed);
}

TEST_F(SelectionTest, ColumnMovesRepaintTheWholeBlock) {
    lines_.SetText("abcd\nabcd\nabcd\nabcd");
    Select({1, 2}, {3, 3}, smColumn);
    TSelectionChange change = selection_.SetActiveEnd({2, 4});  // index changes
    EXPECT_EQ(change.FirstLine, 2);
    EXPECT_EQ(change.LastLine, 4);
    change = selection_.SetActiveEnd({2, 1});  // same index, anchor's differs
    EXPECT_EQ(change.FirstLine, 1);
    EXPECT_EQ(change.LastLine, 4);
}

TEST_F(SelectionTest, NewEndsTakeTheChosenMode) {
    lines_.SetText("abcd\nefgh");
    Select({2, 1}, {3, 2}, smColumn);
    EXPECT_EQ(selection_.CurrentMode(), smColumn);
    selection_.SetSelectionMode(smLine);
    EXPECT_EQ(selection_.CurrentMode(), smColumn);  // until the next end is set
    const TSelectionChange change = selection_.SetActiveEnd({4, 2});
    EXPECT_EQ(selection_.CurrentMode(), smLine);
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(selection_.SelectedText(), "abcd\r\nefgh");
}

TEST_F(SelectionTest, ShiftMovesExtendFromTheCaretPlainMovesCollapse) {
    using enum TSelection::TExtend;
    lines_.SetText("abcdef\nabcdef");
    selection_.SetAnchor({5, 2});  // an old collapsed selection away from the caret
    selection_.MoveCaretAndSelection({2, 1}, {4, 1}, Yes);
    EXPECT_EQ(selection_.SelectedText(), "bc");
    selection_.MoveCaretAndSelection({4, 1}, {6, 1}, Yes);  // keeps the anchor
    EXPECT_EQ(selection_.SelectedText(), "bcde");
    selection_.MoveCaretAndSelection({6, 1}, {3, 2}, No);
    EXPECT_FALSE(selection_.HasSelection());
    EXPECT_EQ(selection_.Anchor(), (TBufferCoord{3, 2}));
}

TEST_F(SelectionTest, NoSelectionKeepsTheActiveEnd) {
    lines_.SetText("abc");
    selection_.SetLimits({.NoSelection = true});
    selection_.SetAnchor({2, 1});
    EXPECT_FALSE(selection_.SetActiveEnd({3, 1}).Changed);
    EXPECT_FALSE(selection_.HasSelection());
}

TEST_F(SelectionTest, SelectAllEndsAfterTheLastLine) {
    lines_.SetText("ab\ncde");
    selection_.SetAnchor({2, 2});
    EXPECT_TRUE(selection_.SelectAll().Changed);
    EXPECT_EQ(selection_.Anchor(), (TBufferCoord{1, 1}));
    EXPECT_EQ(selection_.ActiveEnd(), (TBufferCoord{4, 2}));
    EXPECT_EQ(selection_.SelectedText(), "ab\r\ncde");
}

struct PointCase {
    TSelectionMode mode;
    TBufferCoord point;
    bool inside;
};

TEST_F(SelectionTest, PointInSelectionByMode) {
    lines_.SetText("abcdef\nabcdef\nabcdef\nabcdef");
    const PointCase cases[] = {
        {smNormal, {3, 1}, false}, {smNormal, {4, 1}, true},  {smNormal, {1, 2}, true},
        {smNormal, {1, 3}, true},  {smNormal, {2, 3}, false}, {smNormal, {7, 3}, false},
        {smNormal, {4, 4}, false}, {smLine, {1, 1}, true},    {smLine, {6, 3}, true},
        {smColumn, {2, 2}, true},  {smColumn, {4, 2}, false}, {smColumn, {1, 2}, false},
    };
    for (const PointCase& c : cases) {
        Select({4, 1}, {2, 3}, c.mode);  // backwards on purpose
        EXPECT_EQ(selection_.PointInSelection(c.point), c.inside)
            << "mode " << static_cast<int>(c.mode) << " at " << c.point.CharIndex << ","
            << c.point.LineIndex;
    }
}

TEST_F(SelectionTest, ZeroWidthColumnContainsNothing) {
    lines_.SetText("abc\nabc");
    Select({2, 1}, {2, 2}, smColumn);
    EXPECT_FALSE(selection_.PointInSelection({2, 1}));
}

}  // namespace
}  // namespace mirevo
