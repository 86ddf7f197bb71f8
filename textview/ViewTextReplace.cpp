// The view's text-replacement step: a range of the store replaced by text in one store
// update, with the caret after the text. The editing commands record around it; undo and
// redo go through it without recording, unless asked to.
#include <algorithm>
#include <string>

#include "textview/CustomTextView.h"
#include "textview/LineStoreUpdate.h"
#include "textview/PaintLock.h"
#include "textview/SelectionEdit.h"

namespace mirevo {

namespace {

// Lets the selection take a mode for one edit and gives the chosen mode back afterwards.
class TChosenModeKept {
public:
    TChosenModeKept(TSelection& selection, TSelectionMode mode)
        : selection_(selection), chosen_(selection.SelectionMode()) {
        selection_.SetSelectionMode(mode);
        selection_.SetCurrentMode(mode);
    }
    ~TChosenModeKept() { selection_.SetSelectionMode(chosen_); }
    TChosenModeKept(const TChosenModeKept&) = delete;
    TChosenModeKept& operator=(const TChosenModeKept&) = delete;

private:
    TSelection& selection_;
    TSelectionMode chosen_;
};

std::int32_t CountCrLf(std::string_view text) {
    std::int32_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

}  // namespace

TSelectionEdit TCustomTextView::ReplaceRange(TBufferCoord first, TBufferCoord last,
                                             std::string_view text, TSelectionMode mode) {
    return TPaintLock::Around(*this, [&] {
        const TChosenModeKept kept(selection_, mode);
        selection_.SetEnds(first, last);
        TSelectionEdit edit;
        TLineStoreUpdate::Around(lines_, [&] {
            edit = ReplaceSelectedText(lines_, selection_, text);
            InternalSetCaretXY(edit.Caret);
        });
        // A stream keeps the marks on their lines; whole lines and columns leave them.
        if (mode == TSelectionMode::smNormal) {
            const auto breaks = static_cast<std::int32_t>(
                std::count(text.begin(), text.end(), '\n') +
                std::count(text.begin(), text.end(), '\r') - CountCrLf(text));
            if (last.LineIndex > first.LineIndex)
                MarksLinesDeleted(first.LineIndex, last.LineIndex - first.LineIndex);
            if (breaks > 0) MarksLinesInserted(first.LineIndex + 1, breaks);
        }
        return edit;
    });
}

void TCustomTextView::ReplaceSelectionForUndo(std::string_view text, bool record) {
    const TSelectionMode mode = selection_.CurrentMode();
    const TSelectionEdit edit = ReplaceRange(selection_.First(), selection_.Last(), text, mode);
    if (record && mode == TSelectionMode::smColumn) {
        for (const TUndoItem& item : edit.InsertRecords) undoList_.RecordItem(item);
    }
}

}  // namespace mirevo
