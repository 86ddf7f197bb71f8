// The inserting commands: typed characters and input-method strings (inserted, or
// overwriting in overwrite mode), line breaks and inserted lines.
#include <algorithm>
#include <optional>
#include <string>

#include "common/Sjis.h"
#include "textview/EditEngine.h"
#include "textview/LineStoreUpdate.h"
#include "textview/SelectionText.h"
#include "textview/UndoBlock.h"

namespace mirevo {

namespace {

std::int32_t CharacterCount(std::string_view text) {
    std::int32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        if (IsLeadByte(text[i]) && i + 1 < text.size()) ++i;
    }
    return count;
}

// The 1-based index after count characters from index, at most the line's end.
std::int32_t IndexAfterCharacters(std::string_view line, std::int32_t index, std::int32_t count) {
    auto at = static_cast<std::size_t>(index - 1);
    for (; count > 0 && at < line.size(); --count) {
        at += ByteKindAt(line, at) == ByteKind::Lead && at + 1 < line.size() ? 2 : 1;
    }
    return static_cast<std::int32_t>(at) + 1;
}

std::string LeadingBlanks(std::string_view text) {
    return std::string(text.substr(0, std::min(text.find_first_not_of(" \t"), text.size())));
}

}  // namespace

void TEditEngine::TypeCharacter(char character) {
    if (pendingLeadByte_) {
        const char lead = *pendingLeadByte_;
        pendingLeadByte_.reset();
        // Without its trail byte the lead byte is dropped, never inserted alone.
        if (IsTrailByte(static_cast<unsigned char>(character))) {
            InsertTyped(std::string{lead, character}, !host_.Style().insertMode);
            return;
        }
    }
    if (IsLeadByte(character)) {
        pendingLeadByte_ = character;
        return;
    }
    InsertTyped(std::string(1, character), !host_.Style().insertMode);
}

void TEditEngine::InsertTyped(std::string_view text, bool overwrite) {
    if (text.empty()) return;
    Updating([&] {
        // One block when typing does more than insert: it deletes the selection, fills the
        // gap behind the line's end with blanks or overwrites characters.
        const auto lineEnd =
            static_cast<std::int32_t>(lines_.Get(Caret().LineIndex - 1).size()) + 1;
        const bool block = selection_.HasSelection() || Caret().CharIndex > lineEnd ||
                           (overwrite && Caret().CharIndex < lineEnd);
        const auto typed = [&] { Type(text, overwrite); };
        if (block) {
            TUndoBlock::Around(undoList_, typed);
        } else {
            typed();
        }
    });
}

void TEditEngine::Type(std::string_view text, bool overwrite) {
    if (selection_.HasSelection()) {
        SetSelectedText({});
        overwrite = false;
    }
    const TBufferCoord caret = Caret();
    const std::string_view line = lines_.Get(caret.LineIndex - 1);
    const auto end = static_cast<std::int32_t>(line.size()) + 1;
    TBufferCoord at = caret;
    std::string inserted(text);
    if (caret.CharIndex > end) {
        // Behind the end of the line the gap is filled with blanks, which undo removes too;
        // the caret and the empty selection then go back where they stood.
        const TSelectionMode mode = selection_.CurrentMode();
        undoList_.RecordChange(TChangeKind::ChangeCaret, caret, caret, {}, mode);
        undoList_.RecordChange(TChangeKind::ChangeSelection, caret, caret, {}, mode);
        inserted.insert(0, static_cast<std::size_t>(caret.CharIndex - end), ' ');
        at.CharIndex = end;
    }
    if (overwrite && at.CharIndex < end) {
        const TBufferCoord over{IndexAfterCharacters(line, at.CharIndex, CharacterCount(text)),
                                at.LineIndex};
        const std::string old = TextBetween(lines_, at, over, TSelectionMode::smNormal);
        ReplaceRange(at, over, {}, TSelectionMode::smNormal);
        undoList_.RecordChange(TChangeKind::ChangeSilentDeleteAfterCaret, at, over, old,
                               TSelectionMode::smNormal);
    }
    const TBufferCoord after = ReplaceRange(at, at, inserted, TSelectionMode::smNormal).Caret;
    host_.SetCaret(after);
    undoList_.RecordChange(TChangeKind::ChangeInsert, at, after, {}, TSelectionMode::smNormal);
}

void TEditEngine::BreakLine(bool moveCaret) {
    Updating([&] {
        // No block for a plain line break: redo breaks lines inside the step it redoes. An
        // inserted line (caret kept) is redone as a line break, so it records where the caret
        // stays, in one step with the break.
        const auto broken = [&] { BreakLineAtCaret(moveCaret); };
        if (selection_.HasSelection() || !moveCaret) {
            TUndoBlock::Around(undoList_, broken);
        } else {
            broken();
        }
    });
}

void TEditEngine::BreakLineAtCaret(bool moveCaret) {
    if (selection_.HasSelection()) SetSelectedText({});
    const std::int32_t y = Caret().LineIndex;
    const std::string line(lines_.Get(y - 1));
    const TBufferCoord at{std::min(Caret().CharIndex, static_cast<std::int32_t>(line.size()) + 1),
                          y};
    const std::string head = line.substr(0, static_cast<std::size_t>(at.CharIndex - 1));
    const std::string tail = line.substr(head.size());
    const std::string indent =
        Option(TEditorOption::eoAutoIndent) ? LeadingBlanks(head) : std::string();
    TLineStoreUpdate::Around(lines_, [&] {
        lines_.Put(y - 1, head);
        lines_.Insert(y, indent + tail);
        const TBufferCoord caret =
            moveCaret ? TBufferCoord{static_cast<std::int32_t>(indent.size()) + 1, y + 1} : at;
        host_.MoveCaret(caret);
    });
    selection_.SetEnds(Caret(), Caret());
    MarksLinesInserted(y + 1, 1);
    undoList_.RecordChange(TChangeKind::ChangeLineBreak, at, at, tail, TSelectionMode::smNormal);
    if (!moveCaret)
        undoList_.RecordChange(TChangeKind::ChangeCaret, at, at, {}, TSelectionMode::smNormal);
}

}  // namespace mirevo
