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

std::vector<std::string_view> PiecesOf(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        pieces.push_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return pieces;
}

}  // namespace

TBufferCoord TCustomTextView::ReplaceRange(TBufferCoord first, TBufferCoord last,
                                           std::string_view text, TSelectionMode mode) {
    TPaintLock lock(*this);
    const TChosenModeKept kept(selection_, mode);
    selection_.SetEnds(first, last);
    TBufferCoord caret;
    {
        const TLineStoreUpdate update(lines_);
        caret = ReplaceSelectedText(lines_, selection_, text).Caret;
        InternalSetCaretXY(caret);
    }
    // A stream keeps the marks on their lines; whole lines and columns leave them.
    if (mode == TSelectionMode::smNormal) {
        const auto breaks =
            static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n') +
                                      std::count(text.begin(), text.end(), '\r') - CountCrLf(text));
        if (last.LineIndex > first.LineIndex)
            MarksLinesDeleted(first.LineIndex, last.LineIndex - first.LineIndex);
        if (breaks > 0) MarksLinesInserted(first.LineIndex + 1, breaks);
    }
    return caret;
}

void TCustomTextView::ReplaceSelectionForUndo(std::string_view text, bool record) {
    const TSelectionMode mode = selection_.CurrentMode();
    const TBufferCoord first = selection_.First();
    const TBufferCoord last = selection_.Last();
    const std::int32_t count = lines_.Count();
    const TBufferCoord oldEnd{static_cast<std::int32_t>(lines_.Get(count - 1).size()) + 1,
                              std::max(1, count)};
    ReplaceRange(first, last, text, mode);
    if (record && mode == TSelectionMode::smColumn && !text.empty()) {
        RecordColumnInsertion({std::min(first.CharIndex, last.CharIndex), first.LineIndex}, text,
                              oldEnd);
    }
}

void TCustomTextView::RecordColumnInsertion(TBufferCoord at, std::string_view text,
                                            TBufferCoord oldEnd) {
    const std::vector<std::string_view> pieces = PiecesOf(text);
    // Appended lines first, so that undo takes the insertions back before the lines.
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::int32_t line = at.LineIndex + static_cast<std::int32_t>(i);
        if (line <= oldEnd.LineIndex) continue;
        const TBufferCoord end{line - 1 == oldEnd.LineIndex ? oldEnd.CharIndex : 1, line - 1};
        undoList_.RecordChange(TChangeKind::ChangeLineBreak, end, end, {},
                               TSelectionMode::smNormal);
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].empty()) continue;
        const std::int32_t line = at.LineIndex + static_cast<std::int32_t>(i);
        const TBufferCoord end{at.CharIndex + static_cast<std::int32_t>(pieces[i].size()), line};
        undoList_.RecordChange(TChangeKind::ChangeInsert, {at.CharIndex, line}, end, {},
                               TSelectionMode::smNormal);
    }
}

}  // namespace mirevo
