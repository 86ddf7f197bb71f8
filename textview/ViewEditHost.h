// TViewEditHost: the view as its edit engine's host, and the receiver of the undo lists' new
// items (which set the modified flag, drop the redo list after a fresh edit and raise
// OnChange when no undo block is open).
#pragma once

#include "textview/EditHost.h"
#include "textview/UndoList.h"

namespace mirevo {

class TCustomTextView;

class TViewEditHost final : public IEditHost {
public:
    explicit TViewEditHost(TCustomTextView& view) : view_(view) {}

    void UndoItemAdded(TUndoList& sender);

    TBufferCoord Caret() const override;
    void SetCaret(const TBufferCoord& p) override;
    void MoveCaret(const TBufferCoord& p, bool ensureVisible) override;
    void SetCaretAndSelection(const TBufferCoord& caret, const TBufferCoord& anchor,
                              const TBufferCoord& activeEnd) override;
    void BringCaretIntoView() override;
    void SetActiveSelectionMode(TSelectionMode mode) override;
    void BeginUpdate() override;
    void EndUpdate() override;
    void SetModified(bool value) override;
    void RunCommand(TEditorCommand command, char character, void* data) override;
    const TViewStyle& Style() const override;
    TEditorOptions Options() const override;
    void SetItemOptions(TEditorOptions options) override;

private:
    TCustomTextView& view_;
};

}  // namespace mirevo
