// Shortcuts of actions: the names the forms use for the modifier bits and keys.
#pragma once

#include <cstdint>

#include "common/KeyCodes.h"

namespace mirevo {

inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = kShortCutShift;
inline constexpr TShortCut scCtrl = kShortCutCtrl;
inline constexpr TShortCut scAlt = kShortCutAlt;

inline constexpr std::uint8_t vkReturn = kKeyReturn;
inline constexpr std::uint8_t vkDelete = kKeyDelete;
inline constexpr std::uint8_t vkInsert = kKeyInsert;

// A key with modifier bits, as a form description writes it: ShortCut('Z', scCtrl).
constexpr TShortCut ShortCut(std::uint8_t key, TShortCut modifiers) {
    return static_cast<TShortCut>(key | modifiers);
}

}  // namespace mirevo
