// The text view's scrolling: TopLine clamps, pages, the wheel, scroll-bar scaling and
// arrows, and the scroll hint.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/textview/TextViewFixture.h"
#include "textview/ScrollMath.h"

namespace mirevo {
namespace {

using testing_support::TextViewFixture;

class TextViewScrollTest : public TextViewFixture {
protected:
    void SetLines(int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
        view_->SetText(text);
    }
    void SetOption(TEditorOption option, bool on) {
        TEditorOptions options = view_->Options();
        on ? options.Include(option) : options.Exclude(option);
        view_->SetOptions(options);
    }
};

TEST_F(TextViewScrollTest, ScrollMessagesMoveTopLineByLinesAndPages) {
    SetLines(100);
    ASSERT_EQ(view_->VisibleRows(), 23);  // 300 div 13
    struct Step {
        TScrollCode Code;
        bool OneLess;
        std::int32_t Expected;
    };
    const std::vector<Step> steps = {
        {TScrollCode::LineDown, false, 2},  {TScrollCode::PageDown, false, 25},
        {TScrollCode::PageDown, true, 47},  {TScrollCode::PageUp, false, 24},
        {TScrollCode::LineUp, false, 23},   {TScrollCode::Bottom, false, 78},  // 100 - 23 + 1
        {TScrollCode::LineDown, false, 78}, {TScrollCode::Top, false, 1},
        {TScrollCode::LineUp, false, 1},
    };
    for (const auto& step : steps) {
        SetOption(TEditorOption::eoScrollByOneLess, step.OneLess);
        view_->VScroll(step.Code, 0);
        EXPECT_EQ(view_->TopLine(), step.Expected) << static_cast<int>(step.Code);
    }
}

TEST_F(TextViewScrollTest, SmallScrollsMoveThePixelsAndLargeOnesRepaintAll) {
    SetLines(100);
    window_.ClearRecords();
    view_->SetTopLine(4);
    ASSERT_EQ(window_.Scrolls().size(), 1u);
    EXPECT_EQ(window_.Scrolls()[0].Dy, -3 * 13);
    view_->SetTopLine(50);
    EXPECT_EQ(window_.Scrolls().size(), 1u);
    EXPECT_EQ(window_.Invalidated().back(), std::nullopt);
}

TEST_F(TextViewScrollTest, TextExactlyOneWindowHighCannotScroll) {
    SetLines(23);
    view_->VScroll(TScrollCode::PageDown, 0);
    EXPECT_EQ(view_->TopLine(), 1);
    EXPECT_EQ(window_.BarOf(TScrollBarKind::sbVertical).Arrows, TScrollArrows::DisableBoth);
}

TEST_F(TextViewScrollTest, WheelDeltasAccumulateIntoNotches) {
    SetLines(100);
    view_->SetTopLine(50);
    struct Step {
        std::int32_t Delta;
        bool Ctrl;
        std::int32_t WheelLines;
        std::int32_t Expected;
    };
    const std::vector<Step> steps = {
        {40, false, 3, 50},   {40, false, 3, 50},
        {40, false, 3, 47},                            // the third makes a notch
        {-120, false, 3, 50}, {-120, false, -1, 73},   // page setting: a window
        {120, true, 3, 50},   {-240, false, 100, 78},  // more than a window: a window
    };
    for (const auto& step : steps) {
        window_.WheelLines = step.WheelLines;
        view_->MouseWheel(step.Delta, step.Ctrl);
        EXPECT_EQ(view_->TopLine(), step.Expected) << step.Delta;
    }
}

TEST_F(TextViewScrollTest, FortyThousandRowsAreScaledIntoTheSixteenBitThumb) {
    SetLines(40000);
    const auto& bar = window_.BarOf(TScrollBarKind::sbVertical);
    EXPECT_EQ(bar.Info.Max, 32767);
    EXPECT_EQ(bar.Info.Page, 19);  // 23 x 32767 / 40000, rounded
    view_->VScroll(TScrollCode::ThumbTrack, 16384);
    EXPECT_EQ(view_->TopLine(), 20012);  // (40000 + 22) x 16384 / 32767 = 20011.6
    view_->VScroll(TScrollCode::ThumbTrack, 32767);
    EXPECT_EQ(view_->TopLine(), 40000 - 23 + 1);                           // 40022 clamped
    EXPECT_EQ(window_.BarOf(TScrollBarKind::sbVertical).Info.Pos, 32749);  // 39978 x 32767 / 40000
}

TEST_F(TextViewScrollTest, TheThumbIsScaledWheneverTheBarIsEvenIfOnlyRowsPastTheEndExceed16Bits) {
    SetLines(32760);
    SetOption(TEditorOption::eoScrollPastEof, true);  // extent 32760 + 22 rows
    EXPECT_EQ(window_.BarOf(TScrollBarKind::sbVertical).Info.Max, 32767);
    view_->VScroll(TScrollCode::ThumbTrack, 16384);
    // (RowCount + 22) x 16384 / 32767, as the bar shows it, not the position itself
    EXPECT_EQ(view_->TopLine(), MulDiv(view_->RowCount() + 22, 16384, 32767));
    EXPECT_GT(view_->TopLine(), 16390);
}

TEST_F(TextViewScrollTest, TheScrollHintShowsTheBufferLineOfTheFirstRow) {
    UseResultViewSettings();
    std::string text = std::string(63 * 40, 'a');  // one line of 40 rows
    for (int i = 2; i <= 31; ++i) text += "\r\nline" + std::to_string(i);
    view_->SetText(text);
    view_->VScroll(TScrollCode::ThumbTrack, 10);
    EXPECT_EQ(view_->TopLine(), 10);
    const auto& hint = window_.ShownHint();
    EXPECT_TRUE(hint.Shown);
    EXPECT_EQ(hint.Text, "Top Line: 1");  // still the first buffer line
    EXPECT_EQ(hint.Color, clInfoBk);
    EXPECT_EQ(hint.Rect, (TRect{100 + 400 - 66 - 4, 210, 100 + 400 - 4, 226}));
    view_->VScroll(TScrollCode::ThumbTrack, 41);
    EXPECT_EQ(hint.Text, "Top Line: 2");
    view_->SetScrollHintFormat(TScrollHintFormat::shfTopToBottom);
    view_->VScroll(TScrollCode::ThumbTrack, 30);
    EXPECT_EQ(hint.Text, "1 - 14");  // rows 30 and 53
    view_->VScroll(TScrollCode::EndScroll, 0);
    EXPECT_FALSE(hint.Shown);
}

TEST_F(TextViewScrollTest, AnEmptyWrappedViewShowsItsVerticalBarDisabled) {
    UseResultViewSettings();
    EXPECT_EQ(view_->RowCount(), 0);
    view_->VScroll(TScrollCode::PageDown, 0);
    EXPECT_EQ(view_->TopLine(), 1);
    const auto& vertical = window_.BarOf(TScrollBarKind::sbVertical);
    EXPECT_TRUE(vertical.Shown);
    EXPECT_TRUE(vertical.Info.DisableNoScroll);
    EXPECT_EQ(vertical.Arrows, TScrollArrows::DisableBoth);
    EXPECT_FALSE(window_.BarOf(TScrollBarKind::sbHorizontal).Shown);
    view_->SetLeftChar(10);
    EXPECT_EQ(view_->LeftChar(), 1);
}

TEST_F(TextViewScrollTest, SwitchingWordWrapKeepsTheFirstShownLineOnTop) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += std::string(100, 'a') + "\r\n";
    view_->SetText(text);
    view_->SetTopLine(20);
    view_->SetLeftChar(30);
    view_->SetWordWrap(true);
    EXPECT_EQ(view_->LeftChar(), 1);
    EXPECT_EQ(view_->TopLine(), view_->RowOfLine(20));
    EXPECT_EQ(view_->LineOfRow(view_->TopLine()), 20);
    view_->SetWordWrap(false);
    EXPECT_EQ(view_->TopLine(), 20);
}

TEST_F(TextViewScrollTest, TurningScrollPastEolOffClampsLeftChar) {
    view_->SetText(std::string(100, 'a'));
    view_->SetLeftChar(500);
    EXPECT_EQ(view_->LeftChar(), 500);  // up to MaxScrollWidth - VisibleColumns + 1
    SetOption(TEditorOption::eoScrollPastEol, false);
    view_->SetLeftChar(view_->LeftChar());
    EXPECT_EQ(view_->LeftChar(), 100 - 61 + 1);
}

TEST_F(TextViewScrollTest, EnsureCaretVisibleScrollsJustEnoughOrToTheMiddle) {
    SetLines(100);
    view_->InternalSetCaretXY({1, 50}, false);
    view_->EnsureCaretVisible();
    EXPECT_EQ(view_->TopLine(), 50 - 22);  // caret on the last whole row
    view_->SetTopLine(1);
    view_->EnsureCaretVisible(true);
    EXPECT_EQ(view_->TopLine(), 50 - 22 + 11);  // caret near the middle
}

TEST_F(TextViewScrollTest, PixelsConvertToCellsTruncatingOrToTheNearest) {
    SetLines(100);
    view_->SetTopLine(11);
    EXPECT_EQ(view_->PixelsToRowColumn(32 + 6 * 3 + 5, 13 * 2 + 12), (TDisplayCoord{4, 13}));
    EXPECT_EQ(view_->PixelsToNearestRowColumn(32 + 6 * 3 + 3, 0),
              (TDisplayCoord{5, 11}));  // 3.5 -> 4
    EXPECT_EQ(view_->PixelsToNearestRowColumn(32 + 6 * 2 + 3, 0),
              (TDisplayCoord{3, 11}));  // 2.5 -> 2
    EXPECT_EQ(view_->PixelsToNearestRowColumn(40, 1000).Row, 11 + 22);
    EXPECT_EQ(view_->PixelsToRowColumn(0, 0), (TDisplayCoord{1, 11}));
}

}  // namespace
}  // namespace mirevo
