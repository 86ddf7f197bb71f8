// Painting the text view on a recording surface: gutter, rows, selection, special
// characters, marks, and the repaint requests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/textview/TextViewFixture.h"

namespace mirevo {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::RecordingSurface;
using testing_support::TextViewFixture;

using TextViewPaintTest = TextViewFixture;

// text, x, y, selected colours
struct TextRunOf {
    std::string Text;
    std::int32_t X;
    std::int32_t Y;
    bool Selected;
    friend bool operator==(const TextRunOf&, const TextRunOf&) = default;
    friend std::ostream& operator<<(std::ostream& out, const TextRunOf& run) {
        return out << '"' << run.Text << "\" at " << run.X << "," << run.Y
                   << (run.Selected ? " selected" : "");
    }
};

std::vector<TextRunOf> RunsOf(const RecordingSurface& surface) {
    std::vector<TextRunOf> runs;
    for (const auto& run : surface.TextRuns()) {
        runs.push_back({run.Text, run.X, run.Y, run.DrawnWith.Back == clHighlight});
    }
    return runs;
}

TEST_F(TextViewPaintTest, AKnownTextGivesItsRunsRectanglesColoursAndSpacing) {
    view_->SetText("Hello\r\nab");
    const RecordingSurface& surface = PaintClip();

    ASSERT_EQ(surface.TextRuns().size(), 2u);
    const auto& first = surface.TextRuns()[0];
    EXPECT_EQ(first.Text, "Hello");
    EXPECT_EQ(first.X, 32);  // gutter 30 + margin 2
    EXPECT_EQ(first.Y, 0);
    EXPECT_EQ(first.Options, TTextOutOptions::Opaque);
    EXPECT_EQ(first.Rect, (TRect{32, 0, 400, 13}));
    EXPECT_THAT(first.Spacing, ElementsAre(6, 6, 6, 6, 6));
    EXPECT_EQ(first.DrawnWith.Fore, clWindowText);
    EXPECT_EQ(first.DrawnWith.Back, clWindow);
    const auto& second = surface.TextRuns()[1];
    EXPECT_EQ(second.Text, "ab");
    EXPECT_EQ(second.Rect, (TRect{32, 13, 400, 26}));

    ASSERT_EQ(surface.Fills().size(), 3u);
    EXPECT_EQ(surface.Fills()[0].Rect, (TRect{0, 0, 30, 300}));
    EXPECT_EQ(surface.Fills()[0].Color, clBtnFace);
    EXPECT_EQ(surface.Fills()[1].Rect, (TRect{30, 0, 32, 300}));  // margin
    EXPECT_EQ(surface.Fills()[1].Color, clWindow);
    EXPECT_EQ(surface.Fills()[2].Rect, (TRect{32, 26, 400, 300}));  // below the text
    EXPECT_EQ(surface.Fills()[2].Color, clWindow);

    // Middle border: the border colour, then the gutter colour; no right edge at x 512.
    ASSERT_EQ(surface.Lines().size(), 2u);
    EXPECT_EQ(surface.Lines()[0].X1, 28);
    EXPECT_EQ(surface.Lines()[0].Color, clWindow);
    EXPECT_EQ(surface.Lines()[1].X1, 29);
    EXPECT_EQ(surface.Lines()[1].Color, clBtnFace);
}

TEST_F(TextViewPaintTest, AClipInTheGutterPaintsNoTextAndOneRightOfItNoGutter) {
    view_->SetText("Hello");
    const RecordingSurface& gutterOnly = PaintClip({0, 0, 20, 300});
    EXPECT_THAT(gutterOnly.TextRuns(), IsEmpty());
    for (const auto& fill : gutterOnly.Fills()) EXPECT_EQ(fill.Color, clBtnFace);

    const RecordingSurface& textOnly = PaintClip({50, 0, 400, 300});
    EXPECT_THAT(textOnly.Lines(), IsEmpty());
    for (const auto& fill : textOnly.Fills()) EXPECT_NE(fill.Color, clBtnFace);
    ASSERT_FALSE(textOnly.TextRuns().empty());
    EXPECT_EQ(textOnly.TextRuns()[0].Text, "lo");  // from column 4
    EXPECT_EQ(textOnly.TextRuns()[0].X, 50);
}

TEST_F(TextViewPaintTest, WrapGlyphsWithTheResultViewSettingsStartLeftOfTheWindow) {
    UseResultViewSettings();
    view_->SetText(std::string(150, 'a'));
    ASSERT_EQ(view_->VisibleColumns(), 63);
    const RecordingSurface& surface = PaintClip();

    ASSERT_EQ(surface.BitmapCopies().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& copy = surface.BitmapCopies()[i];
        EXPECT_EQ(copy.X, -4);  // 15 - 2 - 2 - 15
        EXPECT_EQ(copy.Y, 13 * static_cast<std::int32_t>(i + 1));
        EXPECT_EQ(copy.Source, (TRect{0, 0, 15, 13}));  // 14 rows fitted into 13
        EXPECT_EQ(copy.Mask, clLime);
        EXPECT_EQ(copy.Brush, clBtnFace);
    }
    EXPECT_THAT(RunsOf(surface), ElementsAre(TextRunOf{std::string(63, 'a'), 17, 0, false},
                                             TextRunOf{std::string(63, 'a'), 17, 13, false},
                                             TextRunOf{std::string(24, 'a'), 17, 26, false}));
}

struct SelectionCase {
    const char* Name;
    TSelectionMode Mode;
    TBufferCoord Anchor;
    TBufferCoord Active;
    std::vector<TextRunOf> Expected;
};

TEST_F(TextViewPaintTest, SelectionRowsAreSplitIntoUnselectedAndSelectedTokens) {
    const std::vector<SelectionCase> cases = {
        {"normal",
         TSelectionMode::smNormal,
         {3, 1},
         {4, 3},
         {{"ab", 32, 0, false},
          {"cdef", 44, 0, true},     // start row: left part, selected part
          {"abcdef", 32, 13, true},  // middle row, fully selected
          {"def", 50, 26, false},
          {"abc", 32, 26, true}}},  // end row: right part, selected
        {"backwards",
         TSelectionMode::smNormal,
         {4, 3},
         {3, 1},
         {{"ab", 32, 0, false},
          {"cdef", 44, 0, true},
          {"abcdef", 32, 13, true},
          {"def", 50, 26, false},
          {"abc", 32, 26, true}}},
        {"column",
         TSelectionMode::smColumn,
         {4, 3},
         {2, 1},
         {{"a", 32, 0, false},
          {"def", 50, 0, false},
          {"bc", 38, 0, true},
          {"a", 32, 13, false},
          {"def", 50, 13, false},
          {"bc", 38, 13, true},
          {"a", 32, 26, false},
          {"def", 50, 26, false},
          {"bc", 38, 26, true}}},
        {"ending at column 1",
         TSelectionMode::smNormal,
         {1, 1},
         {1, 2},
         {{"abcdef", 32, 0, true}, {"abcdef", 32, 13, false}, {"abcdef", 32, 26, false}}},
    };
    view_->SetText("abcdef\r\nabcdef\r\nabcdef");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        view_->SetSelectionMode(c.Mode);
        view_->SetBlockBegin(c.Anchor);
        view_->SetBlockEnd(c.Active);
        EXPECT_EQ(RunsOf(PaintClip()), c.Expected);
    }
}

TEST_F(TextViewPaintTest, HiddenSelectionWithoutFocusPaintsAsNormalText) {
    view_->SetText("abcdef");
    view_->SetHideSelection(true);
    view_->SetBlockBegin({1, 1});
    view_->SetBlockEnd({7, 1});
    EXPECT_THAT(RunsOf(PaintClip()), ElementsAre(TextRunOf{"abcdef", 32, 0, false}));
    window_.HasFocus = true;
    // The rest of the row right of the selection is filled unselected.
    EXPECT_THAT(RunsOf(PaintClip()),
                ElementsAre(TextRunOf{"", 68, 0, false}, TextRunOf{"abcdef", 32, 0, true}));
}

TEST_F(TextViewPaintTest, SpecialCharactersShowBlanksTabsAndLineEnds) {
    TEditorOptions options = view_->Options();
    options.Include(TEditorOption::eoShowSpecialChars);
    view_->SetOptions(options);
    view_->SetTabWidth(4);
    view_->SetText("a b\r\nx\ty");
    const RecordingSurface& surface = PaintClip();
    EXPECT_THAT(RunsOf(surface),
                ElementsAre(TextRunOf{"a\xB7"
                                      "b\xB6",
                                      32, 0, false},
                            TextRunOf{"x   y\xB6", 32, 13, false},
                            TextRunOf{"\xBB", 44, 13, false}));  // mid of the 3 tab cells
    EXPECT_EQ(surface.TextRuns()[2].Rect, (TRect{44, 13, 50, 26}));
}

TEST_F(TextViewPaintTest, ADoubleByteCharacterCutByTheLeftEdgeIsDrawnWhole) {
    view_->SetText("あいう");
    view_->SetLeftChar(2);
    const RecordingSurface& surface = PaintClip();
    ASSERT_EQ(surface.TextRuns().size(), 1u);
    EXPECT_EQ(surface.TextRuns()[0].Text, "あいう");
    EXPECT_EQ(surface.TextRuns()[0].X, 26);  // one cell left of the text area
    EXPECT_EQ(surface.TextRuns()[0].Rect, (TRect{32, 0, 400, 13}));
}

TEST_F(TextViewPaintTest, AnEmptyViewPaintsMarginOneRowAndTheAreaBelow) {
    const RecordingSurface& surface = PaintClip();
    ASSERT_EQ(surface.TextRuns().size(), 1u);
    EXPECT_EQ(surface.TextRuns()[0].Text, "");
    EXPECT_EQ(surface.TextRuns()[0].Rect, (TRect{32, 0, 400, 13}));
    EXPECT_EQ(surface.Fills().back().Rect, (TRect{32, 13, 400, 300}));
}

TEST_F(TextViewPaintTest, LineNumbersAreRightAlignedWithLeadingZerosAndZeroStart) {
    view_->SetText("a\r\nb\r\nc");
    TGutter& gutter = view_->Gutter();
    gutter.SetShowLineNumbers(true);
    gutter.SetLeadingZeros(true);
    gutter.SetLineNumberStart(0);
    ASSERT_EQ(view_->GutterWidth(), 44);  // 16 + 2 + 4 digits x 6 + 2
    const RecordingSurface& surface = PaintClip({0, 0, 44, 300});
    // The gutter font is 5 pixels a character and 11 high.
    EXPECT_THAT(RunsOf(surface),
                ElementsAre(TextRunOf{"0000", 20, 1, false}, TextRunOf{"0001", 20, 14, false},
                            TextRunOf{"0002", 20, 27, false}));
    EXPECT_EQ(surface.TextRuns()[0].Rect, (TRect{0, 0, 44, 13}));
    EXPECT_EQ(surface.TextRuns()[0].Options, TTextOutOptions::Opaque | TTextOutOptions::Clipped);
}

TEST_F(TextViewPaintTest, TheRightEdgeIsDrawnThroughEveryRowAndBelow) {
    view_->SetText("a\r\nb");
    view_->SetRightEdge(10);
    const RecordingSurface& surface = PaintClip();
    ASSERT_EQ(surface.Lines().size(), 5u);  // 2 border lines, 2 rows, below
    for (std::size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(surface.Lines()[i].X1, 92);
        EXPECT_EQ(surface.Lines()[i].Color, clSilver);
    }
    EXPECT_EQ(surface.Lines()[4].Y1, 26);
    EXPECT_EQ(surface.Lines()[4].Y2, 301);
    view_->SetRightEdge(0);
    EXPECT_EQ(PaintClip().Lines().size(), 2u);
}

TEST_F(TextViewPaintTest, AnInternalBookmarkIsDrawnAtTheLeftMarginAndOffsetsGutterPaint) {
    view_->SetText("a\r\nb\r\nc");
    auto mark = std::make_unique<TEditMark>(view_.get());
    mark->SetLine(2);
    mark->SetImageIndex(3);
    mark->SetBookmarkNumber(3);
    mark->SetInternalImage(true);
    mark->SetVisible(true);
    view_->Marks().Add(std::move(mark));
    std::vector<std::pair<std::int32_t, std::int32_t>> gutterPaints;
    view_->OnGutterPaint = [&](TObject*, std::int32_t line, std::int32_t x, std::int32_t) {
        gutterPaints.emplace_back(line, x);
    };
    // Glyph 3 of 11 by 13 pixels in a row of 13; at 144 dpi it is 17 by 20, so only its
    // middle 9 design rows fit, and the margin (2) and the step to the next mark (12) grow.
    struct Case {
        std::uint32_t dpi;
        TRect source;
        TPoint at;
        TSize size;
        std::int32_t gutterPaintX;
    };
    for (const Case& c : {Case{96, {33, 0, 44, 13}, {2, 13}, {11, 13}, 12},
                          Case{144, {33, 2, 44, 11}, {3, 13}, {17, 13}, 18}}) {
        window_.Dpi = c.dpi;
        gutterPaints.clear();
        const RecordingSurface& surface = PaintClip();
        ASSERT_EQ(surface.BitmapCopies().size(), 1u) << c.dpi;
        const auto& copy = surface.BitmapCopies()[0];
        EXPECT_EQ(copy.Source, c.source) << c.dpi;
        EXPECT_EQ((TPoint{copy.X, copy.Y}), c.at) << c.dpi;
        EXPECT_EQ(copy.Size, c.size) << c.dpi;
        EXPECT_FALSE(copy.Mask.has_value());
        EXPECT_THAT(gutterPaints,
                    ElementsAre(std::pair{1, 0}, std::pair{2, c.gutterPaintX}, std::pair{3, 0}))
            << c.dpi;
    }
}

TEST_F(TextViewPaintTest, GradientBandsRunFromTheStartToTheEndColour) {
    TGutter& gutter = view_->Gutter();
    gutter.SetGradient(true);
    gutter.SetGradientStartColor(Rgb(0, 0, 0));
    gutter.SetGradientEndColor(Rgb(200, 100, 50));
    gutter.SetGradientSteps(4);
    const RecordingSurface& surface = PaintClip({0, 0, 30, 300});
    ASSERT_GE(surface.Fills().size(), 4u);
    EXPECT_EQ(surface.Fills()[0].Rect, (TRect{0, 0, 8, 300}));  // MulDiv(1, 30, 4) = 8
    EXPECT_EQ(surface.Fills()[0].Color, Rgb(0, 0, 0));
    EXPECT_EQ(surface.Fills()[1].Color, Rgb(67, 33, 17));
    EXPECT_EQ(surface.Fills()[3].Rect, (TRect{23, 0, 30, 300}));
    EXPECT_EQ(surface.Fills()[3].Color, Rgb(200, 100, 50));
}

TEST_F(TextViewPaintTest, PaintEventsComeAfterGutterAndTextAndTransientOnlyOutermost) {
    view_->SetText("a");
    std::vector<std::string> events;
    view_->OnPaint = [&](TObject*, IDrawingSurface&) { events.push_back("paint"); };
    view_->OnPaintTransient = [&](TObject*, IDrawingSurface&, TTransientType type) {
        events.push_back(type == TTransientType::ttBefore ? "before" : "after");
    };
    PaintClip();
    EXPECT_THAT(events, ElementsAre("paint", "after"));

    events.clear();
    window_.SurfaceFactory = [&] { return std::make_unique<RecordingSurface>(resources_); };
    view_->DoOnPaintTransientEx(TTransientType::ttBefore, true);
    view_->DoOnPaintTransientEx(TTransientType::ttBefore, true);
    view_->DoOnPaintTransientEx(TTransientType::ttAfter, true);
    view_->DoOnPaintTransientEx(TTransientType::ttAfter, true);
    EXPECT_THAT(events, ElementsAre("before", "after"));
}

TEST_F(TextViewPaintTest, RepaintRequestsCoverOnlyTheAffectedRows) {
    view_->SetText("1\r\n2\r\n3\r\n4\r\n5");
    window_.ClearRecords();
    view_->InvalidateLines(2, 3);
    view_->InvalidateGutterLines(3, 2);
    view_->InvalidateLine(50);
    EXPECT_THAT(window_.Invalidated(), ElementsAre(TRect{30, 13, 400, 39}, TRect{0, 13, 30, 39}));
}

TEST_F(TextViewPaintTest, RequestsWhileTheStoreChangesAreGatheredIntoOne) {
    view_->SetText("1\r\n2\r\n3\r\n4\r\n5");
    window_.ClearRecords();
    view_->Lines().BeginUpdate();
    view_->InvalidateLine(2);
    view_->Lines().Put(3, "four");
    EXPECT_THAT(window_.Invalidated(), IsEmpty());
    view_->Lines().EndUpdate();
    ASSERT_FALSE(window_.Invalidated().empty());
    EXPECT_EQ(window_.Invalidated().front(), (TRect{0, 13, 400, 312}));
}

}  // namespace
}  // namespace mirevo
