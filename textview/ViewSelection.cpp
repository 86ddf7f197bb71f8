// The view's selection: the TSelection rules carried out with repainting, status reports,
// undo records and the caret.
#include "textview/Bracketed.h"
#include "textview/CustomTextView.h"
#include "textview/LineStoreUpdate.h"
#include "textview/PaintLock.h"
#include "textview/SelectionEdit.h"
#include "textview/UndoBlock.h"
#include "textview/WordClass.h"

namespace mirevo {

void TCustomTextView::ApplySelectionChange(const TSelectionChange& change) {
    if (change.Repaints()) InvalidateLines(change.FirstLine, change.LastLine);
    if (change.Changed) StatusChanged({TStatusChange::scSelection});
}

void TCustomTextView::UpdateSelectionLimits() {
    selection_.SetLimits({options_.Contains(TEditorOption::eoScrollPastEol), WordWrap(),
                          maxScrollWidth_, options_.Contains(TEditorOption::eoNoSelection)});
}

void TCustomTextView::SetBlockBegin(const TBufferCoord& p) {
    ApplySelectionChange(selection_.SetAnchor(p));
}

void TCustomTextView::SetBlockEnd(const TBufferCoord& p) {
    ApplySelectionChange(selection_.SetActiveEnd(p));
}

void TCustomTextView::SetSelectionMode(TSelectionMode value) {
    if (selection_.SelectionMode() == value) return;
    selection_.SetSelectionMode(value);
    SetActiveSelectionMode(value);
}

void TCustomTextView::SetActiveSelectionMode(TSelectionMode value) {
    if (selection_.CurrentMode() == value) return;
    InvalidateSelection();
    selection_.SetCurrentMode(value);
    InvalidateSelection();
    StatusChanged({TStatusChange::scSelection});
}

void TCustomTextView::SelectAll() {
    TPaintLock::Around(*this, [&] {
        const TSelectionChange change = selection_.SelectAll();
        InternalSetCaretXY(selection_.ActiveEnd());
        Invalidate();
        ApplySelectionChange(change);
        StatusChanged({TStatusChange::scSelection});
    });
}

void TCustomTextView::ClearSelection() {
    if (HasSelection()) SetSelectedText({});
}

void TCustomTextView::SelectWordAt(const TBufferCoord& p) {
    TPaintLock::Around(*this, [&] {
        const TWordSelection word = mirevo::SelectWordAt(selection_, lines_, p, charTypes_);
        InternalSetCaretXY(word.Caret);
        ApplySelectionChange(word.Change);
        InvalidateLine(word.Caret.LineIndex);
        StatusChanged({TStatusChange::scSelection});
    });
}

void TCustomTextView::MoveCaretAndSelection(const TBufferCoord& before, const TBufferCoord& after,
                                            bool extend) {
    if (options_.Contains(TEditorOption::eoGroupUndo) && undoList_.HasItems()) {
        undoList_.AppendGroupBreak();
    }
    TPaintLock::Around(*this, [&] {
        ApplySelectionChange(selection_.MoveCaretAndSelection(
            before, after, extend ? TSelection::TExtend::Yes : TSelection::TExtend::No));
        InternalSetCaretXY(after);
    });
}

void TCustomTextView::SetCaretAndSelection(const TBufferCoord& caret, const TBufferCoord& anchor,
                                           const TBufferCoord& activeEnd) {
    TPaintLock::Around(*this, [&] {
        InternalSetCaretXY(caret);
        InvalidateSelection();
        selection_.SetEnds(anchor, activeEnd);
        InvalidateSelection();
        StatusChanged({TStatusChange::scSelection});
    });
}

}  // namespace mirevo
