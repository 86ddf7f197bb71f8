// Redoing one item: a change that undo took back made again, and recorded on the undo list.
#include <algorithm>
#include <string>

#include "textview/CustomTextView.h"
#include "textview/LineStoreUpdate.h"
#include "textview/PaintLock.h"

namespace mirevo {

namespace {

bool IsInsertion(TChangeKind kind) {
    return kind == TChangeKind::ChangeInsert || kind == TChangeKind::ChangePaste ||
           kind == TChangeKind::ChangeDragDropInsert;
}

bool IsDeletion(TChangeKind kind) {
    return kind == TChangeKind::ChangeDeleteAfterCaret || kind == TChangeKind::ChangeDelete ||
           kind == TChangeKind::ChangeSilentDelete ||
           kind == TChangeKind::ChangeSilentDeleteAfterCaret ||
           kind == TChangeKind::ChangeDeleteAll;
}

std::vector<std::string_view> LinePieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace

void TCustomTextView::RedoOneItem(const TUndoItem& item) {
    const TChangeKind kind = item.Kind;
    const TSelectionMode mode = item.SelectionModeAtChange;
    const TBufferCoord start = item.RangeStart;
    const TBufferCoord end = item.RangeEnd;
    SetActiveSelectionMode(mode);
    if (IsInsertion(kind)) {
        SetCaretAndSelection(start, start, start);
        ReplaceSelectionForUndo(item.SavedText, false);
        InternalSetCaretXY(end);
        undoList_.RecordChange(kind, start, end, SelectedText(), mode);
        if (kind == TChangeKind::ChangeDragDropInsert) SetCaretAndSelection(start, start, end);
        return;
    }
    if (IsDeletion(kind)) {
        RedoDeletion(item);
        return;
    }
    switch (kind) {
        case TChangeKind::ChangeLineBreak:
            SetCaretAndSelection(start, start, start);
            ProcessCommand(ecLineBreak, '\r', nullptr);
            break;
        case TChangeKind::ChangeIndent:
            undoList_.RecordChange(kind, start, end, item.SavedText, mode);
            SetCaretAndSelection(end, start, end);
            break;
        case TChangeKind::ChangeUnindent:
            RedoUnindent(item);
            break;
        case TChangeKind::ChangeCaret:
            undoList_.RecordChange(kind, caret_, caret_, {}, mode);
            InternalSetCaretXY(start);
            break;
        case TChangeKind::ChangeSelection:
            undoList_.RecordChange(kind, SelectionFirst(), SelectionLast(), {}, mode);
            SetCaretAndSelection(caret_, start, end);
            break;
        case TChangeKind::ChangePrefixInsert:
            // Redone like an insertion: at its start, where undo took it away.
            undoList_.RecordChange(kind, start, end, {}, mode);
            SetCaretAndSelection(start, start, start);
            ReplaceSelectionForUndo(item.SavedText, true);
            InternalSetCaretXY(start);
            break;
        case TChangeKind::ChangeGroupBreak:
        case TChangeKind::ChangeNone:
            break;
        default:  // the brackets go over as they are
            undoList_.RecordChange(kind, start, end, item.SavedText, mode);
            break;
    }
}

void TCustomTextView::RedoDeletion(const TUndoItem& item) {
    SetCaretAndSelection(item.RangeStart, item.RangeStart, item.RangeEnd);
    undoList_.RecordChange(item.Kind, item.RangeStart, item.RangeEnd, selection_.SelectedText(),
                           item.SelectionModeAtChange);
    ReplaceSelectionForUndo(item.SavedText, false);
    // The deleted range is gone, so its start is where the caret stood (for the after-caret
    // kinds too: their end would point behind the text that closed up).
    InternalSetCaretXY(item.RangeStart);
}

void TCustomTextView::RedoUnindent(const TUndoItem& item) {
    const TSelectionMode mode = item.SelectionModeAtChange;
    undoList_.RecordChange(item.Kind, item.RangeStart, item.RangeEnd, item.SavedText, mode);
    const bool column = mode == TSelectionMode::smColumn;
    const std::int32_t index =
        column ? std::min(item.RangeStart.CharIndex, item.RangeEnd.CharIndex) : 1;
    const std::vector<std::string_view> pieces = LinePieces(item.SavedText);
    TLineStoreUpdate::Around(lines_, [&] {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::int32_t line = item.RangeStart.LineIndex + static_cast<std::int32_t>(i);
            if (line > lines_.Count()) break;
            if (pieces[i].empty()) continue;
            std::string text(lines_.Get(line - 1));
            if (text.size() < static_cast<std::size_t>(index - 1)) continue;
            text.erase(static_cast<std::size_t>(index - 1), pieces[i].size());
            lines_.Put(line - 1, text);
        }
    });
    if (column) {
        SetCaretAndSelection(item.RangeStart, item.RangeStart, item.RangeEnd);
        return;
    }
    // The item's scope moves a position that this rule puts inside a character to its start.
    const TBufferCoord anchor{std::max(1, item.RangeStart.CharIndex - style_.tabWidth),
                              item.RangeStart.LineIndex};
    const auto lastLength = static_cast<std::int32_t>(pieces.back().size());
    const TBufferCoord active{std::max(1, item.RangeEnd.CharIndex - lastLength),
                              item.RangeEnd.LineIndex};
    SetCaretAndSelection(anchor, anchor, active);
}

}  // namespace mirevo
