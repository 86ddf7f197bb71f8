// The text-changing commands of a writable view, sent on to the edit that carries each out.
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

void TCustomTextView::ExecuteEditCommand(TEditorCommand command, char character, void* data) {
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
            if (data) InsertTyped(static_cast<const char*>(data), !style_.insertMode);
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

}  // namespace mirevo
