// Copy, cut and paste between the view and the clipboard (plain text and the private block
// that keeps the selection mode).
#include "textview/ClipboardBlock.h"
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

void TCustomTextView::CopyToClipboard() {
    if (!clipboard_ || !HasSelection()) return;
    // Copied column blocks are always padded.
    mirevo::CopySelection(*clipboard_, selection_);
}

void TCustomTextView::CutToClipboard() {
    if (Style().readOnly || !HasSelection()) return;
    undoList_.OpenBlock();
    try {
        CopyToClipboard();
        SetSelectedText({});
    } catch (...) {
        undoList_.CloseBlock();
        throw;
    }
    undoList_.CloseBlock();
}

bool TCustomTextView::CanPaste() const {
    return clipboard_ && mirevo::CanPaste(Style().readOnly, *clipboard_);
}

void TCustomTextView::PasteFromClipboard() {
    if (!CanPaste()) return;
    const TClipboardBlock block = TextToPaste(*clipboard_, selection_.CurrentMode());
    DoOnPaintTransient(TTransientType::ttBefore);
    undoList_.OpenBlock();
    try {
        undoList_.RecordChange(TChangeKind::ChangeBlock1Begin, caret_.place, caret_.place, {},
                               selection_.CurrentMode());
        // The selection goes by its own mode; the text comes in by the block's.
        if (HasSelection() && selection_.CurrentMode() != block.Mode) SetSelectedText({});
        selection_.SetCurrentMode(block.Mode);
        SetSelectedText(block.Text);
        undoList_.RecordChange(TChangeKind::ChangeBlock1End, caret_.place, caret_.place, {},
                               selection_.CurrentMode());
    } catch (...) {
        undoList_.CloseBlock();
        throw;
    }
    undoList_.CloseBlock();
    EnsureCaretVisible();
    StatusChanged({TStatusChange::scSelection});
    DoOnPaintTransient(TTransientType::ttAfter);
}

}  // namespace mirevo
