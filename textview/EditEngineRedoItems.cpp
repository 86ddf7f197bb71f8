// Redoing one item: a change that undo took back made again, and recorded on the undo list.
#include <algorithm>
#include <string>

#include "textview/EditEngine.h"
#include "textview/LineStoreUpdate.h"

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

void TEditEngine::RedoOneItem(const TUndoItem& item) {
    const TChangeKind kind = item.Kind;
    const TSelectionMode mode = item.SelectionModeAtChange;
    const TBufferCoord start = item.RangeStart;
    const TBufferCoord end = item.RangeEnd;
    host_.SetActiveSelectionMode(mode);
    if (IsInsertion(kind)) {
        host_.SetCaretAndSelection(start, start, start);
        ReplaceSelectionForUndo(item.SavedText, false);
        host_.MoveCaret(end);
        undoList_.RecordChange(kind, start, end, SelectedText(), mode);
        if (kind == TChangeKind::ChangeDragDropInsert)
            host_.SetCaretAndSelection(start, start, end);
        return;
    }
    if (IsDeletion(kind)) {
        RedoDeletion(item);
        return;
    }
    switch (kind) {
        case TChangeKind::ChangeLineBreak:
            host_.SetCaretAndSelection(start, start, start);
            host_.RunCommand(ecLineBreak, '\r', nullptr);
            break;
        case TChangeKind::ChangeIndent:
            undoList_.RecordChange(kind, start, end, item.SavedText, mode);
            host_.SetCaretAndSelection(end, start, end);
            break;
        case TChangeKind::ChangeUnindent:
            RedoUnindent(item);
            break;
        case TChangeKind::ChangeCaret:
            undoList_.RecordChange(kind, Caret(), Caret(), {}, mode);
            host_.MoveCaret(start);
            break;
        case TChangeKind::ChangeSelection:
            undoList_.RecordChange(kind, selection_.First(), selection_.Last(), {}, mode);
            host_.SetCaretAndSelection(Caret(), start, end);
            break;
        case TChangeKind::ChangePrefixInsert:
            // Redone like an insertion: at its start, where undo took it away.
            undoList_.RecordChange(kind, start, end, {}, mode);
            host_.SetCaretAndSelection(start, start, start);
            ReplaceSelectionForUndo(item.SavedText, true);
            host_.MoveCaret(start);
            break;
        case TChangeKind::ChangeGroupBreak:
        case TChangeKind::ChangeNone:
            break;
        default:  // the brackets go over as they are
            undoList_.RecordChange(kind, start, end, item.SavedText, mode);
            break;
    }
}

void TEditEngine::RedoDeletion(const TUndoItem& item) {
    host_.SetCaretAndSelection(item.RangeStart, item.RangeStart, item.RangeEnd);
    undoList_.RecordChange(item.Kind, item.RangeStart, item.RangeEnd, selection_.SelectedText(),
                           item.SelectionModeAtChange);
    ReplaceSelectionForUndo(item.SavedText, false);
    // The deleted range is gone, so its start is where the caret stood (for the after-caret
    // kinds too: their end would point behind the text that closed up).
    host_.MoveCaret(item.RangeStart);
}

void TEditEngine::RedoUnindent(const TUndoItem& item) {
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
        host_.SetCaretAndSelection(item.RangeStart, item.RangeStart, item.RangeEnd);
        return;
    }
    // The item's scope moves a position that this rule puts inside a character to its start.
    const TBufferCoord anchor{std::max(1, item.RangeStart.CharIndex - host_.Style().tabWidth),
                              item.RangeStart.LineIndex};
    const auto lastLength = static_cast<std::int32_t>(pieces.back().size());
    const TBufferCoord active{std::max(1, item.RangeEnd.CharIndex - lastLength),
                              item.RangeEnd.LineIndex};
    host_.SetCaretAndSelection(anchor, anchor, active);
}

}  // namespace mirevo
