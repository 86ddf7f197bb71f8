// The command processor and the commands that do not change the text: caret moves, page
// and scroll commands, modes, bracket matching, bookmarks and context help.
#include <algorithm>

#include "common/Sjis.h"
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"
#include "textview/WordClass.h"

namespace mirevo {

namespace {

bool Extends(TEditorCommand command) { return command >= ecSelLeft && command <= ecSelGotoXY; }

}  // namespace

void TCustomTextView::ProcessCommand(TEditorCommand command, char character, void* data) {
    if (command >= ecUserFirst) {
        if (OnProcessUserCommand) OnProcessUserCommand(this, command, character, data);
    } else if (OnProcessCommand) {
        OnProcessCommand(this, command, character, data);
    }
    if (command != ecNone) {
        RunCommandHooks(false, command, character, data);
        if (command != ecNone && command < ecUserFirst) ExecuteCommand(command, character, data);
        if (command != ecNone) RunCommandHooks(true, command, character, data);
    }
    if (OnCommandProcessed) OnCommandProcessed(this, command, character, data);
}

void TCustomTextView::RunCommandHooks(bool after, TEditorCommand& command, char& character,
                                      void* data) {
    // A hook may unregister itself or others while it runs.
    const std::vector<TCommandHook> hooks = commandHooks_;
    for (const TCommandHook& hook : hooks) {
        bool handled = false;
        hook.Event(this, after, handled, command, character, data, hook.Data);
        if (handled) command = ecNone;
    }
}

void TCustomTextView::RegisterCommandHandler(THookedCommandEvent hook, void* handlerData) {
    if (!hook) return;
    const bool known = std::any_of(commandHooks_.begin(), commandHooks_.end(),
                                   [&](const TCommandHook& h) { return h.Data == handlerData; });
    if (!known) commandHooks_.push_back({std::move(hook), handlerData});
}

void TCustomTextView::UnregisterCommandHandler(void* handlerData) {
    std::erase_if(commandHooks_, [&](const TCommandHook& h) { return h.Data == handlerData; });
}

bool TCustomTextView::IsTextChange(TEditorCommand command) const {
    return (command >= ecDeleteLastChar && command <= ecChar) || command == ecImeStr ||
           (command >= ecUndo && command <= ecPaste) ||
           (command >= ecBlockIndent && command <= ecShiftTab) ||
           (command >= ecUpperCase && command <= ecTitleCase) ||
           (command >= ecUpperCaseBlock && command <= ecToggleCaseBlock);
}

void TCustomTextView::ExecuteCommand(TEditorCommand command, char character, void* data) {
    // A lead byte typed last waits only for the very next character.
    if (command != ecChar) edit_.ForgetPendingLeadByte();
    TPaintLock::Around(*this, [&] {
        if (command <= ecSelGotoXY) {
            ExecuteNavigation(command, data);
            return;
        }
        if (IsTextChange(command)) {
            if (style_.readOnly) return;
            switch (command) {
                case ecClearAll:
                    ClearAll();
                    return;
                case ecUndo:
                    Undo();
                    return;
                case ecRedo:
                    Redo();
                    return;
                case ecCut:
                    if (HasSelection()) CutToClipboard();
                    return;
                case ecPaste:
                    PasteFromClipboard();
                    return;
                case ecChar: {
                    const auto byte = static_cast<unsigned char>(character);
                    if (byte < 32 || byte == 127) return;
                    break;
                }
                default:
                    break;
            }
            ExecuteEditCommand(command, character, data);
            return;
        }
        if (command >= ecGotoMarker0 && command <= ecGotoMarker0 + 9) {
            if (bookMarkOptions_.EnableKeys()) GotoBookMark(command - ecGotoMarker0);
            return;
        }
        if (command >= ecSetMarker0 && command <= ecSetMarker0 + 9) {
            if (!bookMarkOptions_.EnableKeys()) return;
            const std::int32_t number = command - ecSetMarker0;
            const TBufferCoord at = data ? *static_cast<const TBufferCoord*>(data) : caret_;
            const std::optional<TBufferCoord> existing = GetBookMark(number);
            if (existing) {
                ClearBookMark(number);
                if (existing->LineIndex == at.LineIndex) return;
            }
            SetBookMark(number, at.CharIndex, at.LineIndex);
            return;
        }
        switch (command) {
            case ecSelectAll:
                SelectAll();
                break;
            case ecCopy:
                CopyToClipboard();
                break;
            case ecScrollUp:
            case ecScrollDown:
                ExecuteScroll(command);
                break;
            case ecScrollLeft:
                SetLeftChar(layout_.LeftChar() - 1);
                if (window_) window_->Update();
                break;
            case ecScrollRight:
                SetLeftChar(layout_.LeftChar() + 1);
                if (window_) window_->Update();
                break;
            case ecInsertMode:
                SetInsertMode(true);
                break;
            case ecOverwriteMode:
                SetInsertMode(false);
                break;
            case ecToggleMode:
                SetInsertMode(!style_.insertMode);
                break;
            case ecNormalSelect:
                SetSelectionMode(TSelectionMode::smNormal);
                break;
            case ecColumnSelect:
                SetSelectionMode(TSelectionMode::smColumn);
                break;
            case ecLineSelect:
                SetSelectionMode(TSelectionMode::smLine);
                break;
            case ecMatchBracket:
                ExecuteMatchBracket();
                break;
            case ecContextHelp:
                ExecuteContextHelp();
                break;
            default:
                break;  // focus commands and unknown numbers
        }
    });
}

void TCustomTextView::ExecuteNavigation(TEditorCommand command, void* data) {
    const bool extend = Extends(command);
    const TEditorCommand plain = extend ? static_cast<TEditorCommand>(command - 100) : command;
    const auto repaintNow = [this] {
        if (window_) window_->Update();
    };
    switch (plain) {
        case ecLeft:
        case ecRight:
            MoveCaretHorz(plain == ecLeft ? -1 : 1, extend);
            break;
        case ecUp:
        case ecDown:
            MoveCaretVert(plain == ecUp ? -1 : 1, extend);
            repaintNow();
            break;
        case ecWordLeft:
            MoveCaretAndSelection(caret_, PreviousWordStart(lines_, caret_), extend);
            break;
        case ecWordRight:
            MoveCaretAndSelection(caret_, NextWordStart(lines_, caret_), extend);
            break;
        case ecLineStart:
            ExecuteLineStart(extend);
            break;
        case ecLineEnd:
            ExecuteLineEnd(extend);
            break;
        case ecPageUp:
        case ecPageDown:
            ExecutePage(command);
            repaintNow();
            break;
        case ecPageLeft:
        case ecPageRight:
            MoveCaretHorz(
                plain == ecPageLeft ? -layout_.VisibleColumns() : layout_.VisibleColumns(), extend);
            break;
        case ecPageTop:
        case ecPageBottom: {
            const std::int32_t row = plain == ecPageTop
                                         ? layout_.TopLine()
                                         : layout_.TopLine() + layout_.VisibleRows() - 1;
            const TDisplayCoord d{CaretDisplayPos().Column,
                                  std::clamp(row, 1, std::max(1, RowCount()))};
            MoveCaretAndSelection(caret_, DisplayToBuffer(d), extend);
            repaintNow();
            break;
        }
        case ecEditorTop:
            MoveCaretAndSelection(caret_, {1, 1}, extend);
            repaintNow();
            break;
        case ecEditorBottom: {
            const std::int32_t count = std::max(1, lines_.Count());
            const auto length = static_cast<std::int32_t>(lines_.Get(count - 1).size());
            MoveCaretAndSelection(caret_, {length + 1, count}, extend);
            repaintNow();
            break;
        }
        case ecGotoXY:
            if (data)
                MoveCaretAndSelection(caret_, *static_cast<const TBufferCoord*>(data), extend);
            repaintNow();
            break;
        default:
            break;
    }
}

void TCustomTextView::ExecutePage(TEditorCommand command) {
    std::int32_t page = layout_.VisibleRows();
    if (options_.Contains(TEditorOption::eoHalfPageScroll)) page >>= 1;
    if (options_.Contains(TEditorOption::eoScrollByOneLess)) --page;
    const bool up = command == ecPageUp || command == ecSelPageUp;
    if (up) page = -page;
    SetTopLine(layout_.TopLine() + page);
    MoveCaretVert(page, Extends(command));
}

void TCustomTextView::ExecuteScroll(TEditorCommand command) {
    const std::int32_t caretRow = CaretDisplayPos().Row;
    if (caretRow < layout_.TopLine() || caretRow >= layout_.TopLine() + layout_.VisibleRows()) {
        EnsureCaretVisible();
        return;
    }
    if (command == ecScrollUp) {
        SetTopLine(layout_.TopLine() - 1);
        const std::int32_t lastVisible = layout_.TopLine() + layout_.VisibleRows() - 1;
        if (caretRow > lastVisible) MoveCaretVert(lastVisible - caretRow, false);
    } else {
        SetTopLine(layout_.TopLine() + 1);
        if (caretRow < layout_.TopLine()) MoveCaretVert(layout_.TopLine() - caretRow, false);
    }
    EnsureCaretVisible();
    if (window_) window_->Update();
}

}  // namespace mirevo
