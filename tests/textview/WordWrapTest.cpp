#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/textview/WordWrapTestHost.h"
#include "textview/WordWrap.h"
#include "textview/WordWrapRows.h"

namespace mirevo {
namespace {

using testing_support::DefaultIdentChars;
using testing_support::WrapTestHost;
using Rows = std::vector<std::uint8_t>;

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// --- Breaking one line ---------------------------------------------------------------------

struct RowCase {
    const char* name;
    std::int32_t width;
    std::int32_t tabWidth;
    std::string expanded;
    Rows rows;
};

class WrapLineRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(WrapLineRows, BreakWhereTheRulesSay) {
    const RowCase& c = GetParam();
    Rows rows;
    WrapLine(c.expanded, TWrapRules::For(c.width, c.tabWidth, DefaultIdentChars()), rows);
    EXPECT_EQ(rows, c.rows);
}

const RowCase kRowCases[] = {
    {"EmptyLineTakesOneEmptyRow", 10, 8, "", {0}},
    {"ExactlyOneRow", 10, 8, "aaaaaaaaaa", {10}},
    {"OneByteMoreMakesTwo", 10, 8, "aaaaaaaaaaa", {10, 1}},
    {"BreaksAfterTheBlank", 10, 8, "aaaaaaaa bbbbbbb", {9, 7}},
    {"BlankTooEarlyCutsTheWord", 10, 8, "aaaa bbbbbb cc", {10, 4}},
    {"BlankAtTheEndJoinsTheRow", 10, 8, "aaaaaaa bb cc", {11, 2}},
    {"BlankRunStaysOnTheRow", 10, 8, "aaaaaaaaaa  \t bb", {14, 2}},
    {"ControlCharacterBreaks", 10, 8, "aaaaaaaa\x01zzzzzzz", {9, 7}},
    {"IdentifierCharactersDoNotBreak", 10, 8, "aaaaaaaa.zzzzzzz", {10, 6}},
    {"DoubleByteMovesToTheNextRow", 4, 8, "a" + Repeat("あ", 5), {3, 4, 4}},
    {"JapaneseAtAnEvenWidth", 10, 8, "a" + Repeat("日", 10), {9, 10, 2}},
    {"DanglingLeadByteAtTheEnd", 4, 8, "abcd\x82", {4, 1}},
    {"LongBlankRunCutAt255", 80, 8, std::string(300, ' '), {255, 45}},
    {"LongTabRunCutOnATabStop", 80, 8, std::string(300, '\t'), {248, 52}},
    {"TabStopAfterText", 80, 8, std::string(80, 'a') + std::string(300, '\t') + "b", {248, 132, 1}},
    // Without a stop below 255 the cut stays at 255 rather than emptying the row.
    {"TabWidthAbove255", 80, 256, std::string(300, '\t'), {255, 45}},
    {"WiderThan255", 300, 8, std::string(600, 'a'), {255, 255, 90}},
    // One cell cannot hold a double-byte character: the row takes it whole.
    {"OneCellKeepsWholeCharacters", 1, 8, "aあb", {1, 2, 1}},
    {"TwoCellsAfterASingleByte", 2, 8, "aああ", {1, 2, 2}},
};

INSTANTIATE_TEST_SUITE_P(Examples, WrapLineRows, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WidthCase {
    std::int32_t visible;
    std::int32_t max;
    std::int32_t min;
};

class RowWidths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(RowWidths, FollowTheViewUpTo255) {
    WrapTestHost host(GetParam().visible);
    const TWordWrapPlugin& wrap = host.AttachWrap();
    EXPECT_EQ(wrap.MaxRowLength(), GetParam().max);
    EXPECT_EQ(wrap.MinRowLength(), GetParam().min);
}

INSTANTIATE_TEST_SUITE_P(Views, RowWidths,
                         ::testing::Values(WidthCase{10, 10, 7}, WidthCase{1, 1, 1},
                                           WidthCase{2, 2, 2}, WidthCase{3, 3, 2},
                                           WidthCase{300, 255, 170}, WidthCase{0, 0, 1}));

// --- Following the store -------------------------------------------------------------------

class WordWrapChanges : public ::testing::Test {
protected:
    WordWrapChanges() : host_(10), lines_(host_.Lines()) {
        lines_.SetText("short\r\n" + std::string(25, 'a') + "\r\nx");  // 1 + 3 + 1 rows
        wrap_ = &host_.AttachWrap();
    }
    std::int32_t FirstRowOf(std::int32_t line) { return wrap_->BufferToDisplayPos({1, line}).Row; }

    WrapTestHost host_;
    TLineStore& lines_;
    TWordWrapPlugin* wrap_ = nullptr;
};

TEST_F(WordWrapChanges, InsertingShiftsTheLaterLines) {
    lines_.Insert(1, std::string(15, 'b'));
    EXPECT_EQ(host_.LastDelta(), 2);
    EXPECT_EQ(wrap_->RowCount(), 7);
    EXPECT_EQ(FirstRowOf(3), 4);
    EXPECT_EQ(wrap_->GetRowLength(4), 10);
    EXPECT_EQ(wrap_->GetRowLength(7), 1);
}

TEST_F(WordWrapChanges, DeletingRemovesExactlyTheirRows) {
    lines_.DeleteLines(0, 2);
    EXPECT_EQ(host_.LastDelta(), -4);
    EXPECT_EQ(wrap_->RowCount(), 1);
    EXPECT_EQ(wrap_->GetRowLength(1), 1);
    lines_.Delete(0);
    EXPECT_EQ(wrap_->RowCount(), 0);
    EXPECT_EQ(wrap_->LineCount(), 0);
}

TEST_F(WordWrapChanges, ReplacingReturnsTheChangeInRows) {
    lines_.Put(0, std::string(35, 'c'));
    EXPECT_EQ(host_.LastDelta(), 3);
    EXPECT_EQ(FirstRowOf(2), 5);
    lines_.Put(1, "");
    EXPECT_EQ(host_.LastDelta(), -2);
    EXPECT_EQ(wrap_->GetRowLength(5), 0);
    EXPECT_EQ(wrap_->RowCount(), 6);
}

TEST_F(WordWrapChanges, ClearingAndSettingTextLaysOutAgain) {
    lines_.Clear();
    EXPECT_EQ(wrap_->RowCount(), 0);
    lines_.SetText("aaaaaaaa bbbbbbb\r\n\r\ncc");
    EXPECT_EQ(wrap_->RowCount(), 4);
}

TEST_F(WordWrapChanges, NewWidthOrTabWidthLaysOutAgain) {
    host_.SetVisibleColumns(5);
    EXPECT_EQ(wrap_->RowCount(), 1 + 5 + 1);
    lines_.Put(2, "\tx");
    host_.SetTabWidth(2);
    EXPECT_EQ(wrap_->GetRowLength(wrap_->RowCount()), 3);
}

TEST(WordWrapWithoutWidth, StaysEmptyUntilTheViewHasAWidth) {
    WrapTestHost host(0);
    TWordWrapPlugin& wrap = host.AttachWrap();
    host.Lines().SetText("aaaaaaaa bbbbbbb");
    EXPECT_EQ(wrap.RowCount(), 0);
    EXPECT_EQ(wrap.LinesInserted(0, 1), 0);
    EXPECT_EQ(wrap.LinesReplaced(0, 1), 0);
    EXPECT_EQ(wrap.LinesDeleted(0, 1), 0);
    EXPECT_EQ(wrap.BufferToDisplayPos({12, 3}), (TDisplayCoord{12, 3}));
    EXPECT_EQ(wrap.DisplayToBufferPos({12, 3}), (TBufferCoord{12, 3}));
    host.SetVisibleColumns(10);
    EXPECT_EQ(wrap.RowCount(), 2);
}

// --- Positions -----------------------------------------------------------------------------

// Lines of rows {9, 7}, {0} and {2} at width 10.
class WordWrapPositions : public ::testing::Test {
protected:
    WordWrapPositions() : host_(10) {
        host_.Lines().SetText("aaaaaaaa bbbbbbb\r\n\r\ncc");
        wrap_ = &host_.AttachWrap();
    }
    WrapTestHost host_;
    TWordWrapPlugin* wrap_ = nullptr;
};

TEST_F(WordWrapPositions, BufferToDisplay) {
    const std::pair<TBufferCoord, TDisplayCoord> cases[] = {
        {{1, 1}, {1, 1}},
        {{9, 1}, {9, 1}},
        {{10, 1}, {1, 2}},  // just past a row that is not
                            // the last: start of the next
        {{17, 1}, {8, 2}},
        {{30, 1}, {21, 2}},
        {{1, 2}, {1, 3}},
        {{5, 2}, {5, 3}},
        {{3, 3}, {3, 4}},
        {{4, 5}, {4, 6}},  // beyond the text
    };
    for (const auto& [buffer, display] : cases) {
        EXPECT_EQ(wrap_->BufferToDisplayPos(buffer), display)
            << buffer.CharIndex << "," << buffer.LineIndex;
    }
}

TEST_F(WordWrapPositions, DisplayToBuffer) {
    const std::pair<TDisplayCoord, TBufferCoord> cases[] = {
        {{1, 1}, {1, 1}},  {{50, 1}, {10, 1}},  // far right of a row that is not the last
        {{3, 2}, {12, 1}}, {{50, 2}, {20, 1}},  // far right of the last: width + 1
        {{5, 3}, {5, 2}},  {{1, 4}, {1, 3}},   {{2, 7}, {2, 6}},  // beyond the text
    };
    for (const auto& [display, buffer] : cases) {
        EXPECT_EQ(wrap_->DisplayToBufferPos(display), buffer)
            << display.Column << "," << display.Row;
    }
}

// --- Misuse --------------------------------------------------------------------------------

TEST(WordWrapMisuse, NeedsAView) {
    try {
        TWordWrapPlugin wrap(nullptr);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "TWordWrapPlugin must be owned by TCustomTextView");
    }
}

TEST(WordWrapMisuse, RowOutOfRangeIsAListError) {
    WrapTestHost host(10);
    host.Lines().SetText("a");
    const TWordWrapPlugin& wrap = host.AttachWrap();
    for (const std::int32_t row : {0, 2}) {
        try {
            wrap.GetRowLength(row);
            FAIL() << "no error for row " << row;
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(),
                      "リストのインデックスが範囲を超えています (" + std::to_string(row) + ")");
        }
    }
}

TEST(WordWrapMisuse, AssertionsNameTheUnit) {
    const std::function<void(WrapTestHost&, TWordWrapPlugin&)> misuses[] = {
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesInserted(-1, 1); },
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesInserted(0, 0); },
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesInserted(3, 1); },
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesDeleted(0, 0); },
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesDeleted(1, 2); },
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesReplaced(-1, 1); },
        [](WrapTestHost&, TWordWrapPlugin& w) { w.LinesReplaced(0, 3); },
        [](WrapTestHost&, TWordWrapPlugin& w) {
            w.BufferToDisplayPos({0, 1});
        },
        [](WrapTestHost&, TWordWrapPlugin& w) {
            w.DisplayToBufferPos({1, 0});
        },
        [](WrapTestHost& h, TWordWrapPlugin&) { h.SetVisibleColumns(-1); },
    };
    for (std::size_t i = 0; i < std::size(misuses); ++i) {
        WrapTestHost host(10);
        host.Lines().SetText("a\r\nb");
        TWordWrapPlugin& wrap = host.AttachWrap();
        try {
            misuses[i](host, wrap);
            ADD_FAILURE() << "misuse " << i << " passed";
        } catch (const EAssertionFailed& error) {
            EXPECT_NE(error.Message().find("WordWrap"), std::string::npos) << error.Message();
        }
    }
}

}  // namespace
}  // namespace mirevo
