// Single-line edits: TEdit with its change event, and TLabeledEdit with a label on its left.
#pragma once

#include <functional>

#include "common/KeyCodes.h"
#include "ui/Control.h"
#include "ui/EditTarget.h"
#include "ui/StdControls.h"

namespace mirevo {

class IClipboard;

class TEdit : public TControl, public IEditTarget {
public:
    TEdit(TControl* parent, std::string name);

    const std::string& Text() const { return Caption(); }
    // Writing the text the edit already holds is skipped and fires nothing.
    void SetText(const std::string& text);
    // The user changed the native text.
    void NativeTextChanged(const std::string& text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // Fired after every change of the text.
    TNotifyEvent OnChange;
    // A key pressed while the field has the focus, before the field takes it; answers true
    // when it took the key, which the field then does not see.
    std::function<bool(TShortCut key)> OnKeyDown;
    bool KeyDown(TShortCut key) { return OnKeyDown && OnKeyDown(key); }

    IEditTarget* AsEditTarget() override { return this; }
    bool CanUndo() const override;
    bool HasSelection() const override;
    bool IsEmpty() const override { return Text().empty(); }
    bool AcceptsChanges() const override { return !readOnly_; }
    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void DeleteSelection() override;
    void SelectAll() override;

    // Headless selection, as 0-based byte offsets (a peer keeps the native one).
    void SetSelection(std::size_t start, std::size_t length);
    // Clipboard for the headless edit operations.
    void SetClipboard(IClipboard* clipboard) { clipboard_ = clipboard; }

protected:
    TEdit(TControl* parent, std::string name, TControlKind kind);
    // Sets the text without raising OnChange.
    void AssignText(const std::string& text);

private:
    IEditTarget* Native() const { return Peer() ? Peer()->EditOperations() : nullptr; }
    void ReplaceSelection(const std::string& text);

    bool readOnly_ = false;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    std::string undoText_;
    bool canUndo_ = false;
    IClipboard* clipboard_ = nullptr;
};

// A multi-line edit; the text wraps at the control's width when WordWrap is on.
class TMemo : public TEdit {
public:
    TMemo(TControl* parent, std::string name)
        : TEdit(parent, std::move(name), TControlKind::Memo) {}
    bool WordWrap = true;
    bool VerticalScrollBar = true;
};

class TLabeledEdit : public TEdit {
public:
    // The label stands left of the edit, on the same parent.
    TLabeledEdit(TControl* parent, std::string name);
    TLabel EditLabel;
    // Places the edit and puts its label at its left, vertically centred.
    void Place(const TBounds& bounds, const std::string& labelCaption);
};

}  // namespace mirevo
