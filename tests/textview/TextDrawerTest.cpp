// The text drawer over a recording surface: cell size, brackets, colours, the spacing array.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>
#include <optional>

#include "tests/fakes/RecordingSurface.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextDrawer.h"

namespace mirevo {
namespace {

using testing::Each;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::SizeIs;
using testing_support::RecordingResources;
using testing_support::RecordingSurface;

const TFontStyles kBold{TFontStyle::fsBold};

class TextDrawerTest : public testing::Test {
protected:
    ~TextDrawerTest() override {
        drawer_.reset();
        EXPECT_EQ(manager_.RecordCount(), 0u);
        EXPECT_EQ(resources_.LiveFonts(), 0u);
        EXPECT_EQ(resources_.OpenScreens(), 0u);
        EXPECT_THAT(resources_.Errors(), testing::IsEmpty());
    }

    TTextDrawer& Drawer() {
        if (!drawer_) drawer_.emplace(kBold, &font_, manager_);
        return *drawer_;
    }

    const RecordingSurface::TextRun& Draw(std::string_view text) {
        Drawer().BeginDrawing(surface_);
        const TRect cells{0, 0, 100, 13};
        Drawer().ExtTextOut(0, 0, TTextOutOptions::Opaque, &cells, text);
        Drawer().EndDrawing();
        return surface_.TextRuns().back();
    }

    RecordingResources resources_;
    TFontsInfoManager manager_{resources_};
    RecordingSurface surface_{resources_};
    TLogFont font_ = MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset);
    std::optional<TTextDrawer> drawer_;
};

TEST_F(TextDrawerTest, CellIsMeasuredOnTheBaseStyleWhateverStyleIsUsed) {
    // The fake's "M" is 6 pixels in a 13-pixel font, 7 when bold.
    EXPECT_EQ(Drawer().CharWidth(), 7);
    EXPECT_EQ(Drawer().CharHeight(), 13);
    EXPECT_EQ(Drawer().Style(), TFontStyles{});
    Drawer().SetBaseStyle({});
    EXPECT_EQ(Drawer().CharWidth(), 6);
    Drawer().SetStyle(kBold);
    EXPECT_EQ(Drawer().CharWidth(), 6);
    EXPECT_EQ(resources_.FontOf(Draw("a").DrawnWith.Font).Weight, kFontWeightBold);
}

TEST_F(TextDrawerTest, SetBaseStyleKeepsTheFontUsedForOutput) {
    Drawer().SetBaseStyle({TFontStyle::fsItalic});
    const TLogFont& used = resources_.FontOf(Draw("a").DrawnWith.Font);
    EXPECT_EQ(used.Italic, 0);
    EXPECT_EQ(used.Weight, kFontWeightNormal);
}

TEST_F(TextDrawerTest, ColoursReachTheSurfaceOnlyInsideABracketAndOnlyWhenChanged) {
    Drawer().SetForeColor(clBlack);
    Drawer().SetBackColor(clSilver);
    EXPECT_THAT(surface_.Calls(), testing::IsEmpty());

    Drawer().BeginDrawing(surface_);
    EXPECT_EQ(surface_.Current().Fore, clBlack);
    EXPECT_EQ(surface_.Current().Back, clSilver);
    surface_.ClearRecords();
    Drawer().SetForeColor(clBlack);
    Drawer().SetBackColor(clSilver);
    EXPECT_THAT(surface_.Calls(), testing::IsEmpty());
    Drawer().SetForeColor(clHighlightText);
    Drawer().SetBackColor(clHighlight);
    EXPECT_THAT(surface_.Calls(), ElementsAre("SetForeColor(ff00000e)", "SetBackColor(ff00000d)"));
    Drawer().EndDrawing();
}

TEST_F(TextDrawerTest, StartsInWindowColours) {
    Drawer().BeginDrawing(surface_);
    EXPECT_EQ(surface_.Current().Fore, clWindowText);
    EXPECT_EQ(surface_.Current().Back, clWindow);
    Drawer().EndDrawing();
}

TEST_F(TextDrawerTest, NestedBracketsRestoreTheSurfaceOnceAtTheLastEnd) {
    const RecordingSurface::State before = surface_.Current();
    Drawer().BeginDrawing(surface_);
    Drawer().BeginDrawing(surface_);
    Drawer().SetBackColor(clInfoBk);
    Drawer().EndDrawing();
    EXPECT_TRUE(Drawer().IsDrawing());
    EXPECT_EQ(surface_.CountCalls("RestoreState"), 0u);
    Drawer().EndDrawing();
    EXPECT_FALSE(Drawer().IsDrawing());
    EXPECT_EQ(surface_.CountCalls("SaveState"), 1u);
    EXPECT_EQ(surface_.CountCalls("RestoreState"), 1u);
    EXPECT_EQ(surface_.Current(), before);
}

TEST_F(TextDrawerTest, BracketMisuseFailsAssertions) {
    RecordingSurface other(resources_);
    EXPECT_THROW(Drawer().EndDrawing(), EAssertionFailed);
    EXPECT_THROW(Drawer().ExtTextOut(0, 0, TTextOutOptions::None, nullptr, "a"), EAssertionFailed);
    Drawer().BeginDrawing(surface_);
    try {
        Drawer().BeginDrawing(other);
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_THAT(e.Message(), HasSubstr("(TextDrawer, line "));
    }
    EXPECT_THROW(Drawer().ReleaseTemporaryResources(), EAssertionFailed);
    Drawer().EndDrawing();
}

TEST_F(TextDrawerTest, StyleChangesSelectTheFontInsideABracketOnlyWhenItChanges) {
    Drawer().BeginDrawing(surface_);
    surface_.ClearRecords();
    Drawer().SetStyle({});
    EXPECT_EQ(surface_.CountCalls("SelectFont"), 0u);
    Drawer().SetStyle(kBold);
    EXPECT_EQ(surface_.CountCalls("SelectFont"), 1u);
    EXPECT_EQ(resources_.FontOf(surface_.Current().Font).Weight, kFontWeightBold);
    Drawer().EndDrawing();
    Drawer().SetStyle({});
    EXPECT_EQ(surface_.CountCalls("SelectFont"), 1u);
}

TEST_F(TextDrawerTest, SpacingArrayGrowsInStepsOf64FilledWithTheCellWidth) {
    struct Step {
        std::size_t bytes;
        std::size_t length;
    };
    for (const Step step :
         {Step{10, 64}, Step{65, 128}, Step{3, 128}, Step{128, 128}, Step{129, 192}}) {
        const auto& run = Draw(std::string(step.bytes, 'x'));
        EXPECT_THAT(Drawer().Spacing(), SizeIs(step.length)) << step.bytes;
        EXPECT_THAT(Drawer().Spacing(), Each(7));
        EXPECT_THAT(run.Spacing, SizeIs(step.bytes));
    }
}

TEST_F(TextDrawerTest, EveryByteTakesOneCellAlsoAfterTheFontOrWidthChanges) {
    EXPECT_THAT(Draw("ab").Spacing, ElementsAre(7, 7));
    const TLogFont larger = MakeLogFont("ＭＳ ゴシック", -20, kShiftJisCharset);
    Drawer().SetBaseFont(&larger);
    EXPECT_THAT(Draw("abc").Spacing, ElementsAre(11, 11, 11));
    Drawer().SetBaseStyle({});
    EXPECT_THAT(Draw("a").Spacing, ElementsAre(10));
    Drawer().SetExtraSpacing(2);
    EXPECT_THAT(Draw("ab").Spacing, ElementsAre(12, 12));

    // Two double-byte characters and one single byte: five cells.
    const auto& run = Draw("漢字a");
    EXPECT_EQ(std::accumulate(run.Spacing.begin(), run.Spacing.end(), 0), 5 * 12);
}

TEST_F(TextDrawerTest, FontChangedInsideABracketIsNotDeletedWhileSelected) {
    Drawer().BeginDrawing(surface_);
    const TLogFont courier = MakeLogFont("Courier New", -20, kDefaultCharset);
    Drawer().SetBaseFont(&courier);
    EXPECT_EQ(resources_.FontOf(surface_.Current().Font).Face(), "Courier New");
    Drawer().EndDrawing();
}

TEST_F(TextDrawerTest, EmptyOpaqueRunFillsItsRectangle) {
    const auto& run = Draw("");
    EXPECT_EQ(run.Options, TTextOutOptions::Opaque);
    EXPECT_EQ(run.Rect, (TRect{0, 0, 100, 13}));
    EXPECT_THAT(run.Spacing, testing::IsEmpty());
}

TEST_F(TextDrawerTest, MissingFontIsAnExceptionThatChangesNothing) {
    Drawer().SetStyle(kBold);
    const auto created = resources_.CreatedFonts().size();
    try {
        Drawer().SetBaseFont(nullptr);
        FAIL();
    } catch (const ETextDrawerException& e) {
        EXPECT_EQ(e.Message(), "SetBaseFont: 'Value' must be specified.");
    }
    EXPECT_EQ(Drawer().CharWidth(), 7);
    EXPECT_EQ(Drawer().Style(), kBold);
    EXPECT_EQ(resources_.CreatedFonts().size(), created);
    EXPECT_THROW(TTextDrawer(kBold, nullptr, manager_), EFontStockException);
}

TEST_F(TextDrawerTest, TwoDrawersOnOneFontShareItsHandles) {
    TTextDrawer second(kBold, &font_, manager_);
    Drawer();
    EXPECT_EQ(manager_.RecordCount(), 1u);
    EXPECT_EQ(resources_.CreatedFonts().size(), 2u);  // bold for the cell, regular for output
}

TEST_F(TextDrawerTest, ReleasedResourcesAreTakenUpAgainByTheNextBracket) {
    Draw("a");
    Drawer().ReleaseTemporaryResources();
    EXPECT_EQ(resources_.LiveFonts(), 0u);
    EXPECT_THAT(Drawer().Spacing(), testing::IsEmpty());
    const auto& run = Draw("a");
    EXPECT_TRUE(resources_.IsLive(run.DrawnWith.Font));
    EXPECT_THAT(run.Spacing, ElementsAre(7));
}

}  // namespace
}  // namespace mirevo
