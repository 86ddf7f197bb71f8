// Undo and redo of the view: the recorded items carried out on the text, caret and
// selection, and the bookkeeping each new item triggers.
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

void TCustomTextView::UndoItemAdded(TUndoList& sender) {
    SetModified(!undoList_.IsAtUnmodifiedMark());
    if (&sender == &undoList_ && !undoList_.Redoing() &&
        undoList_.NewestKind() != TChangeKind::ChangeGroupBreak) {
        redoList_.Clear();
    }
    if (sender.BlockDepth() == 0 && OnChange) OnChange(this);
}

void TCustomTextView::Undo() {
    if (readOnly_) return;
    // Carried out item by item in the next step.
}

void TCustomTextView::Redo() {
    if (readOnly_) return;
}

}  // namespace mirevo
