// Colours as the platform numbers them: RGB values, or system colours with the high byte 0xFF.
#pragma once

#include <cstdint>

namespace mirevo {

using TColor = std::uint32_t;

constexpr TColor SystemColor(std::uint8_t index) { return 0xFF000000u | index; }
constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }
constexpr std::uint8_t SystemColorIndex(TColor color) { return color & 0xFFu; }
constexpr TColor Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8) | (static_cast<TColor>(blue) << 16);
}

inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clBlue = Rgb(0, 0, 255);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clNone = 0x1FFFFFFFu;

}  // namespace mirevo
