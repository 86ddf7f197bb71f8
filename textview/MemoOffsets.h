// Character offsets of the edit-control messages: buffer positions as 0-based byte offsets
// into the whole text, every line break counted as two bytes (CR LF).
//
// Both conversions are total: any position or offset gives an answer, so outside callers
// cannot make them fail. The caret and selection setters clamp what comes back.
#pragma once

#include <cstdint>

#include "textview/Coordinates.h"
#include "textview/LineStore.h"

namespace mirevo {

// The offset of p: (length + 2) of every line before min(p.LineIndex, line count), plus
// p.CharIndex - 1. Saturates at the 32-bit range instead of wrapping.
std::int32_t PositionToOffset(const TLineStore& lines, TBufferCoord p);

// The position of offset: on the first line whose start s satisfies offset < s + length + 2,
// (offset - s + 1, that line); an offset on a line's CR or LF gives an index one or two past
// the line's end, a negative one an index below 1 on line 1. Past the text: its end, the last
// line's (length + 1, count); (1, 1) for an empty store.
TBufferCoord OffsetToPosition(const TLineStore& lines, std::int32_t offset);

// MAKELONG: low 16 bits of low, then low 16 bits of high; the bits above are lost.
constexpr std::int32_t MakeLong(std::int32_t low, std::int32_t high) {
    const auto packed = (static_cast<std::uint32_t>(low) & 0xFFFFu) |
                        ((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16);
    return static_cast<std::int32_t>(packed);
}

}  // namespace mirevo
