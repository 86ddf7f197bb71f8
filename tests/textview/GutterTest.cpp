// The gutter's clamps, number formatting and width; the shared internal images.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/fakes/RecordingSurface.h"
#include "textview/Gutter.h"
#include "textview/InternalImage.h"

namespace mirevo {
namespace {

struct ClampCase {
    const char* Name;
    std::function<void(TGutter&)> Set;
    std::function<std::int32_t(const TGutter&)> Get;
    std::int32_t Expected;
};

TEST(GutterTest, SettersClampTheirValues) {
    const std::vector<ClampCase> cases = {
        {"DigitCount 1", [](TGutter& g) { g.SetDigitCount(1); },
         [](const TGutter& g) { return g.DigitCount(); }, 2},
        {"DigitCount 20", [](TGutter& g) { g.SetDigitCount(20); },
         [](const TGutter& g) { return g.DigitCount(); }, 12},
        {"DigitCount sets effective", [](TGutter& g) { g.SetDigitCount(7); },
         [](const TGutter& g) { return g.EffectiveDigitCount(); }, 7},
        {"GradientSteps 0", [](TGutter& g) { g.SetGradientSteps(0); },
         [](const TGutter& g) { return g.GradientSteps(); }, 2},
        {"LeftOffset -3", [](TGutter& g) { g.SetLeftOffset(-3); },
         [](const TGutter& g) { return g.LeftOffset(); }, 0},
        {"RightOffset -1", [](TGutter& g) { g.SetRightOffset(-1); },
         [](const TGutter& g) { return g.RightOffset(); }, 0},
        {"Width -5", [](TGutter& g) { g.SetWidth(-5); }, [](const TGutter& g) { return g.Width(); },
         0},
        {"LineNumberStart -4", [](TGutter& g) { g.SetLineNumberStart(-4); },
         [](const TGutter& g) { return g.LineNumberStart(); }, 0},
    };
    for (const auto& c : cases) {
        TGutter gutter;
        c.Set(gutter);
        EXPECT_EQ(c.Get(gutter), c.Expected) << c.Name;
    }
}

TEST(GutterTest, LineNumberStartDecidesZeroStart) {
    TGutter gutter;
    gutter.SetLineNumberStart(-4);
    EXPECT_TRUE(gutter.ZeroStart());
    gutter.SetLineNumberStart(5);
    EXPECT_FALSE(gutter.ZeroStart());
}

TEST(GutterTest, OnlyRealChangesNotify) {
    TGutter gutter;
    int changes = 0;
    gutter.OnChange = [&](TGutter&) { ++changes; };
    gutter.SetWidth(30);
    gutter.SetDigitCount(4);
    EXPECT_EQ(changes, 0);
    gutter.SetWidth(15);
    gutter.SetDigitCount(1);
    EXPECT_EQ(changes, 2);
}

struct NumberCase {
    std::int32_t Digits;
    bool LeadingZeros;
    std::int32_t Start;
    std::int32_t Line;
    const char* Expected;
};

TEST(GutterTest, FormatLineNumberPadsToTheEffectiveDigits) {
    const std::vector<NumberCase> cases = {
        {4, false, 1, 7, "   7"}, {4, true, 1, 7, "0007"},   {2, false, 1, 123, "123"},
        {4, true, 0, 1, "0000"},  {4, false, 0, 10, "   9"}, {3, false, 100, 1, "100"},
        {3, true, 5, 2, "006"},   {2, true, 1, 1, "01"},
    };
    for (const auto& c : cases) {
        TGutter gutter;
        gutter.SetDigitCount(c.Digits);
        gutter.SetLeadingZeros(c.LeadingZeros);
        gutter.SetLineNumberStart(c.Start);
        EXPECT_EQ(gutter.FormatLineNumber(c.Line), c.Expected)
            << c.Digits << " digits, start " << c.Start << ", line " << c.Line;
    }
}

TEST(GutterTest, AutoSizeWidensToTheHighestNumberAndWidthFollows) {
    TGutter gutter;
    gutter.SetDigitCount(2);
    gutter.SetShowLineNumbers(true);
    gutter.AutoSizeDigits(12345);
    EXPECT_EQ(gutter.EffectiveDigitCount(), 5);
    EXPECT_EQ(gutter.RealGutterWidth(6), 16 + 2 + 5 * 6 + 2);
    gutter.SetLineNumberStart(0);
    gutter.AutoSizeDigits(10000);  // highest 9999
    EXPECT_EQ(gutter.EffectiveDigitCount(), 4);
    gutter.SetVisible(false);
    EXPECT_EQ(gutter.RealGutterWidth(6), 0);
}

TEST(GutterTest, AssignCopiesAllButGradientAndBorder) {
    TGutter source;
    source.SetWidth(15);
    source.SetDigitCount(5);
    source.SetLineNumberStart(3);
    source.SetGradient(true);
    source.SetBorderStyle(TGutterBorderStyle::gbsRight);
    TGutter target;
    int changes = 0;
    target.OnChange = [&](TGutter&) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.Width(), 15);
    EXPECT_EQ(target.DigitCount(), 5);
    EXPECT_EQ(target.LineNumberStart(), 3);
    EXPECT_FALSE(target.Gradient());
    EXPECT_EQ(target.BorderStyle(), TGutterBorderStyle::gbsMiddle);
    EXPECT_EQ(changes, 1);
}

TEST(InternalImageTest, ImagesOfOneResourceShareOneCountedBitmap) {
    testing_support::RecordingResources resources;
    resources.AddBitmapResource("TextViewInternalImages", {110, 14});
    {
        TInternalImage first(resources, "TextViewInternalImages", 10);
        TInternalImage second(resources, "textviewinternalimages", 10);
        EXPECT_EQ(first.Width(), 11);
        EXPECT_EQ(first.Height(), 14);
        EXPECT_EQ(TInternalImage::SharedEntries(), 1u);
        EXPECT_EQ(TInternalImage::UsageCount("TEXTVIEWINTERNALIMAGES"), 2);
        EXPECT_EQ(resources.LiveBitmaps(), 1u);
    }
    EXPECT_EQ(TInternalImage::SharedEntries(), 0u);
    EXPECT_EQ(resources.LiveBitmaps(), 0u);
}

}  // namespace
}  // namespace mirevo
