// Breaking one expanded line into display rows: the rules of the word-wrap layout.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mirevo {

// The longest row a blank run may stretch to; row lengths are stored in one byte.
inline constexpr std::int32_t kMaxWrappedRowLength = 255;

struct TWrapRules {
    std::int32_t maxRowLength = 0;  // 1..255: the row width in columns
    std::int32_t minRowLength = 1;  // the backward search for a break stops after this offset
    std::int32_t tabWidth = 8;      // places the 255-byte cut on a tab stop where it can
    std::bitset<256> breakChars;    // a row may end just after one of these bytes

    // Rules for a view maxRowLength columns wide (at most 255) whose word bytes are
    // identChars.
    static TWrapRules For(std::int32_t maxRowLength, std::int32_t tabWidth,
                          const std::bitset<256>& identChars);
};

// Appends the row lengths of text (one byte per column) to rows; an empty text gives one
// row of length 0. A row ends
// - past a blank run (spaces and TABs) that starts at the row's width, so the next row
//   starts with a non-blank byte, but never after more than 255 bytes;
// - else just after the last break character beyond minRowLength;
// - else after exactly maxRowLength bytes;
// and never between the two bytes of a Shift-JIS character. Every row holds at least one
// whole character, even where one is wider than the row (width 1).
void WrapLine(std::string_view text, const TWrapRules& rules, std::vector<std::uint8_t>& rows);

}  // namespace mirevo
