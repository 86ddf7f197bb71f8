// Texts and offsets from the input: OffsetToPosition must land on an existing line (the
// end of the text when past it), and positions inside the text must convert back.
#include "textview/MemoOffsets.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::int32_t ReadInt(const std::uint8_t*& data, std::size_t& size) {
    std::int32_t value = 0;
    const std::size_t n = size < sizeof value ? size : sizeof value;
    if (n > 0) std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

// The offset just past the text, counting the last line's break too.
std::int32_t Total(const mirevo::TLineStore& lines) {
    if (lines.Count() == 0) return 0;
    const auto lastLength = static_cast<std::int32_t>(lines.Get(lines.Count() - 1).size());
    return mirevo::PositionToOffset(lines, {lastLength + 3, lines.Count()});
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::int32_t offset = ReadInt(data, size);
    const std::int32_t small = ReadInt(data, size) % 4096;
    mirevo::TLineStore lines;
    lines.SetText(std::string(reinterpret_cast<const char*>(data), size));

    for (const std::int32_t o : {offset, small}) {
        const mirevo::TBufferCoord p = mirevo::OffsetToPosition(lines, o);
        Check(p.LineIndex >= 1 && p.LineIndex <= std::max(1, lines.Count()));
        if (lines.Count() == 0) {
            Check(p.CharIndex == 1);
            continue;
        }
        const auto length = static_cast<std::int32_t>(lines.Get(p.LineIndex - 1).size());
        Check(p.CharIndex <= length + 2);
        if (p.LineIndex > 1) Check(p.CharIndex >= 1);
        if (o < Total(lines) && p.CharIndex >= 1 && p.CharIndex <= length + 1)
            Check(mirevo::PositionToOffset(lines, p) == o);
    }
    const auto lastLength = static_cast<std::int32_t>(lines.Get(lines.Count() - 1).size());
    const std::int32_t total = Total(lines);
    Check(total >= 0);
    // Past the text is its end.
    const mirevo::TBufferCoord end = mirevo::OffsetToPosition(lines, total);
    Check(end.LineIndex == std::max(1, lines.Count()));
    Check(end.CharIndex == lastLength + 1);
    return 0;
}
