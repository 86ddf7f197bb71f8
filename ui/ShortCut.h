// Keyboard shortcuts: a virtual-key number in the low byte and modifier bits above it.
#pragma once

#include <cstdint>
#include <string>

namespace mirevo {

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// Virtual-key numbers the program's shortcuts use.
inline constexpr std::uint8_t vkReturn = 0x0D;
inline constexpr std::uint8_t vkDelete = 0x2E;
inline constexpr std::uint8_t vkInsert = 0x2D;

constexpr TShortCut ShortCut(std::uint8_t key, TShortCut modifiers) {
    return static_cast<TShortCut>(key | modifiers);
}

// The text a menu shows for a shortcut, such as "Ctrl+Enter" or "Del"; empty for none.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace mirevo
