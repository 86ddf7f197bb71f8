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
                .dpi = dpi,
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

    std::uint32_t dpi = kDesignDpi;
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

TEST(ViewPainter, TheWrapGlyphScalesWithTheWindowsDensity) {
    // The glyph is 15 by 14 design pixels, right-aligned 2 pixels before the gutter's right
    // offset, centred in its row; the row is taller than the glyph at every density here.
    struct Case {
        std::uint32_t dpi;
        TSize size;
        std::string_view call;
    };
    for (const Case& c :
         {Case{96, {15, 14}, "DrawMaskedBitmap"}, Case{120, {19, 18}, "DrawBitmapScaled"},
          Case{144, {23, 21}, "DrawBitmapScaled"}}) {
        PainterRig t;
        t.dpi = c.dpi;
        t.layout.SetCellSize(8, 30);
        t.lines.SetText("abcdefgh");
        t.layout.FitColumns(t.layout.TextLeft() + 4 * t.layout.CellWidth());
        t.layout.SetWordWrap(true);
        t.wrapGlyph.SetVisible(true);
        t.PaintedRuns({0, 0, t.layout.GutterWidth(), 300});
        ASSERT_EQ(t.surface->BitmapCopies().size(), 1u) << c.dpi;
        const auto& copy = t.surface->BitmapCopies()[0];
        EXPECT_EQ(copy.Size, c.size) << c.dpi;
        EXPECT_EQ(copy.Source, (TRect{0, 0, 15, 14})) << c.dpi;
        EXPECT_EQ(copy.X, t.layout.GutterWidth() - t.gutter.RightOffset() - 2 - c.size.Width);
        EXPECT_EQ(copy.Y, 30 + (30 - c.size.Height) / 2) << c.dpi;
        EXPECT_EQ(t.surface->CountCalls(c.call), 1u) << c.dpi;
    }
}

TEST(ViewPainter, APictureTallerThanItsRowShowsItsMiddle) {
    struct Case {
        TRect source;
        std::uint32_t dpi;
        std::int32_t rowHeight;
        TGlyphPlacement expected;
    };
    const std::vector<Case> cases{
        {{0, 0, 16, 16}, 96, 20, {{0, 0, 16, 16}, {5, 12, 21, 28}}},   // centred
        {{0, 0, 16, 16}, 96, 10, {{0, 3, 16, 13}, {5, 10, 21, 20}}},   // middle ten rows
        {{0, 0, 16, 16}, 144, 30, {{0, 0, 16, 16}, {5, 13, 29, 37}}},  // 24 by 24, centred
        {{0, 0, 16, 16}, 144, 18, {{0, 2, 16, 14}, {5, 10, 29, 28}}},  // 12 rows fill 18
        {{33, 0, 44, 13}, 120, 20, {{33, 0, 44, 13}, {5, 12, 19, 28}}},
    };
    for (const Case& c : cases) {
        const TGlyphPlacement at = PlaceGlyph(c.source, c.dpi, 5, 10, c.rowHeight);
        EXPECT_EQ(at.source, c.expected.source) << c.dpi << " " << c.rowHeight;
        EXPECT_EQ(at.dest, c.expected.dest) << c.dpi << " " << c.rowHeight;
    }
}

TEST(ViewPainter, NothingIsPaintedWithoutACell) {
    PainterRig t;
    t.layout.SetCellSize(0, 0);
    EXPECT_THAT(t.PaintedRuns(), testing::IsEmpty());
    EXPECT_THAT(t.surface->Calls(), testing::IsEmpty());
}

}  // namespace
}  // namespace mirevo
