// The text view as the target of the standard edit actions (the Edit menu of the form that
// holds it). Cut, paste and undo refuse in a read-only view, and so does delete: it would
// otherwise clear the selection of text the user may not change.
#pragma once

#include "textview/CustomTextView.h"
#include "ui/EditTarget.h"

namespace mirevo {

class TViewEditTarget final : public IEditTarget {
public:
    explicit TViewEditTarget(TCustomTextView& view) : view_(view) {}

    bool CanUndo() const override { return view_.CanUndo(); }
    bool HasSelection() const override { return view_.HasSelection(); }
    bool IsEmpty() const override { return view_.Lines().Count() == 0; }
    bool AcceptsChanges() const override { return !view_.ReadOnly(); }
    void Undo() override { view_.Undo(); }
    void Cut() override { view_.CutToClipboard(); }
    void Copy() override { view_.CopyToClipboard(); }
    void Paste() override { view_.PasteFromClipboard(); }
    void DeleteSelection() override {
        if (!view_.ReadOnly()) view_.ClearSelection();
    }
    void SelectAll() override { view_.SelectAll(); }

    bool CanUndoNow() const override { return view_.CanUndo(); }
    bool CanCutNow() const override { return view_.HasSelection(); }
    bool CanCopyNow() const override { return view_.HasSelection(); }
    bool CanPasteNow(bool) const override { return view_.CanPaste(); }
    bool CanDeleteNow() const override { return true; }
    bool CanSelectAllNow() const override { return true; }

private:
    TCustomTextView& view_;
};

}  // namespace mirevo
