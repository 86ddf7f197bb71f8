// Colours as the platform numbers them: an RGB value 0x00BBGGRR, or, when the high byte is
// 0xFF, the system colour whose index is in the low byte.
#pragma once

#include <cstdint>

namespace mirevo {

using TColor = std::uint32_t;
// A resolved colour, 0x00BBGGRR.
using TColorRef = std::uint32_t;

constexpr TColor SystemColor(std::uint8_t index) { return 0xFF000000u | index; }
constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }
constexpr std::uint8_t SystemColorIndex(TColor color) { return color & 0xFFu; }
constexpr TColor Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8) | (static_cast<TColor>(blue) << 16);
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = Rgb(0, 0, 255);
inline constexpr TColor clNone = 0x1FFFFFFF;  // no colour at all
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clInfoBk = SystemColor(24);

}  // namespace mirevo
