// Positions in the result view: in the line store (buffer) and on the display.
#pragma once

#include <cstdint>

namespace mirevo {

// A position in the line store: 1-based byte index in the line's stored text (length + 1
// is after the last byte) and 1-based line index.
struct TBufferCoord {
    std::int32_t CharIndex = 1;
    std::int32_t LineIndex = 1;
    friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
};

// Buffer positions order by line, then by byte.
constexpr bool operator<(const TBufferCoord& a, const TBufferCoord& b) {
    return a.LineIndex != b.LineIndex ? a.LineIndex < b.LineIndex : a.CharIndex < b.CharIndex;
}

// A position on the display before scrolling: 1-based cell column of the expanded text and
// 1-based display row (a wrapped piece of a line when word wrap is on).
struct TDisplayCoord {
    std::int32_t Column = 1;
    std::int32_t Row = 1;
    friend bool operator==(const TDisplayCoord&, const TDisplayCoord&) = default;
};

}  // namespace mirevo
