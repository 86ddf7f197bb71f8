#include "textview/ViewEditHost.h"

#include "textview/CustomTextView.h"

namespace mirevo {

void TViewEditHost::UndoItemAdded(TUndoList& sender) {
    TUndoList& undo = view_.undoList_;
    view_.SetModified(!undo.IsAtUnmodifiedMark());
    if (&sender == &undo && !undo.Redoing() && undo.NewestKind() != TChangeKind::ChangeGroupBreak) {
        view_.redoList_.Clear();
    }
    if (sender.BlockDepth() == 0 && view_.OnChange) view_.OnChange(&view_);
}

TBufferCoord TViewEditHost::Caret() const { return view_.CaretXY(); }

void TViewEditHost::SetCaret(const TBufferCoord& p) { view_.SetCaretXY(p); }

void TViewEditHost::MoveCaret(const TBufferCoord& p, bool ensureVisible) {
    view_.InternalSetCaretXY(p, ensureVisible);
}

void TViewEditHost::SetCaretAndSelection(const TBufferCoord& caret, const TBufferCoord& anchor,
                                         const TBufferCoord& activeEnd) {
    view_.SetCaretAndSelection(caret, anchor, activeEnd);
}

void TViewEditHost::BringCaretIntoView() { view_.EnsureCaretVisible(); }

void TViewEditHost::SetActiveSelectionMode(TSelectionMode mode) {
    view_.SetActiveSelectionMode(mode);
}

void TViewEditHost::BeginUpdate() { view_.LockPaint(); }

void TViewEditHost::EndUpdate() { view_.UnlockPaint(); }

void TViewEditHost::SetModified(bool value) { view_.SetModified(value); }

void TViewEditHost::RunCommand(TEditorCommand command, char character, void* data) {
    view_.ProcessCommand(command, character, data);
}

const TViewStyle& TViewEditHost::Style() const { return view_.Style(); }

TEditorOptions TViewEditHost::Options() const { return view_.Options(); }

void TViewEditHost::SetItemOptions(TEditorOptions options) {
    view_.options_ = options;
    view_.UpdateSelectionLimits();
}

}  // namespace mirevo
