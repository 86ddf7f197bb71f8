// Bookmarks 0..9: marks in the view's mark list, kept in ten slots. They are no change of
// the text, so a read-only view places them too and nothing is recorded for undo.
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

namespace {

bool IsSlot(std::int32_t number) { return number >= 0 && number <= 9; }

}  // namespace

std::optional<TBufferCoord> TCustomTextView::GetBookMark(std::int32_t number) const {
    if (!IsSlot(number) || !bookmarks_[static_cast<std::size_t>(number)]) return std::nullopt;
    const TEditMark& mark = *bookmarks_[static_cast<std::size_t>(number)];
    return TBufferCoord{mark.Char(), mark.Line()};
}

void TCustomTextView::ClearBookMark(std::int32_t number) {
    if (!IsSlot(number)) return;
    TEditMark*& slot = bookmarks_[static_cast<std::size_t>(number)];
    if (!slot) return;
    TEditMark* const held = slot;
    if (OnClearBookmark) OnClearBookmark(this, slot);
    slot = nullptr;
    marks_.Remove(*held);
}

void TCustomTextView::GotoBookMark(std::int32_t number) {
    const std::optional<TBufferCoord> mark = GetBookMark(number);
    if (!mark || mark->LineIndex > lines_.Count()) return;
    TPaintLock::Around(*this, [&] {
        InternalSetCaretXY(*mark, false);
        EnsureCaretVisible(true);
        if (HasSelection()) InvalidateSelection();
        selection_.SetEnds(caret_.place, caret_.place);
        StatusChanged({TStatusChange::scSelection});
    });
}

void TCustomTextView::SetBookMark(std::int32_t number, std::int32_t x, std::int32_t y) {
    if (!IsSlot(number) || y < 1 || y > std::max(1, lines_.Count())) return;
    auto mark = std::make_unique<TEditMark>(this);
    mark->SetLine(y);
    mark->SetChar(x);
    mark->SetImageIndex(number);
    mark->SetBookmarkNumber(number);
    mark->SetVisible(true);
    mark->SetInternalImage(bookMarkOptions_.BookmarkImages() == nullptr);
    TEditMark* placed = mark.get();
    if (OnPlaceBookmark) OnPlaceBookmark(this, placed);
    if (!placed) return;
    ClearBookMark(number);
    bookmarks_[static_cast<std::size_t>(number)] = &marks_.Add(std::move(mark));
}

}  // namespace mirevo
