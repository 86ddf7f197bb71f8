// The painter on its own: a scene put together by hand, no view or window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/fakes/RecordingSurface.h"
#include "textview/FontsInfoManager.h"
#include "textview/ViewPainter.h"

namespace mirevo {
namespace {

using testing::ElementsAre;
using testing_support::RecordingResources;
using testing_support::RecordingSurface;

// The text of each run with its back colour.
struct PaintedRun {
    std::string Text;
    TColor Back;
    friend bool operator==(const PaintedRun&, const PaintedRun&) = default;
    friend std::ostream& operator<<(std::ostream& out, const PaintedRun& run) {
        return out << '"' << run.Text << "\" on " << std::hex << run.Back;
    }
};

// The scene's parts, over recording fakes; cells 6 x 13 pixels.
struct PainterRig {
    PainterRig() {
        lines.SetText("Hello\r\nab");
        layout.SetCellSize(drawer.CharWidth(), drawer.CharHeight());
        layout.SetGutterWidth(gutter.Width());
        layout.FitColumns(400);
        layout.FitRows(300);
    }

    TPaintScene Scene() {
        return {.lines = lines,
                .layout = layout,
                .selection = selection,
                .style = style,
                .gutter = gutter,
                .marks = marks,
                .bookMarks = bookMarks,
                .selectedColor = selectedColor,
                .wrapGlyph = wrapGlyph,
                .font = font,
                .background = clWindow,
                .caret = caret,
                .selectionShown = selectionShown,
                .showSpecialChars = false,
                .clientHeight = 300,
                .events = events,
                .sender = &sender};
    }

    std::vector<PaintedRun> PaintedRuns(TRect clip = {0, 0, 400, 300}) {
        surface = std::make_unique<RecordingSurface>(resources, clip);
        painter.Paint(*surface, Scene());
        std::vector<PaintedRun> runs;
        for (const auto& run : surface->TextRuns()) runs.push_back({run.Text, run.DrawnWith.Back});
        return runs;
    }

    static bool AddBitmaps(RecordingResources& into) {
        into.AddBitmapResource("TextViewWrapped", {15, 14});
        into.AddBitmapResource("TextViewInternalImages", {110, 14});
        return true;
    }

    RecordingResources resources;
    bool bitmaps = AddBitmaps(resources);  // before the glyph loads its bitmap
    TFontsInfoManager manager{resources};
    TLogFont font = MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset);
    TTextDrawer drawer{TFontStyles{}, &font, manager};
    TViewPainter painter{drawer, resources};
    TLineStore lines;
    TViewLayout layout{lines};
    TSelection selection{lines};
    TViewStyle style;
    TGutter gutter;
    TEditMarkList marks;
    TBookMarkOpt bookMarks;
    TSelectedColor selectedColor;
    TGlyph wrapGlyph{resources, "TextViewWrapped", clLime};
    TTextViewEvents events;
    TObject sender;
    TBufferCoord caret{1, 1};
    bool selectionShown = true;
    std::unique_ptr<RecordingSurface> surface;
};

TEST(ViewPainter, TheSceneDecidesColoursAndTexts) {
    const TColor normal = clWindow;
    const TColor selected = clHighlight;
    struct Case {
        const char* name;
        std::function<void(PainterRig&)> set;
        std::vector<PaintedRun> runs;
    };
    const std::vector<Case> cases{
        {"plain", [](PainterRig&) {}, {{"Hello", normal}, {"ab", normal}}},
        {"a selection inside a row splits it",
         [](PainterRig& t) {
             t.selection.SetEnds({2, 1}, {4, 1});
         },
         {{"H", normal}, {"lo", normal}, {"el", selected}, {"ab", normal}}},
        {"a hidden selection paints as text",
         [](PainterRig& t) {
             t.selection.SetEnds({2, 1}, {4, 1});
             t.selectionShown = false;
         },
         {{"Hello", normal}, {"ab", normal}}},
        {"the caret's line is the active line",
         [](PainterRig& t) {
             t.style.activeLineColor = clLime;
             t.caret = {1, 2};
         },
         {{"Hello", normal}, {"ab", clLime}}},
        {"a line's special colours",
         [](PainterRig& t) {
             t.events.OnSpecialLineColors = [&t](TObject* sender, std::int32_t line, bool& special,
                                                 TColor&, TColor& bg) {
                 EXPECT_EQ(sender, &t.sender);
                 special = line == 1;
                 if (special) bg = clBlue;
             };
         },
         {{"Hello", clBlue}, {"ab", normal}}},
        {"an empty text paints one empty row",
         [](PainterRig& t) { t.lines.Clear(); },
         {{"", normal}}},
    };
    for (const Case& c : cases) {
        PainterRig t;
        c.set(t);
        EXPECT_EQ(t.PaintedRuns(), c.runs) << c.name;
    }
}

TEST(ViewPainter, GutterNumbersEventsAndWrapGlyphs) {
    PainterRig t;
    t.lines.SetText("abcdefgh\r\nxy");
    t.layout.FitColumns(t.layout.TextLeft() + 4 * t.layout.CellWidth());
    t.layout.SetWordWrap(true);
    t.gutter.SetShowLineNumbers(true);
    t.wrapGlyph.SetVisible(true);
    std::vector<std::int32_t> painted;
    t.events.OnGutterGetText = [](TObject*, std::int32_t line, std::string& text) {
        if (line == 2) text = "*";
    };
    t.events.OnGutterPaint = [&](TObject*, std::int32_t line, std::int32_t, std::int32_t y) {
        painted.push_back(line * 1000 + y);
    };
    const std::vector<PaintedRun> runs = t.PaintedRuns({0, 0, t.layout.GutterWidth(), 300});
    EXPECT_THAT(
        runs, ElementsAre(PaintedRun{"   1", t.gutter.Color()}, PaintedRun{"*", t.gutter.Color()}));
    // Line 2 starts on the third row; the second row carries the wrap glyph.
    const std::int32_t h = t.layout.RowHeight();
    EXPECT_THAT(painted, ElementsAre(1000, 2000 + 2 * h));
    ASSERT_EQ(t.surface->BitmapCopies().size(), 1u);
    EXPECT_EQ(t.surface->BitmapCopies()[0].Y, h);
    EXPECT_EQ(t.surface->BitmapCopies()[0].Mask, clLime);
}

TEST(ViewPainter, NothingIsPaintedWithoutACell) {
    PainterRig t;
    t.layout.SetCellSize(0, 0);
    EXPECT_THAT(t.PaintedRuns(), testing::IsEmpty());
    EXPECT_THAT(t.surface->Calls(), testing::IsEmpty());
}

}  // namespace
}  // namespace mirevo
