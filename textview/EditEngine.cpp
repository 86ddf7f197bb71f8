// The edit engine's commands, the replacement of the selection, and the replacement step:
// a range of the store replaced by text in one store update, with the caret after the
// text. The editing commands record around it; undo and redo go through it without
// recording, unless asked to.
#include <algorithm>
#include <string>

#include "textview/EditEngine.h"
#include "textview/LineStoreUpdate.h"
#include "textview/SelectionEdit.h"
#include "textview/UndoBlock.h"

namespace mirevo {

namespace {

// Lets the selection take a mode for one edit and gives the chosen mode back afterwards.
class TChosenModeKept {
public:
    TChosenModeKept(TSelection& selection, TSelectionMode mode)
        : selection_(selection), chosen_(selection.SelectionMode()) {
        selection_.SetSelectionMode(mode);
        selection_.SetCurrentMode(mode);
    }
    ~TChosenModeKept() { selection_.SetSelectionMode(chosen_); }
    TChosenModeKept(const TChosenModeKept&) = delete;
    TChosenModeKept& operator=(const TChosenModeKept&) = delete;

private:
    TSelection& selection_;
    TSelectionMode chosen_;
};

std::int32_t CountCrLf(std::string_view text) {
    std::int32_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

}  // namespace

TEditEngine::TEditEngine(IEditHost& host, TLineStore& lines, TSelection& selection,
                         TUndoList& undoList, TUndoList& redoList, TEditMarkList& marks)
    : host_(host),
      lines_(lines),
      selection_(selection),
      undoList_(undoList),
      redoList_(redoList),
      marks_(marks) {}

void TEditEngine::Execute(TEditorCommand command, char character, void* data) {
    switch (command) {
        case ecDeleteLastChar:
        case ecDeleteLastWord:
        case ecDeleteBOL:
            DeleteBackward(command);
            break;
        case ecDeleteChar:
        case ecDeleteWord:
        case ecDeleteEOL:
            DeleteForward(command);
            break;
        case ecDeleteLine:
            DeleteCaretLine();
            break;
        case ecLineBreak:
            BreakLine(true);
            break;
        case ecInsertLine:
            BreakLine(false);
            break;
        case ecChar:
            TypeCharacter(character);
            break;
        case ecImeStr:
            if (data) InsertTyped(static_cast<const char*>(data), !host_.Style().insertMode);
            break;
        case ecTab:
            InsertTab();
            break;
        case ecBlockIndent:
            IndentBlock();
            break;
        case ecShiftTab:
        case ecBlockUnindent:
            UnindentBlock();
            break;
        case ecUpperCase:
        case ecLowerCase:
        case ecToggleCase:
        case ecTitleCase:
        case ecUpperCaseBlock:
        case ecLowerCaseBlock:
        case ecToggleCaseBlock:
            ChangeCase(command);
            break;
        default:
            break;
    }
}

void TEditEngine::SetSelectedText(std::string_view text) {
    TUndoBlock::Around(undoList_, [&] {
        Updating([&] {
            TLineStoreUpdate::Around(lines_, [&] {
                const TSelectionEdit edit = ReplaceSelectedText(lines_, selection_, text);
                if (edit.DeleteRecord) undoList_.RecordItem(*edit.DeleteRecord);
                host_.MoveCaret(edit.Caret);
                for (const TUndoItem& record : edit.InsertRecords) undoList_.RecordItem(record);
            });
        });
    });
}

std::string TEditEngine::SelectedText() const {
    return selection_.SelectedText(
        Option(TEditorOption::eoTrimTrailingSpaces) ? TColumnPadding::Trim : TColumnPadding::Pad);
}

TSelectionEdit TEditEngine::ReplaceRange(TBufferCoord first, TBufferCoord last,
                                         std::string_view text, TSelectionMode mode) {
    return Updating([&] {
        const TChosenModeKept kept(selection_, mode);
        selection_.SetEnds(first, last);
        TSelectionEdit edit;
        TLineStoreUpdate::Around(lines_, [&] {
            edit = ReplaceSelectedText(lines_, selection_, text);
            host_.MoveCaret(edit.Caret);
        });
        // A stream keeps the marks on their lines; whole lines and columns leave them.
        if (mode == TSelectionMode::smNormal) {
            const auto breaks = static_cast<std::int32_t>(
                std::count(text.begin(), text.end(), '\n') +
                std::count(text.begin(), text.end(), '\r') - CountCrLf(text));
            if (last.LineIndex > first.LineIndex)
                MarksLinesDeleted(first.LineIndex, last.LineIndex - first.LineIndex);
            if (breaks > 0) MarksLinesInserted(first.LineIndex + 1, breaks);
        }
        return edit;
    });
}

void TEditEngine::ReplaceSelectionForUndo(std::string_view text, bool record) {
    const TSelectionMode mode = selection_.CurrentMode();
    const TSelectionEdit edit = ReplaceRange(selection_.First(), selection_.Last(), text, mode);
    if (record && mode == TSelectionMode::smColumn) {
        for (const TUndoItem& item : edit.InsertRecords) undoList_.RecordItem(item);
    }
}

}  // namespace mirevo
