// Every translation between the program's own codes and records and the Win32 ones: key
// codes, scroll-bar codes and arrows, text-run options, font records and cursor shapes. The
// program's values were chosen equal to the platform's where it has them; the asserts keep
// them so, and a platform value the program has no name for is refused here, not cast.
#pragma once

#include <windows.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/KeyCodes.h"
#include "platform/Cursors.h"
#include "platform/DrawingSurface.h"
#include "platform/LogFont.h"
#include "platform/WindowScrolling.h"
#include "textview/TextViewTypes.h"

namespace mirevo::win32 {

static_assert(kKeyBack == VK_BACK && kKeyTab == VK_TAB && kKeyReturn == VK_RETURN);
static_assert(kKeyShift == VK_SHIFT && kKeyControl == VK_CONTROL && kKeyMenu == VK_MENU);
static_assert(kKeyEscape == VK_ESCAPE && kKeySpace == VK_SPACE);
static_assert(kKeyPrior == VK_PRIOR && kKeyNext == VK_NEXT && kKeyEnd == VK_END &&
              kKeyHome == VK_HOME);
static_assert(kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT &&
              kKeyDown == VK_DOWN);
static_assert(kKeyInsert == VK_INSERT && kKeyDelete == VK_DELETE && kKeyF1 == VK_F1);
static_assert(KeyOf('A') == 0x41 && KeyOf('0') == 0x30);

// The key of a WM_KEYDOWN, WM_KEYUP or WM_SYSKEYDOWN: virtual keys are below 256.
constexpr TKeyCode KeyCodeOf(WPARAM virtualKey) {
    return virtualKey <= 0xFF ? static_cast<TKeyCode>(virtualKey) : TKeyCode{0xFF};
}

static_assert(static_cast<int>(TScrollCode::LineUp) == SB_LINEUP);
static_assert(static_cast<int>(TScrollCode::LineDown) == SB_LINEDOWN);
static_assert(static_cast<int>(TScrollCode::PageUp) == SB_PAGEUP);
static_assert(static_cast<int>(TScrollCode::PageDown) == SB_PAGEDOWN);
static_assert(static_cast<int>(TScrollCode::ThumbPosition) == SB_THUMBPOSITION);
static_assert(static_cast<int>(TScrollCode::ThumbTrack) == SB_THUMBTRACK);
static_assert(static_cast<int>(TScrollCode::Top) == SB_TOP);
static_assert(static_cast<int>(TScrollCode::Bottom) == SB_BOTTOM);
static_assert(static_cast<int>(TScrollCode::EndScroll) == SB_ENDSCROLL);

// The request of a WM_VSCROLL or WM_HSCROLL; nothing for a code the view has no name for.
constexpr std::optional<TScrollCode> ScrollCodeOf(WPARAM wParam) {
    const WORD code = LOWORD(wParam);
    if (code > SB_ENDSCROLL) return std::nullopt;
    return static_cast<TScrollCode>(code);
}

// The thumb position of a WM_VSCROLL or WM_HSCROLL, a signed 16-bit value.
constexpr std::int32_t ScrollThumbOf(WPARAM wParam) {
    return static_cast<std::int16_t>(HIWORD(wParam));
}

constexpr int BarOf(TScrollBarKind bar) {
    return bar == TScrollBarKind::sbVertical ? SB_VERT : SB_HORZ;
}

constexpr UINT ArrowFlagsOf(TScrollArrows arrows) {
    switch (arrows) {
        case TScrollArrows::DisableLeftUp:
            return ESB_DISABLE_LTUP;
        case TScrollArrows::DisableRightDown:
            return ESB_DISABLE_RTDN;
        case TScrollArrows::DisableBoth:
            return ESB_DISABLE_BOTH;
        case TScrollArrows::EnableBoth:
            break;
    }
    return ESB_ENABLE_BOTH;
}

static_assert(static_cast<UINT>(TTextOutOptions::Opaque) == ETO_OPAQUE);
static_assert(static_cast<UINT>(TTextOutOptions::Clipped) == ETO_CLIPPED);

constexpr UINT TextOutFlagsOf(TTextOutOptions options) {
    return (HasOption(options, TTextOutOptions::Opaque) ? ETO_OPAQUE : 0u) |
           (HasOption(options, TTextOutOptions::Clipped) ? ETO_CLIPPED : 0u);
}

static_assert(sizeof(LOGFONTA) == sizeof(TLogFont));
static_assert(offsetof(LOGFONTA, lfHeight) == offsetof(TLogFont, Height));
static_assert(offsetof(LOGFONTA, lfWeight) == offsetof(TLogFont, Weight));
static_assert(offsetof(LOGFONTA, lfItalic) == offsetof(TLogFont, Italic));
static_assert(offsetof(LOGFONTA, lfCharSet) == offsetof(TLogFont, CharSet));
static_assert(offsetof(LOGFONTA, lfQuality) == offsetof(TLogFont, Quality));
static_assert(offsetof(LOGFONTA, lfPitchAndFamily) == offsetof(TLogFont, PitchAndFamily));
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(TLogFont, FaceName));

inline LOGFONTA ToLogFontA(const TLogFont& font) { return std::bit_cast<LOGFONTA>(font); }
inline TLogFont FromLogFontA(const LOGFONTA& font) { return std::bit_cast<TLogFont>(font); }

// The system cursor of a shape; the drag shapes have none of their own and show the arrow.
inline LPCSTR CursorIdOf(TCursor cursor) {
    switch (cursor) {
        case crIBeam:
            return reinterpret_cast<LPCSTR>(IDC_IBEAM);
        case crNoDrop:
            return reinterpret_cast<LPCSTR>(IDC_NO);
        default:
            return reinterpret_cast<LPCSTR>(IDC_ARROW);
    }
}

}  // namespace mirevo::win32
