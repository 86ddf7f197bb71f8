// Caret moves, Home and End (to the start and end of the caret's row when the text wraps),
// pages, scrolling, bracket matching and context help.
#include "textview/Navigation.h"

#include <algorithm>
#include <string_view>

#include "common/Sjis.h"
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"
#include "textview/WordClass.h"

namespace mirevo {

namespace {

bool Extends(TEditorCommand command) { return command >= ecSelLeft && command <= ecSelGotoXY; }

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

std::string_view CaretLine(const TCustomTextView& view) {
    return view.Lines().Get(view.CaretY() - 1);
}

void RepaintNow(TCustomTextView& view) {
    if (view.Window()) view.Window()->Update();
}

void ExecuteLineStart(TCustomTextView& view, bool extend) {
    const TBufferCoord caret = view.CaretXY();
    const std::string_view line = CaretLine(view);
    const TWordWrapPlugin* const wrap = view.Layout().Wrap();
    const TDisplayCoord shown = view.CaretDisplayPos();
    const bool firstRow = !wrap || shown.Row == view.RowOfLine(caret.LineIndex);
    std::int32_t target = 1;
    if (view.Options().Contains(TEditorOption::eoEnhanceHomeKey) && firstRow) {
        const auto length = static_cast<std::int32_t>(line.size());
        const std::int32_t limit = wrap ? std::min(wrap->GetRowLength(shown.Row), length) : length;
        const std::int32_t first = FirstNonBlank(line, 1, limit);
        target = caret.CharIndex > 1 && caret.CharIndex <= first ? 1 : first;
    }
    TPaintLock::Around(view, [&] {
        if (!wrap) {
            view.MoveCaretAndSelection(caret, {target, caret.LineIndex}, extend);
            return;
        }
        const TDisplayCoord at = view.BufferToDisplay({target, caret.LineIndex});
        const TBufferCoord to =
            view.DisplayToBuffer({at.Row == shown.Row ? at.Column : 1, shown.Row});
        view.MoveCaretAndSelection(caret, to, extend);
    });
}

void ExecuteLineEnd(TCustomTextView& view, bool extend) {
    const TBufferCoord caret = view.CaretXY();
    const std::string_view line = CaretLine(view);
    const TWordWrapPlugin* const wrap = view.Layout().Wrap();
    const auto length = static_cast<std::int32_t>(line.size());
    const TDisplayCoord shown = view.CaretDisplayPos();
    const bool lastRow = !wrap || view.LineOfRow(shown.Row + 1) != caret.LineIndex;
    const bool enhanced = view.Options().Contains(TEditorOption::eoEnhanceEndKey) && lastRow;
    std::int32_t target = length + 1;
    if (enhanced) {
        const std::int32_t rowStart = wrap ? view.DisplayToBuffer({1, shown.Row}).CharIndex : 1;
        const std::int32_t after = AfterLastNonBlank(line, rowStart, length);
        target = caret.CharIndex == after ? length + 1 : after;
    }
    TPaintLock::Around(view, [&] {
        if (!wrap) {
            view.MoveCaretAndSelection(caret, {target, caret.LineIndex}, extend);
            return;
        }
        const std::int32_t column =
            enhanced ? view.BufferToDisplay({target, caret.LineIndex}).Column
                     : std::min(wrap->GetRowLength(shown.Row) + 1, view.VisibleColumns() + 1);
        const TDisplayCoord d{column, shown.Row};
        view.MoveCaretAndSelection(caret, view.DisplayToBuffer(d), extend);
        view.SetCaretFromDisplay(d);
    });
}

void ExecutePage(TCustomTextView& view, TEditorCommand command) {
    std::int32_t page = view.VisibleRows();
    if (view.Options().Contains(TEditorOption::eoHalfPageScroll)) page >>= 1;
    if (view.Options().Contains(TEditorOption::eoScrollByOneLess)) --page;
    const bool up = command == ecPageUp || command == ecSelPageUp;
    if (up) page = -page;
    view.SetTopLine(view.TopLine() + page);
    view.MoveCaretVert(page, Extends(command));
}

// Page top and bottom: the first and last visible rows, in the caret's column.
void ExecutePageEdge(TCustomTextView& view, bool top, bool extend) {
    const std::int32_t row = top ? view.TopLine() : view.TopLine() + view.VisibleRows() - 1;
    const TDisplayCoord d{view.CaretDisplayPos().Column,
                          std::clamp(row, 1, std::max(1, view.RowCount()))};
    view.MoveCaretAndSelection(view.CaretXY(), view.DisplayToBuffer(d), extend);
}

void ExecuteEditorBottom(TCustomTextView& view, bool extend) {
    const TLineStore& lines = view.Lines();
    const std::int32_t count = std::max(1, lines.Count());
    const auto length = static_cast<std::int32_t>(lines.Get(count - 1).size());
    view.MoveCaretAndSelection(view.CaretXY(), {length + 1, count}, extend);
}

}  // namespace

void ExecuteNavigation(TCustomTextView& view, TEditorCommand command, void* data) {
    const bool extend = Extends(command);
    const TEditorCommand plain = extend ? static_cast<TEditorCommand>(command - 100) : command;
    const TBufferCoord caret = view.CaretXY();
    switch (plain) {
        case ecLeft:
        case ecRight:
            view.MoveCaretHorz(plain == ecLeft ? -1 : 1, extend);
            return;
        case ecUp:
        case ecDown:
            view.MoveCaretVert(plain == ecUp ? -1 : 1, extend);
            break;
        case ecWordLeft:
            view.MoveCaretAndSelection(caret, PreviousWordStart(view.Lines(), caret), extend);
            return;
        case ecWordRight:
            view.MoveCaretAndSelection(caret, NextWordStart(view.Lines(), caret), extend);
            return;
        case ecLineStart:
            ExecuteLineStart(view, extend);
            return;
        case ecLineEnd:
            ExecuteLineEnd(view, extend);
            return;
        case ecPageUp:
        case ecPageDown:
            ExecutePage(view, command);
            break;
        case ecPageLeft:
        case ecPageRight: {
            const std::int32_t columns = view.VisibleColumns();
            view.MoveCaretHorz(plain == ecPageLeft ? -columns : columns, extend);
            return;
        }
        case ecPageTop:
        case ecPageBottom:
            ExecutePageEdge(view, plain == ecPageTop, extend);
            break;
        case ecEditorTop:
            view.MoveCaretAndSelection(caret, {1, 1}, extend);
            break;
        case ecEditorBottom:
            ExecuteEditorBottom(view, extend);
            break;
        case ecGotoXY:
            if (data) {
                view.MoveCaretAndSelection(caret, *static_cast<const TBufferCoord*>(data), extend);
            }
            break;
        default:
            return;
    }
    RepaintNow(view);
}

void ExecuteScroll(TCustomTextView& view, TEditorCommand command) {
    const std::int32_t caretRow = view.CaretDisplayPos().Row;
    if (caretRow < view.TopLine() || caretRow >= view.TopLine() + view.VisibleRows()) {
        view.EnsureCaretVisible();
        return;
    }
    if (command == ecScrollUp) {
        view.SetTopLine(view.TopLine() - 1);
        const std::int32_t lastVisible = view.TopLine() + view.VisibleRows() - 1;
        if (caretRow > lastVisible) view.MoveCaretVert(lastVisible - caretRow, false);
    } else {
        view.SetTopLine(view.TopLine() + 1);
        if (caretRow < view.TopLine()) view.MoveCaretVert(view.TopLine() - caretRow, false);
    }
    view.EnsureCaretVisible();
    RepaintNow(view);
}

void ExecuteMatchBracket(TCustomTextView& view) {
    static constexpr std::string_view kOpen = "([{<";
    static constexpr std::string_view kClose = ")]}>";
    const TLineStore& lines = view.Lines();
    const std::string_view line = CaretLine(view);
    const auto at = static_cast<std::size_t>(view.CaretX() - 1);
    if (at >= line.size() || ByteKindAt(line, at) == ByteKind::Trail) return;
    const char here = line[at];
    const std::size_t open = kOpen.find(here);
    const std::size_t close = kClose.find(here);
    if (open == std::string_view::npos && close == std::string_view::npos) return;
    const bool forward = open != std::string_view::npos;
    const char mate = forward ? kClose[open] : kOpen[close];
    std::int32_t depth = 0;
    std::int32_t lineIndex = view.CaretY();
    auto index = static_cast<std::int64_t>(at);
    while (lineIndex >= 1 && lineIndex <= lines.Count()) {
        const std::string_view text = lines.Get(lineIndex - 1);
        for (; index >= 0 && index < static_cast<std::int64_t>(text.size());
             index += forward ? 1 : -1) {
            const auto i = static_cast<std::size_t>(index);
            if (ByteKindAt(text, i) != ByteKind::Single) continue;
            if (text[i] == here) ++depth;
            if (text[i] == mate && --depth == 0) {
                view.SetCaretXY({static_cast<std::int32_t>(i) + 1, lineIndex});
                return;
            }
        }
        lineIndex += forward ? 1 : -1;
        if (lineIndex >= 1 && lineIndex <= lines.Count()) {
            index = forward ? 0 : static_cast<std::int64_t>(lines.Get(lineIndex - 1).size()) - 1;
        }
    }
}

void ExecuteContextHelp(TCustomTextView& view) {
    if (!view.OnContextHelp) return;
    const std::string_view line = CaretLine(view);
    auto start = static_cast<std::size_t>(
        std::clamp<std::int32_t>(view.CaretX() - 1, 0, static_cast<std::int32_t>(line.size())));
    auto end = start;
    while (start > 0 && IsWordChar(static_cast<unsigned char>(line[start - 1]))) --start;
    while (end < line.size() && IsWordChar(static_cast<unsigned char>(line[end]))) ++end;
    view.OnContextHelp(&view, std::string(line.substr(start, end - start)));
}

}  // namespace mirevo
