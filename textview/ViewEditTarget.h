// The text view as the target of the standard edit actions (the Edit menu of the form that
// holds it). In a read-only view cut, paste, delete and undo are neither offered nor done;
// copy is offered with a selection, select all with text.
#pragma once

#include "textview/CustomTextView.h"
#include "ui/EditTarget.h"

namespace mirevo {

class TViewEditTarget final : public IEditTarget {
public:
    explicit TViewEditTarget(TCustomTextView& view) : view_(view) {}

    bool CanUndo() const override { return view_.CanUndo(); }
    bool HasSelection() const override { return view_.HasSelection(); }
    bool IsEmpty() const override {
        return view_.Lines().Count() == 0 ||
               (view_.Lines().Count() == 1 && view_.Lines().Get(0).empty());
    }
    bool AcceptsChanges() const override { return !view_.ReadOnly(); }
    void Undo() override { view_.Undo(); }
    void Cut() override { view_.CutToClipboard(); }
    void Copy() override { view_.CopyToClipboard(); }
    void Paste() override { view_.PasteFromClipboard(); }
    void DeleteSelection() override {
        if (!view_.ReadOnly()) view_.ClearSelection();
    }
    void SelectAll() override { view_.SelectAll(); }

    // The view pastes its private block too, so it asks its own clipboard.
    bool CanPasteNow(bool) const override { return view_.CanPaste(); }

private:
    TCustomTextView& view_;
};

}  // namespace mirevo
