// Checks of a word-wrap layout against its line store, shared by the unit tests and the fuzz
// target: each returns a description of the first violation, or an empty string.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Sjis.h"
#include "textview/LineStore.h"
#include "textview/WordWrap.h"

namespace mirevo::testing_support {

inline std::string Where(std::int32_t line, std::int32_t row) {
    return " (line " + std::to_string(line) + ", row " + std::to_string(row) + ")";
}

// Rows of every line add up to its expanded text, hold whole characters, and are no longer
// than the width unless a blank run (or, one cell wide, a double-byte character) made them.
inline std::string CheckWrapInvariants(TWordWrapPlugin& wrap, TLineStore& lines) {
    const std::int32_t width = wrap.MaxRowLength();
    if (width == 0 || lines.Count() == 0) {
        return wrap.RowCount() == 0 ? "" : "rows without lines or width";
    }
    if (wrap.LineCount() != lines.Count()) return "line count differs from the store";
    std::int32_t row = 1;
    for (std::int32_t line = 1; line <= lines.Count(); ++line) {
        const std::string text(lines.ExpandedLine(line - 1));
        if (wrap.BufferToDisplayPos({1, line}).Row != row)
            return "line starts elsewhere" + Where(line, row);
        const std::int32_t lastRow =
            line < lines.Count() ? wrap.BufferToDisplayPos({1, line + 1}).Row - 1 : wrap.RowCount();
        if (lastRow < row) return "line without rows" + Where(line, row);
        std::size_t start = 0;
        for (; row <= lastRow; ++row) {
            const auto length = static_cast<std::size_t>(wrap.GetRowLength(row));
            if (start + length > text.size()) return "rows longer than the line" + Where(line, row);
            if (length == 0 && !text.empty()) return "empty row" + Where(line, row);
            const std::size_t end = start + length;
            if (ByteKindAt(text, end) == ByteKind::Trail)
                return "split character" + Where(line, row);
            if (length > 255) return "row above 255 bytes" + Where(line, row);
            const bool blankEnd = length > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t');
            const bool wideChar = width == 1 && length == 2 && IsLeadByte(text[start]);
            if (static_cast<std::int32_t>(length) > width && !blankEnd && !wideChar) {
                return "row wider than the view" + Where(line, row);
            }
            start = end;
        }
        if (start != text.size()) return "rows shorter than the line" + Where(line, row);
    }
    return "";
}

// The layout equals what a fresh plugin lays out for the same store and view.
inline std::string CheckSameAsFresh(TWordWrapPlugin& wrap, TWordWrapPlugin& fresh) {
    if (wrap.RowCount() != fresh.RowCount()) return "row count differs from a fresh layout";
    if (wrap.LineCount() != fresh.LineCount()) return "line count differs from a fresh layout";
    for (std::int32_t row = 1; row <= wrap.RowCount(); ++row) {
        if (wrap.GetRowLength(row) != fresh.GetRowLength(row)) return "row differs" + Where(0, row);
    }
    for (std::int32_t line = 1; line <= wrap.LineCount(); ++line) {
        if (!(wrap.BufferToDisplayPos({1, line}) == fresh.BufferToDisplayPos({1, line}))) {
            return "line start differs" + Where(line, 0);
        }
    }
    return "";
}

}  // namespace mirevo::testing_support
