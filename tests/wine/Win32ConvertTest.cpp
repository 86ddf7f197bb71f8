// The translations to and from Win32 values, at their edges.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "platform/win32/Win32Convert.h"

namespace mirevo {
namespace {

TEST(Win32Convert, ScrollCodesTheViewHasNoNameForAreRefused) {
    EXPECT_EQ(win32::ScrollCodeOf(MAKEWPARAM(SB_THUMBTRACK, 0x8000)), TScrollCode::ThumbTrack);
    EXPECT_EQ(win32::ScrollThumbOf(MAKEWPARAM(SB_THUMBTRACK, 0x8000)), -32768);
    EXPECT_EQ(win32::ScrollThumbOf(MAKEWPARAM(SB_THUMBTRACK, 0x7FFF)), 32767);
    for (const WORD code : {WORD{SB_ENDSCROLL + 1}, WORD{0x00FF}, WORD{0xFFFF}}) {
        EXPECT_FALSE(win32::ScrollCodeOf(MAKEWPARAM(code, 0)).has_value()) << code;
    }
}

TEST(Win32Convert, KeysAboveTheVirtualKeyRangeBecomeNoKnownKey) {
    EXPECT_EQ(win32::KeyCodeOf(VK_RETURN), kKeyReturn);
    EXPECT_EQ(win32::KeyCodeOf(0xFE), 0xFE);
    EXPECT_EQ(win32::KeyCodeOf(0x10D), 0xFF);  // never aliases VK_RETURN by truncation
}

TEST(Win32Convert, TextOutOptionsAndArrowsMapFlagByFlag) {
    EXPECT_EQ(win32::TextOutFlagsOf(TTextOutOptions::None), 0u);
    EXPECT_EQ(win32::TextOutFlagsOf(TTextOutOptions::Opaque | TTextOutOptions::Clipped),
              UINT{ETO_OPAQUE | ETO_CLIPPED});
    EXPECT_EQ(win32::ArrowFlagsOf(TScrollArrows::EnableBoth), UINT{ESB_ENABLE_BOTH});
    EXPECT_EQ(win32::ArrowFlagsOf(TScrollArrows::DisableLeftUp), UINT{ESB_DISABLE_LTUP});
    EXPECT_EQ(win32::ArrowFlagsOf(TScrollArrows::DisableRightDown), UINT{ESB_DISABLE_RTDN});
    EXPECT_EQ(win32::ArrowFlagsOf(TScrollArrows::DisableBoth), UINT{ESB_DISABLE_BOTH});
}

TEST(Win32Convert, AFontRecordSurvivesTheRoundTripAndReachesTheSystemWhole) {
    TLogFont font;
    font.Height = -13;
    font.Weight = FW_BOLD;
    font.CharSet = SHIFTJIS_CHARSET;
    font.PitchAndFamily = FIXED_PITCH;
    std::memcpy(font.FaceName.data(), "Courier New", 12);
    const LOGFONTA record = win32::ToLogFontA(font);
    EXPECT_EQ(record.lfHeight, -13);
    EXPECT_EQ(record.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(record.lfFaceName, "Courier New");
    const HFONT made = CreateFontIndirectA(&record);
    ASSERT_NE(made, nullptr);
    LOGFONTA back{};
    GetObjectA(made, sizeof back, &back);
    DeleteObject(made);
    const TLogFont described = win32::FromLogFontA(back);
    EXPECT_EQ(described.Height, -13);
    EXPECT_EQ(described.Weight, FW_BOLD);
    EXPECT_EQ(described.Face(), "Courier New");
}

}  // namespace
}  // namespace mirevo
