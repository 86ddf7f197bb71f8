// The fonts registry and the font stock over recording resources.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "tests/fakes/RecordingSurface.h"
#include "textview/FontStock.h"
#include "textview/FontsInfoManager.h"

namespace mirevo {
namespace {

using testing::HasSubstr;
using testing_support::FakeFontMeasure;
using testing_support::RecordingResources;
using testing_support::RecordingSurface;

class FontStockTest : public testing::Test {
protected:
    // Every test ends with its stocks gone: no handle may be left and none misused.
    ~FontStockTest() override {
        EXPECT_EQ(resources_.LiveFonts(), 0u);
        EXPECT_THAT(resources_.Errors(), testing::IsEmpty());
    }

    RecordingResources resources_;
    TFontsInfoManager manager_{resources_};
    const TLogFont gothic_ = MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset);
};

TEST(FontsInfoKey, SameRecordExactlyWhenOnlyStyleFlagsOrFaceTailDiffer) {
    const TLogFont base = MakeLogFont("Courier New", -13, kDefaultCharset);
    auto with = [&base](auto change) {
        TLogFont font = base;
        change(font);
        return font;
    };
    struct Case {
        const char* name;
        TLogFont font;
        bool shared;
    };
    const Case cases[] = {
        {"italic", with([](TLogFont& f) { f.Italic = 1; }), true},
        {"underline", with([](TLogFont& f) { f.Underline = 1; }), true},
        {"strike-out", with([](TLogFont& f) { f.StrikeOut = 1; }), true},
        {"bytes after the face's NUL", with([](TLogFont& f) { f.FaceName[20] = 'x'; }), true},
        {"weight", with([](TLogFont& f) { f.Weight = kFontWeightBold; }), false},
        {"height", with([](TLogFont& f) { f.Height = -12; }), false},
        {"charset", with([](TLogFont& f) { f.CharSet = kShiftJisCharset; }), false},
        {"face", with([](TLogFont& f) { f.SetFace("Courier"); }), false},
    };
    for (const Case& c : cases) {
        RecordingResources resources;
        TFontsInfoManager manager(resources);
        TSharedFontsInfo& first = manager.AcquireFontsInfo(base);
        TSharedFontsInfo& second = manager.AcquireFontsInfo(c.font);
        EXPECT_EQ(&first == &second, c.shared) << c.name;
        EXPECT_EQ(manager.RecordCount(), c.shared ? 1u : 2u) << c.name;
        EXPECT_EQ(second.BaseFont.Italic, c.shared ? 0 : c.font.Italic) << c.name;
    }
}

TEST(FontsInfoKey, FaceFillingTheWholeFieldIsCutAtItsLastByte) {
    TLogFont font;
    font.FaceName.fill('A');
    EXPECT_EQ(font.Face(), std::string(31, 'A'));
    EXPECT_EQ(TFontsInfoManager::KeyOf(font).FaceName[31], '\0');
}

TEST(LogFont, FaceIsCutWithoutSplittingATwoByteCharacter) {
    TLogFont font;
    font.SetFace(std::string(30, 'a') + "ゴ");
    EXPECT_EQ(font.Face(), std::string(30, 'a'));
}

TEST_F(FontStockTest, TwoStocksShareOneRecordUntilTheLastLetsGo) {
    std::optional<TFontStock> first(std::in_place, &gothic_, manager_);
    std::optional<TFontStock> second(std::in_place, &gothic_, manager_);
    ASSERT_EQ(manager_.RecordCount(), 1u);
    EXPECT_EQ(resources_.CreatedFonts().size(), 1u);
    EXPECT_EQ(first->FontHandle(), second->FontHandle());

    first.reset();
    EXPECT_EQ(manager_.RecordCount(), 1u);
    EXPECT_TRUE(resources_.IsLive(second->FontHandle()));

    second->SetStyle({TFontStyle::fsBold});
    second.reset();
    EXPECT_EQ(manager_.RecordCount(), 0u);
    EXPECT_EQ(resources_.LiveFonts(), 0u);
    EXPECT_EQ(resources_.FontsFreed(), 2u);
}

TEST_F(FontStockTest, VariantsAreCreatedLazilyAndMeasuredOnceOnAScreenHeldOnlyMeanwhile) {
    TFontStock stock(&gothic_, manager_);
    EXPECT_EQ(resources_.CreatedFonts().size(), 1u);
    EXPECT_EQ(resources_.ScreensOpened(), 1u);

    const TFontStyles boldItalic{TFontStyle::fsBold, TFontStyle::fsItalic};
    stock.SetStyle(boldItalic);
    stock.SetStyle({});
    stock.SetStyle(boldItalic);
    TFontStock other(&gothic_, manager_);
    other.SetStyle(boldItalic);

    ASSERT_EQ(resources_.CreatedFonts().size(), 2u);
    EXPECT_EQ(resources_.ScreensOpened(), 2u);
    EXPECT_EQ(resources_.OpenScreens(), 0u);
    const TLogFont& made = resources_.CreatedFonts()[1];
    EXPECT_EQ(made.Weight, kFontWeightBold);
    EXPECT_EQ(made.Italic, 1);
    EXPECT_EQ(made.Underline, 0);
    EXPECT_EQ(made.Face(), gothic_.Face());
    EXPECT_EQ(stock.CharAdvance(), 7);  // bold "M" of a 13-pixel fake font
    EXPECT_EQ(stock.CharHeight(), 13);
}

TEST_F(FontStockTest, VariantReplacesTheBaseWeightAndKeepsTheRest) {
    TLogFont light = gothic_;
    light.Weight = 300;
    light.Quality = 5;
    light.Underline = 1;
    TFontStock stock(&light, manager_);
    stock.SetStyle({});
    const TLogFont& regular = resources_.CreatedFonts().back();
    EXPECT_EQ(regular.Weight, kFontWeightNormal);
    EXPECT_EQ(regular.Underline, 0);
    EXPECT_EQ(regular.Quality, 5);
    EXPECT_EQ(stock.BaseLogFont().Weight, 300);
}

TEST_F(FontStockTest, ChangingTheBaseFontGivesUpTheOldRecordAndItsHandles) {
    TFontStock stock(&gothic_, manager_);
    const TFontHandle old = stock.FontHandle();
    TLogFont italic = gothic_;
    italic.Italic = 1;
    stock.SetBaseFont(&italic);  // same record: nothing changes
    EXPECT_EQ(stock.FontHandle(), old);
    EXPECT_EQ(manager_.RecordCount(), 1u);

    const TLogFont courier = MakeLogFont("Courier New", -20, kDefaultCharset);
    stock.SetBaseFont(&courier);
    EXPECT_EQ(manager_.RecordCount(), 1u);
    EXPECT_FALSE(resources_.IsLive(old));
    EXPECT_EQ(resources_.FontOf(stock.FontHandle()).Face(), "Courier New");
    EXPECT_EQ(stock.CharHeight(), 20);
}

TEST_F(FontStockTest, ReleasedHandlesAreMadeAgainOnNextUse) {
    TFontStock stock(&gothic_, manager_);
    const TFontHandle first = stock.FontHandle();
    stock.ReleaseFontHandles();
    EXPECT_FALSE(resources_.IsLive(first));
    stock.SetStyle({});
    EXPECT_TRUE(resources_.IsLive(stock.FontHandle()));
    EXPECT_EQ(stock.CharAdvance(), 6);
}

TEST_F(FontStockTest, MissingFontAndRefusedFontAreExceptions) {
    try {
        TFontStock stock(nullptr, manager_);
        FAIL();
    } catch (const EFontStockException& e) {
        EXPECT_EQ(e.Message(), "SetBaseFont: 'Value' must be specified.");
    }
    TFontStock stock(&gothic_, manager_);
    EXPECT_THROW(stock.SetBaseFont(nullptr), EFontStockException);
    EXPECT_TRUE(resources_.IsLive(stock.FontHandle()));

    resources_.CanCreateFonts = false;
    EXPECT_THROW(stock.SetStyle({TFontStyle::fsBold}), EFontStockException);
    EXPECT_EQ(stock.Style(), TFontStyles{});
}

TEST_F(FontStockTest, MisuseFailsAssertionsNamingTheUnit) {
    TFontStock stock(&gothic_, manager_);
    try {
        stock.SetStyle(TFontStyles{16});
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_THAT(e.Message(), HasSubstr("(TextDrawer, line "));
    }
    const TLogFont courier = MakeLogFont("Courier New", -13, kDefaultCharset);
    TSharedFontsInfo& info = manager_.AcquireFontsInfo(courier);
    manager_.ActivateFontsInfo(info);
    try {
        manager_.ReleaseFontsInfo(info);
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_THAT(e.Message(), HasSubstr("Call DeactivateFontsInfo before calling this."));
    }
    manager_.DeactivateFontsInfo(info);
    EXPECT_THROW(manager_.DeactivateFontsInfo(info), EAssertionFailed);
    manager_.ReleaseFontsInfo(info);
    EXPECT_EQ(manager_.RecordCount(), 1u);
}

TEST(CalcFontAdvance, AddsABCWidthsAndOverhangOrFallsBackOnTheAverageWidth) {
    struct Case {
        std::optional<TABCWidths> abc;
        std::int32_t overhang;
        std::int32_t height;
        TCellSize expected;
    };
    const Case cases[] = {
        {TABCWidths{1, 6, 1}, 0, 13, {8, 13}},
        {TABCWidths{-1, 9, 2}, 2, -14, {12, 14}},
        {std::nullopt, 3, 16, {5, 16}},  // no ABC widths: average width 5, no overhang
    };
    for (const Case& c : cases) {
        RecordingResources resources;
        resources.Measure = [&c](const TLogFont&) {
            FakeFontMeasure measure;
            measure.Metrics.Height = c.height;
            measure.Metrics.AveCharWidth = 5;
            measure.Metrics.Overhang = c.overhang;
            measure.WidthsOfM = c.abc;
            return measure;
        };
        RecordingSurface surface(resources);
        surface.SelectFont(resources.NewFont(TLogFont{}));
        EXPECT_EQ(CalcFontAdvance(surface), c.expected);
    }
}

}  // namespace
}  // namespace mirevo
