// Shift-JIS (code page 932) byte classification and trail-byte-safe search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mirevo {

// True for a byte that starts a two-byte character: 0x81..0x9F or 0xE0..0xFC.
constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
constexpr bool IsLeadByte(char byte) { return IsLeadByte(static_cast<unsigned char>(byte)); }

// True for a byte that may be the second byte of a two-byte character: 0x40..0x7E or
// 0x80..0xFC. A lead byte before any other byte stands for no character.
constexpr bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}
constexpr bool IsTrailByte(char byte) { return IsTrailByte(static_cast<unsigned char>(byte)); }

enum class ByteKind { Single, Lead, Trail };

// Kind of the byte at 0-based index, found by walking the text from its start.
// An index at or past the end is Single.
ByteKind ByteKindAt(std::string_view text, std::size_t index);

// True when the 1-based index (a caret's place) is the second byte of a two-byte character.
inline bool OnTrailByte(std::string_view text, std::int32_t index) {
    return index > 1 && index <= static_cast<std::int32_t>(text.size()) &&
           ByteKindAt(text, static_cast<std::size_t>(index - 1)) == ByteKind::Trail;
}

// The text without a last lead byte that has no second byte, so that every character it
// holds is whole: a converter that takes the terminating NUL as that second byte reads on
// past the end. Native controls are only ever handed whole characters.
std::string_view WholeCharacters(std::string_view text);

// 1-based position of the first occurrence of needle in text at or after the 1-based
// position from, skipping matches that would begin on the second byte of a two-byte
// character; 0 when there is none. An empty needle is never found.
std::size_t PosSjis(std::string_view needle, std::string_view text, std::size_t from = 1);

// The text with ASCII capitals in lower case; the second byte of a two-byte character stays
// as it is ("ア" is 0x83 0x41, whose 'A' is no letter). For searches that ignore ASCII case.
std::string AsciiLowerCase(std::string_view text);

}  // namespace mirevo
