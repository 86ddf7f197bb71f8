// Tab expansion of one line: the routine the line store picks for its tab width.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirevo {

// Expands the tabs of text into out and returns true; returns false and leaves out alone
// when text holds no tab (the text is then its own expansion). Every byte of text counts,
// NUL included.
using TConvertTabs = bool (*)(std::string_view text, std::int32_t tabWidth, std::string& out);

// The routine for tabWidth:
// - below 2, each tab becomes one space;
// - otherwise a tab at column c (from 0) becomes tabWidth - c % tabWidth TAB bytes, so the
//   expansion holds one byte per display column and the next byte starts on a tab stop.
// Powers of two get a masking variant with the same results.
TConvertTabs ConvertTabsFor(std::int32_t tabWidth);

}  // namespace mirevo
