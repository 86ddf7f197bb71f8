// Portable key codes (the platform's virtual-key numbers) and shortcuts, the 16-bit
// combination of a key with its modifiers, with their display texts.
#pragma once

#include <cstdint>
#include <string>

#include "common/ShiftState.h"

namespace mirevo {

// A virtual-key number. The names differ from the platform's VK_ macros so that the Win32
// view can include both.
using TKeyCode = std::uint16_t;

inline constexpr TKeyCode kKeyBack = 8;
inline constexpr TKeyCode kKeyTab = 9;
inline constexpr TKeyCode kKeyReturn = 13;
inline constexpr TKeyCode kKeyShift = 16;
inline constexpr TKeyCode kKeyControl = 17;
inline constexpr TKeyCode kKeyMenu = 18;  // Alt
inline constexpr TKeyCode kKeyEscape = 27;
inline constexpr TKeyCode kKeySpace = 32;
inline constexpr TKeyCode kKeyPrior = 33;  // Page Up
inline constexpr TKeyCode kKeyNext = 34;   // Page Down
inline constexpr TKeyCode kKeyEnd = 35;
inline constexpr TKeyCode kKeyHome = 36;
inline constexpr TKeyCode kKeyLeft = 37;
inline constexpr TKeyCode kKeyUp = 38;
inline constexpr TKeyCode kKeyRight = 39;
inline constexpr TKeyCode kKeyDown = 40;
inline constexpr TKeyCode kKeyInsert = 45;
inline constexpr TKeyCode kKeyDelete = 46;
inline constexpr TKeyCode kKeyF1 = 112;

// Digits and letters are the codes of their characters.
constexpr TKeyCode KeyOf(char digitOrUpperLetter) {
    return static_cast<TKeyCode>(static_cast<unsigned char>(digitOrUpperLetter));
}

// Key in the low byte, plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt.
using TShortCut = std::uint16_t;

inline constexpr TShortCut kShortCutShift = 0x2000;
inline constexpr TShortCut kShortCutCtrl = 0x4000;
inline constexpr TShortCut kShortCutAlt = 0x8000;

// 0 for a key above 255, which a shortcut cannot hold. Mouse flags are ignored.
TShortCut ShortCut(TKeyCode key, TShiftState shift);

// The key is the low byte; bits 8 to 12 hold nothing and are dropped.
void ShortCutToKey(TShortCut shortCut, TKeyCode& key, TShiftState& shift);

// "Shift+", "Ctrl+", "Alt+" as held, then the key's name ("BkSp", "Enter", "PgUp", "A",
// "F5", ...). Empty for 0 and for a key without a portable name.
std::string ShortCutToText(TShortCut shortCut);

}  // namespace mirevo
