// The deleting commands: characters, words and line parts before and after the caret, and
// whole lines. A selection is deleted instead when there is one.
#include <algorithm>
#include <string>

#include "common/Sjis.h"
#include "textview/EditEngine.h"
#include "textview/SelectionText.h"
#include "textview/UndoBlock.h"
#include "textview/WordClass.h"

namespace mirevo {

namespace {

std::int32_t LengthOf(std::string_view line) { return static_cast<std::int32_t>(line.size()); }

bool After(TBufferCoord a, TBufferCoord b) {
    return a.LineIndex > b.LineIndex || (a.LineIndex == b.LineIndex && a.CharIndex > b.CharIndex);
}

// Bytes of the character that starts at the 1-based index.
std::int32_t CharacterWidthAt(std::string_view line, std::int32_t index) {
    const auto at = static_cast<std::size_t>(index - 1);
    return at + 1 < line.size() && ByteKindAt(line, at) == ByteKind::Lead ? 2 : 1;
}

// Bytes of the character that ends just before the 1-based index.
std::int32_t CharacterWidthBefore(std::string_view line, std::int32_t index) {
    return index > 2 && ByteKindAt(line, static_cast<std::size_t>(index - 2)) == ByteKind::Trail
               ? 2
               : 1;
}

// Smart tab delete: with only blanks before the caret, Backspace goes back to the indent of
// the nearest line above that is indented less (the line's start when none is); 0 when the
// caret stands after other text.
std::int32_t SmartTabStart(const TLineStore& lines, std::int32_t lineIndex, std::int32_t index) {
    const std::string_view line = lines.Get(lineIndex - 1);
    const auto before = static_cast<std::size_t>(index - 1);
    if (before == 0 || line.substr(0, before).find_first_not_of(' ') != std::string_view::npos) {
        return 0;
    }
    for (std::int32_t above = lineIndex - 1; above >= 1; --above) {
        const std::string_view text = lines.Get(above - 1);
        const std::size_t indent = std::min(text.find_first_not_of(' '), text.size());
        if (indent < text.size() && indent < before) return static_cast<std::int32_t>(indent) + 1;
    }
    return 1;
}

}  // namespace

void TEditEngine::DeleteRecorded(TBufferCoord first, TBufferCoord last, TChangeKind kind,
                                 TBufferCoord caretAfter) {
    const std::string text = TextBetween(lines_, first, last, TSelectionMode::smNormal);
    if (text.empty()) return;
    Updating([&] {
        ReplaceRange(first, last, {}, TSelectionMode::smNormal);
        host_.SetCaret(caretAfter);
        undoList_.RecordChange(kind, first, last, text, TSelectionMode::smNormal);
    });
}

bool TEditEngine::DeleteSelectionRecorded() {
    if (!selection_.HasSelection()) return false;
    SetSelectedText({});
    return true;
}

void TEditEngine::DeleteBackward(TEditorCommand command) {
    if (DeleteSelectionRecorded()) return;
    const std::int32_t y = Caret().LineIndex;
    const std::string_view line = lines_.Get(y - 1);
    const std::int32_t end = LengthOf(line) + 1;
    if (command == ecDeleteLastChar && Caret().CharIndex > end) {
        // Behind the end of the line there is nothing to delete: the caret steps back.
        host_.SetCaret({Caret().CharIndex - 1, y});
        return;
    }
    const TBufferCoord caret{std::min(Caret().CharIndex, end), y};
    if (caret.CharIndex == 1) {
        // Only characters and words join lines; a line part is no line break.
        if (y == 1 || command == ecDeleteBOL) return;
        const TBufferCoord joint{LengthOf(lines_.Get(y - 2)) + 1, y - 1};
        DeleteRecorded(joint, caret, TChangeKind::ChangeDelete, joint);
        return;
    }
    TBufferCoord from{1, y};
    if (command == ecDeleteLastChar) {
        const std::int32_t smart =
            Option(TEditorOption::eoSmartTabDelete) ? SmartTabStart(lines_, y, caret.CharIndex) : 0;
        from.CharIndex =
            smart > 0 ? smart : caret.CharIndex - CharacterWidthBefore(line, caret.CharIndex);
    } else if (command == ecDeleteLastWord) {
        const TBufferCoord word = PreviousWordStart(lines_, caret);
        if (word.LineIndex == y) from = word;
    }
    DeleteRecorded(from, caret, TChangeKind::ChangeDelete, from);
}

void TEditEngine::DeleteForward(TEditorCommand command) {
    if (DeleteSelectionRecorded()) return;
    const std::int32_t y = Caret().LineIndex;
    const std::string_view line = lines_.Get(y - 1);
    const std::int32_t end = LengthOf(line) + 1;
    if (Caret().CharIndex >= end) {
        // At the end the next line joins this one, for a character or a word.
        if (y >= lines_.Count() || command == ecDeleteEOL) return;
        const TBufferCoord joint{end, y};
        DeleteRecorded(joint, {1, y + 1}, TChangeKind::ChangeDeleteAfterCaret, joint);
        return;
    }
    const TBufferCoord caret = Caret();
    TBufferCoord to{end, y};
    if (command == ecDeleteChar) {
        to.CharIndex = caret.CharIndex + CharacterWidthAt(line, caret.CharIndex);
    } else if (command == ecDeleteWord) {
        const TBufferCoord word = NextWordStart(lines_, caret);
        if (word.LineIndex == y) to = word;
        if (!After(to, caret))
            to.CharIndex = caret.CharIndex + CharacterWidthAt(line, caret.CharIndex);
    }
    DeleteRecorded(caret, to, TChangeKind::ChangeDeleteAfterCaret, caret);
}

void TEditEngine::DeleteCaretLine() {
    const std::int32_t count = lines_.Count();
    const std::int32_t y = Caret().LineIndex;
    if (count == 0 || y > count) return;
    const std::int32_t length = LengthOf(lines_.Get(y - 1));
    if (count == 1 && length == 0) return;
    Updating([&] {
        TUndoBlock::Around(undoList_, [&] {
            // Undo puts the text back silently, then the selection and the caret as they were.
            const TSelectionMode mode = selection_.CurrentMode();
            undoList_.RecordChange(TChangeKind::ChangeCaret, Caret(), Caret(), {}, mode);
            undoList_.RecordChange(TChangeKind::ChangeSelection, selection_.Anchor(),
                                   selection_.ActiveEnd(), {}, mode);
            const auto kind = TChangeKind::ChangeSilentDeleteAfterCaret;
            if (y < count) {
                DeleteRecorded({1, y}, {1, y + 1}, kind, {1, y});
            } else if (y > 1) {
                const TBufferCoord joint{LengthOf(lines_.Get(y - 2)) + 1, y - 1};
                DeleteRecorded(joint, {length + 1, y}, kind, {1, y - 1});
            } else {
                DeleteRecorded({1, 1}, {length + 1, 1}, kind, {1, 1});
            }
            // Redo ends with this item, so the caret comes back where the command left it.
            undoList_.RecordChange(TChangeKind::ChangeCaret, Caret(), Caret(), {}, mode);
        });
    });
}

}  // namespace mirevo
