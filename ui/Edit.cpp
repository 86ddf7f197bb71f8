#include "ui/Edit.h"

#include <algorithm>

#include "platform/Clipboard.h"

namespace mirevo {

TEdit::TEdit(TControl* parent, std::string name)
    : TEdit(parent, std::move(name), TControlKind::Edit) {}

TEdit::TEdit(TControl* parent, std::string name, TControlKind kind)
    : TControl(parent, std::move(name), kind) {
    SetColor(clWindow);
    SetTabStop(true);
}

void TEdit::SetText(const std::string& text) {
    if (text == Text()) return;
    SetCaption(text);
    selStart_ = std::min(selStart_, text.size());
    selLength_ = 0;
    Fire(OnChange, this);
}

void TEdit::AssignText(const std::string& text) {
    SetCaption(text);
    SetSelection(0, 0);
    canUndo_ = false;
}

void TEdit::NativeTextChanged(const std::string& text) {
    if (text == Text()) return;
    {
        const TNativeChange native(*this);
        SetCaption(text);
    }
    Fire(OnChange, this);
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Notify(TControlState::ReadOnly);
}

bool TEdit::CanUndo() const { return Native() ? Native()->CanUndo() : canUndo_; }

bool TEdit::HasSelection() const { return Native() ? Native()->HasSelection() : selLength_ > 0; }

void TEdit::SetSelection(std::size_t start, std::size_t length) {
    selStart_ = std::min(start, Text().size());
    selLength_ = std::min(length, Text().size() - selStart_);
}

void TEdit::ReplaceSelection(const std::string& text) {
    std::string result = Text();
    result.replace(selStart_, selLength_, text);
    undoText_ = Text();
    canUndo_ = true;
    const std::size_t caret = selStart_ + text.size();
    SetText(result);
    SetSelection(caret, 0);
}

void TEdit::Undo() {
    if (Native()) return Native()->Undo();
    if (!canUndo_) return;
    const std::string previous = undoText_;
    undoText_ = Text();
    SetText(previous);
}

void TEdit::Copy() {
    if (Native()) return Native()->Copy();
    if (clipboard_ && selLength_ > 0) clipboard_->SetText(Text().substr(selStart_, selLength_));
}

void TEdit::Cut() {
    if (Native()) return Native()->Cut();
    Copy();
    ReplaceSelection("");
}

void TEdit::Paste() {
    if (Native()) return Native()->Paste();
    if (clipboard_) ReplaceSelection(clipboard_->GetText());
}

void TEdit::DeleteSelection() {
    if (Native()) return Native()->DeleteSelection();
    ReplaceSelection("");
}

void TEdit::SelectAll() {
    if (Native()) return Native()->SelectAll();
    SetSelection(0, Text().size());
}

TLabeledEdit::TLabeledEdit(TControl* parent, std::string name)
    : TEdit(parent, name), EditLabel(parent, name + "Label") {
    EditLabel.RightAligned = true;
}

void TLabeledEdit::Place(const TBounds& bounds, const std::string& labelCaption) {
    SetBounds(bounds);
    EditLabel.SetCaption(labelCaption);
    // The label's own width comes from its text; the peer sizes it. Right-align it on the edit.
    EditLabel.SetBounds({0, bounds.Top + 3, bounds.Left - 3, bounds.Height - 3});
}

}  // namespace mirevo
