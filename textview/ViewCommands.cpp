// The command processor: the events and hooks around each command, and its dispatch to the
// navigation, the edit engine, the clipboard, the modes and the bookmarks.
#include "textview/CustomTextView.h"
#include "textview/Navigation.h"
#include "textview/PaintLock.h"

namespace mirevo {

void TCustomTextView::ProcessCommand(TEditorCommand command, char character, void* data) {
    if (command >= ecUserFirst) {
        if (OnProcessUserCommand) OnProcessUserCommand(this, command, character, data);
    } else if (OnProcessCommand) {
        OnProcessCommand(this, command, character, data);
    }
    if (command != ecNone) {
        commandHooks_.Run(this, false, command, character, data);
        if (command != ecNone && command < ecUserFirst) ExecuteCommand(command, character, data);
        if (command != ecNone) commandHooks_.Run(this, true, command, character, data);
    }
    if (OnCommandProcessed) OnCommandProcessed(this, command, character, data);
}

void TCustomTextView::RegisterCommandHandler(THookedCommandEvent hook, void* handlerData) {
    commandHooks_.Register(std::move(hook), handlerData);
}

void TCustomTextView::UnregisterCommandHandler(void* handlerData) {
    commandHooks_.Unregister(handlerData);
}

void TCustomTextView::ExecuteEditCommand(TEditorCommand command, char character, void* data) {
    edit_.Execute(command, character, data);
}

void TCustomTextView::ExecuteCommand(TEditorCommand command, char character, void* data) {
    // A lead byte typed last waits only for the very next character.
    if (command != ecChar) edit_.ForgetPendingLeadByte();
    TPaintLock::Around(*this, [&] {
        if (command <= ecSelGotoXY) {
            ExecuteNavigation(*this, command, data);
            return;
        }
        if (IsTextChangingCommand(command)) {
            if (Style().readOnly) return;
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
            const TBufferCoord at = data ? *static_cast<const TBufferCoord*>(data) : caret_.place;
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
                ExecuteScroll(*this, command);
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
                SetInsertMode(!Style().insertMode);
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
                ExecuteMatchBracket(*this);
                break;
            case ecContextHelp:
                ExecuteContextHelp(*this);
                break;
            default:
                break;  // focus commands and unknown numbers
        }
    });
}

}  // namespace mirevo
