// Home and End, which go to the start and end of the caret's row when the text wraps, and
// the caret moves of bracket matching and context help.
#include <algorithm>
#include <string_view>

#include "common/Sjis.h"
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"
#include "textview/WordClass.h"

namespace mirevo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The 1-based index of the first byte at or after from that is neither blank nor TAB, or
// limit + 1.
std::int32_t FirstNonBlank(std::string_view line, std::int32_t from, std::int32_t limit) {
    std::int32_t i = from;
    while (i <= limit && IsBlank(line[static_cast<std::size_t>(i - 1)])) ++i;
    return i;
}

// The 1-based index just after the last byte before limit + 1, not before from, that is
// neither blank nor TAB; from when there is none.
std::int32_t AfterLastNonBlank(std::string_view line, std::int32_t from, std::int32_t limit) {
    std::int32_t i = limit;
    while (i >= from && IsBlank(line[static_cast<std::size_t>(i - 1)])) --i;
    return i + 1;
}

}  // namespace

void TCustomTextView::ExecuteLineStart(bool extend) {
    const std::string_view line = lines_.Get(caret_.LineIndex - 1);
    const TDisplayCoord shown = CaretDisplayPos();
    const bool firstRow = !layout_.Wrap() || shown.Row == RowOfLine(caret_.LineIndex);
    std::int32_t target = 1;
    if (options_.Contains(TEditorOption::eoEnhanceHomeKey) && firstRow) {
        const std::int32_t limit =
            layout_.Wrap() ? std::min<std::int32_t>(layout_.Wrap()->GetRowLength(shown.Row),
                                                    static_cast<std::int32_t>(line.size()))
                           : static_cast<std::int32_t>(line.size());
        const std::int32_t first = FirstNonBlank(line, 1, limit);
        target = caret_.CharIndex > 1 && caret_.CharIndex <= first ? 1 : first;
    }
    TPaintLock::Around(*this, [&] {
        if (!layout_.Wrap()) {
            MoveCaretAndSelection(caret_, {target, caret_.LineIndex}, extend);
            return;
        }
        const TDisplayCoord at = BufferToDisplay({target, caret_.LineIndex});
        const TBufferCoord to = DisplayToBuffer({at.Row == shown.Row ? at.Column : 1, shown.Row});
        MoveCaretAndSelection(caret_, to, extend);
    });
}

void TCustomTextView::ExecuteLineEnd(bool extend) {
    const std::string_view line = lines_.Get(caret_.LineIndex - 1);
    const auto length = static_cast<std::int32_t>(line.size());
    const TDisplayCoord shown = CaretDisplayPos();
    const bool lastRow = !layout_.Wrap() || LineOfRow(shown.Row + 1) != caret_.LineIndex;
    const bool enhanced = options_.Contains(TEditorOption::eoEnhanceEndKey) && lastRow;
    std::int32_t target = length + 1;
    if (enhanced) {
        const std::int32_t rowStart =
            layout_.Wrap() ? DisplayToBuffer({1, shown.Row}).CharIndex : 1;
        const std::int32_t after = AfterLastNonBlank(line, rowStart, length);
        target = caret_.CharIndex == after ? length + 1 : after;
    }
    TPaintLock::Around(*this, [&] {
        if (!layout_.Wrap()) {
            MoveCaretAndSelection(caret_, {target, caret_.LineIndex}, extend);
            return;
        }
        const std::int32_t column = enhanced ? BufferToDisplay({target, caret_.LineIndex}).Column
                                             : std::min(layout_.Wrap()->GetRowLength(shown.Row) + 1,
                                                        layout_.VisibleColumns() + 1);
        const TDisplayCoord d{column, shown.Row};
        const TBufferCoord before = caret_;
        MoveCaretAndSelection(before, DisplayToBuffer(d), extend);
        SetCaretFromDisplay(d);
    });
}

void TCustomTextView::ExecuteMatchBracket() {
    static constexpr std::string_view kOpen = "([{<";
    static constexpr std::string_view kClose = ")]}>";
    const std::string_view line = lines_.Get(caret_.LineIndex - 1);
    const auto at = static_cast<std::size_t>(caret_.CharIndex - 1);
    if (at >= line.size() || ByteKindAt(line, at) == ByteKind::Trail) return;
    const char here = line[at];
    const std::size_t open = kOpen.find(here);
    const std::size_t close = kClose.find(here);
    if (open == std::string_view::npos && close == std::string_view::npos) return;
    const bool forward = open != std::string_view::npos;
    const char mate = forward ? kClose[open] : kOpen[close];
    std::int32_t depth = 0;
    std::int32_t lineIndex = caret_.LineIndex;
    auto index = static_cast<std::int64_t>(at);
    while (lineIndex >= 1 && lineIndex <= lines_.Count()) {
        const std::string_view text = lines_.Get(lineIndex - 1);
        for (; index >= 0 && index < static_cast<std::int64_t>(text.size());
             index += forward ? 1 : -1) {
            const auto i = static_cast<std::size_t>(index);
            if (ByteKindAt(text, i) != ByteKind::Single) continue;
            if (text[i] == here) ++depth;
            if (text[i] == mate && --depth == 0) {
                SetCaretXY({static_cast<std::int32_t>(i) + 1, lineIndex});
                return;
            }
        }
        lineIndex += forward ? 1 : -1;
        if (lineIndex >= 1 && lineIndex <= lines_.Count()) {
            index = forward ? 0 : static_cast<std::int64_t>(lines_.Get(lineIndex - 1).size()) - 1;
        }
    }
}

void TCustomTextView::ExecuteContextHelp() {
    if (!OnContextHelp) return;
    const std::string_view line = lines_.Get(caret_.LineIndex - 1);
    auto start = static_cast<std::size_t>(
        std::clamp<std::int32_t>(caret_.CharIndex - 1, 0, static_cast<std::int32_t>(line.size())));
    auto end = start;
    while (start > 0 && IsWordChar(static_cast<unsigned char>(line[start - 1]))) --start;
    while (end < line.size() && IsWordChar(static_cast<unsigned char>(line[end]))) ++end;
    OnContextHelp(this, std::string(line.substr(start, end - start)));
}

}  // namespace mirevo
