#include "textview/MemoOffsets.h"

#include <algorithm>
#include <limits>

namespace mirevo {

namespace {

constexpr std::int64_t kBreakBytes = 2;

std::int32_t Saturate(std::int64_t value) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

std::int64_t LineBytes(const TLineStore& lines, std::int32_t index) {
    return static_cast<std::int64_t>(lines.Get(index).size()) + kBreakBytes;
}

}  // namespace

std::int32_t PositionToOffset(const TLineStore& lines, TBufferCoord p) {
    const std::int32_t last = std::min(p.LineIndex, lines.Count());
    std::int64_t offset = 0;
    for (std::int32_t line = 1; line < last; ++line) offset += LineBytes(lines, line - 1);
    return Saturate(offset + p.CharIndex - 1);
}

TBufferCoord OffsetToPosition(const TLineStore& lines, std::int32_t offset) {
    std::int64_t start = 0;
    for (std::int32_t index = 0; index < lines.Count(); ++index) {
        const std::int64_t next = start + LineBytes(lines, index);
        if (offset < next) return {Saturate(offset - start + 1), index + 1};
        start = next;
    }
    // Past the text: its end. Line count + 1 with index 1 would be clamped to the start of
    // the last line and leave that line out of a selection.
    if (lines.Count() == 0) return {1, 1};
    return {static_cast<std::int32_t>(lines.Get(lines.Count() - 1).size()) + 1, lines.Count()};
}

}  // namespace mirevo
