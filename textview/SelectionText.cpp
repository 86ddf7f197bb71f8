#include "textview/SelectionText.h"

#include <algorithm>
#include <string_view>

#include "common/Sjis.h"

namespace mirevo {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view LineAt(const TLineStore& lines, std::int32_t lineIndex) {
    return lines.Get(lineIndex - 1);
}

// Bytes from the 1-based index from up to (not including) to, clipped to the line.
std::string_view Slice(std::string_view line, std::int32_t from, std::int32_t to) {
    const auto size = static_cast<std::int64_t>(line.size());
    const std::int64_t begin = std::clamp<std::int64_t>(from - 1, 0, size);
    const std::int64_t end = std::clamp<std::int64_t>(to - 1, begin, size);
    return line.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

std::string NormalText(const TLineStore& lines, TBufferCoord first, TBufferCoord last) {
    if (first.LineIndex == last.LineIndex)
        return std::string(Slice(LineAt(lines, first.LineIndex), first.CharIndex, last.CharIndex));
    const std::string_view head = LineAt(lines, first.LineIndex);
    std::string text(Slice(head, first.CharIndex, static_cast<std::int32_t>(head.size()) + 1));
    for (std::int32_t line = first.LineIndex + 1; line < last.LineIndex; ++line) {
        text += kCrLf;
        text += LineAt(lines, line);
    }
    text += kCrLf;
    text += Slice(LineAt(lines, last.LineIndex), 1, last.CharIndex);
    return text;
}

std::string LineText(const TLineStore& lines, TBufferCoord first, TBufferCoord last) {
    std::string text;
    for (std::int32_t line = first.LineIndex; line <= last.LineIndex; ++line) {
        text += LineAt(lines, line);
        if (line < lines.Count()) text += kCrLf;
    }
    return text;
}

// One line's piece of a column block: halves of cut double-byte characters become blanks.
std::string ColumnPiece(std::string_view line, std::int32_t left, std::int32_t right) {
    std::string piece(Slice(line, left, right));
    if (piece.empty()) return piece;
    const auto start = static_cast<std::size_t>(left - 1);
    if (ByteKindAt(line, start) == ByteKind::Trail) piece.front() = ' ';
    if (ByteKindAt(line, start + piece.size() - 1) == ByteKind::Lead) piece.back() = ' ';
    return piece;
}

std::string ColumnText(const TLineStore& lines, TBufferCoord first, TBufferCoord last,
                       TColumnPadding padding) {
    const std::int32_t left = std::max(1, std::min(first.CharIndex, last.CharIndex));
    const std::int32_t right = std::max(first.CharIndex, last.CharIndex);
    const auto width = static_cast<std::size_t>(std::max(0, right - left));
    std::string text;
    for (std::int32_t line = first.LineIndex; line <= last.LineIndex; ++line) {
        if (line > first.LineIndex) text += kCrLf;
        std::string piece = ColumnPiece(LineAt(lines, line), left, right);
        if (padding == TColumnPadding::Pad) piece.resize(width, ' ');
        text += piece;
    }
    return text;
}

}  // namespace

std::string TextBetween(const TLineStore& lines, TBufferCoord first, TBufferCoord last,
                        TSelectionMode mode, TColumnPadding padding) {
    switch (mode) {
        case TSelectionMode::smLine:
            return LineText(lines, first, last);
        case TSelectionMode::smColumn:
            return ColumnText(lines, first, last, padding);
        case TSelectionMode::smNormal:
            break;
    }
    return NormalText(lines, first, last);
}

}  // namespace mirevo
