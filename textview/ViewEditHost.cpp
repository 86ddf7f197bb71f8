// The view as the edit engine's host: what each new undo item triggers, and the options an
// undo or redo item runs with.
#include "textview/CustomTextView.h"

namespace mirevo {

void TCustomTextView::UndoItemAdded(TUndoList& sender) {
    SetModified(!undoList_.IsAtUnmodifiedMark());
    if (&sender == &undoList_ && !undoList_.Redoing() &&
        undoList_.NewestKind() != TChangeKind::ChangeGroupBreak) {
        redoList_.Clear();
    }
    if (sender.BlockDepth() == 0 && OnChange) OnChange(this);
}

void TCustomTextView::MoveCaret(const TBufferCoord& p, bool ensureVisible) {
    InternalSetCaretXY(p, ensureVisible);
}

void TCustomTextView::RunCommand(TEditorCommand command, char character, void* data) {
    ProcessCommand(command, character, data);
}

void TCustomTextView::SetItemOptions(TEditorOptions options) {
    options_ = options;
    UpdateSelectionLimits();
}

}  // namespace mirevo
