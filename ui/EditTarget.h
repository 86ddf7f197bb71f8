// What the standard edit actions ask of the focused control's text.
#pragma once

namespace mirevo {

class IEditTarget {
public:
    virtual ~IEditTarget() = default;
    virtual bool CanUndo() const = 0;
    virtual bool HasSelection() const = 0;
    virtual bool IsEmpty() const = 0;
    // False for text the user may not change.
    virtual bool AcceptsChanges() const = 0;
    virtual void Undo() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual void DeleteSelection() = 0;
    virtual void SelectAll() = 0;

    // When each standard action is enabled; the defaults suit an edit control. Paste is
    // told whether the clipboard holds text.
    virtual bool CanUndoNow() const { return AcceptsChanges() && CanUndo(); }
    virtual bool CanCutNow() const { return AcceptsChanges() && HasSelection(); }
    virtual bool CanCopyNow() const { return HasSelection(); }
    virtual bool CanPasteNow(bool clipboardHasText) const {
        return AcceptsChanges() && clipboardHasText;
    }
    virtual bool CanDeleteNow() const { return AcceptsChanges() && HasSelection(); }
    virtual bool CanSelectAllNow() const { return !IsEmpty(); }
};

}  // namespace mirevo
