// Undoing one item: its change taken back on the text, caret and selection, and recorded on
// the redo list so that redo can make it again.
#include <algorithm>
#include <string>

#include "textview/EditEngine.h"
#include "textview/LineStoreUpdate.h"
#include "textview/SelectionEdit.h"

namespace mirevo {

namespace {

bool IsInsertion(TChangeKind kind) {
    return kind == TChangeKind::ChangeInsert || kind == TChangeKind::ChangePaste ||
           kind == TChangeKind::ChangeDragDropInsert || kind == TChangeKind::ChangePrefixInsert;
}

bool IsDeletion(TChangeKind kind) {
    return kind == TChangeKind::ChangeDeleteAfterCaret || kind == TChangeKind::ChangeDelete ||
           kind == TChangeKind::ChangeSilentDelete ||
           kind == TChangeKind::ChangeSilentDeleteAfterCaret ||
           kind == TChangeKind::ChangeDeleteAll;
}

bool IsAfterCaret(TChangeKind kind) {
    return kind == TChangeKind::ChangeDeleteAfterCaret ||
           kind == TChangeKind::ChangeSilentDeleteAfterCaret;
}

bool IsSilent(TChangeKind kind) {
    return kind == TChangeKind::ChangeSilentDelete ||
           kind == TChangeKind::ChangeSilentDeleteAfterCaret;
}

bool Before(TBufferCoord a, TBufferCoord b) {
    return a.LineIndex < b.LineIndex || (a.LineIndex == b.LineIndex && a.CharIndex < b.CharIndex);
}

// Where deleted text goes back in: the smaller end, or the block's top left corner.
TBufferCoord InsertionPoint(const TUndoItem& item) {
    const TBufferCoord a = item.RangeStart;
    const TBufferCoord b = item.RangeEnd;
    if (item.SelectionModeAtChange == TSelectionMode::smColumn)
        return {std::min(a.CharIndex, b.CharIndex), std::min(a.LineIndex, b.LineIndex)};
    return Before(b, a) ? b : a;
}

// The CR LF separated pieces of text.
std::vector<std::string> LinePieces(std::string_view text) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            pieces.emplace_back();
            ++i;
        } else {
            pieces.back() += text[i];
        }
    }
    return pieces;
}

}  // namespace

void TEditEngine::UndoOneItem(const TUndoItem& item) {
    const TChangeKind kind = item.Kind;
    const TSelectionMode mode = item.SelectionModeAtChange;
    host_.SetActiveSelectionMode(mode);
    if (IsInsertion(kind)) {
        // Text inserted in line mode went in as a stream at a line's start; taken back as
        // whole lines it would take the line it went into with it.
        if (mode == TSelectionMode::smLine) host_.SetActiveSelectionMode(TSelectionMode::smNormal);
        host_.SetCaretAndSelection(item.RangeStart, item.RangeStart, item.RangeEnd);
        redoList_.RecordChange(kind, item.RangeStart, item.RangeEnd, selection_.SelectedText(),
                               mode);
        ReplaceSelectionForUndo(item.SavedText, kind == TChangeKind::ChangePrefixInsert);
        host_.MoveCaret(item.RangeStart);
        return;
    }
    if (IsDeletion(kind)) {
        UndoDeletion(item);
        return;
    }
    switch (kind) {
        case TChangeKind::ChangeLineBreak:
            UndoLineBreak(item);
            break;
        case TChangeKind::ChangeIndent:
            redoList_.RecordChange(kind, item.RangeStart, item.RangeEnd, item.SavedText, mode);
            host_.SetCaretAndSelection(item.RangeEnd, item.RangeStart, item.RangeEnd);
            break;
        case TChangeKind::ChangeUnindent:
            UndoUnindent(item);
            break;
        case TChangeKind::ChangeCaret:
            redoList_.RecordChange(kind, Caret(), Caret(), {}, mode);
            host_.MoveCaret(item.RangeStart);
            break;
        case TChangeKind::ChangeSelection:
            redoList_.RecordChange(kind, selection_.First(), selection_.Last(), {}, mode);
            host_.SetCaretAndSelection(Caret(), item.RangeStart, item.RangeEnd);
            break;
        case TChangeKind::ChangeGroupBreak:
        case TChangeKind::ChangeNone:
            break;
        default:  // the brackets go over as they are
            redoList_.RecordChange(kind, item.RangeStart, item.RangeEnd, item.SavedText, mode);
            break;
    }
}

void TEditEngine::UndoDeletion(const TUndoItem& item) {
    const TChangeKind kind = item.Kind;
    const TBufferCoord at = InsertionPoint(item);
    if (IsAfterCaret(kind) && at.LineIndex > lines_.Count()) {
        host_.MoveCaret({1, lines_.Count()});
        lines_.Add("");
    }
    // Whole lines cut from a text of one empty line leave no line, and their text is empty:
    // the line must come back all the same, for the earlier items that change it.
    if (lines_.Count() == 0) lines_.Add("");
    host_.SetCaret(at);
    // At the point itself: the caret is kept to the text, the text goes where it came from.
    if (item.SelectionModeAtChange == TSelectionMode::smColumn) {
        Updating([&] { RestoreColumns(lines_, at, item.SavedText); });
    } else {
        ReplaceRange(at, at, item.SavedText, item.SelectionModeAtChange);
    }
    const TBufferCoord caret = IsAfterCaret(kind) ? item.RangeStart : item.RangeEnd;
    if (IsSilent(kind)) {
        host_.SetCaret(caret);
    } else {
        host_.SetCaretAndSelection(caret, item.RangeStart, item.RangeEnd);
    }
    redoList_.RecordChange(kind, item.RangeStart, item.RangeEnd, {}, item.SelectionModeAtChange);
    if (kind == TChangeKind::ChangeDeleteAll)
        host_.SetCaretAndSelection({1, 1}, selection_.Anchor(), {1, 1});
    host_.BringCaretIntoView();
}

void TEditEngine::UndoLineBreak(const TUndoItem& item) {
    host_.MoveCaret(item.RangeStart);
    redoList_.RecordChange(item.Kind, item.RangeStart, item.RangeEnd, {},
                           item.SelectionModeAtChange);
    TLineStoreUpdate::Around(lines_, [&] {
        std::string line(lines_.Get(Caret().LineIndex - 1));
        const bool leadingBlank = !item.SavedText.empty() && item.SavedText.front() == ' ';
        if (static_cast<std::int32_t>(line.size()) < Caret().CharIndex - 1 &&
            (!leadingBlank || !Option(TEditorOption::eoAutoIndent))) {
            line.resize(static_cast<std::size_t>(Caret().CharIndex - 1), ' ');
        }
        lines_.Put(Caret().LineIndex - 1, line + item.SavedText);
        const std::int32_t removed = item.RangeEnd.LineIndex;  // 0-based: the line below the break
        if (removed >= 0 && removed < lines_.Count()) {
            lines_.Delete(removed);
            MarksLinesDeleted(removed + 1, 1);
        }
    });
}

void TEditEngine::UndoUnindent(const TUndoItem& item) {
    redoList_.RecordChange(item.Kind, item.RangeStart, item.RangeEnd, item.SavedText,
                           item.SelectionModeAtChange);
    const std::int32_t column = item.SelectionModeAtChange == TSelectionMode::smColumn
                                    ? std::min(item.RangeStart.CharIndex, item.RangeEnd.CharIndex)
                                    : 1;
    const std::vector<std::string> pieces = LinePieces(item.SavedText);
    TLineStoreUpdate::Around(lines_, [&] {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::int32_t line = item.RangeStart.LineIndex + static_cast<std::int32_t>(i);
            if (line > item.RangeEnd.LineIndex || line > lines_.Count()) break;
            if (pieces[i].empty()) continue;
            std::string text(lines_.Get(line - 1));
            if (static_cast<std::int32_t>(text.size()) < column - 1)
                text.resize(static_cast<std::size_t>(column - 1), ' ');
            text.insert(static_cast<std::size_t>(column - 1), pieces[i]);
            lines_.Put(line - 1, text);
        }
    });
    host_.SetCaretAndSelection(item.RangeStart, item.RangeStart, item.RangeEnd);
}

}  // namespace mirevo
