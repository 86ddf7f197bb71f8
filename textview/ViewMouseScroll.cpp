// Scrolling while the mouse selects or drags beyond the text area: the deltas from the
// mouse position and the timer that applies them.
#include <algorithm>

#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

namespace {

// Cells (or rows) outside [low, high): negative before, positive at or after high; the first
// partial cell already counts as one.
std::int32_t DeltaOutside(std::int32_t v, std::int32_t low, std::int32_t high, std::int32_t cell) {
    if (v < low) return (v - low) / cell - 1;
    if (v >= high) return (v - high) / cell + 1;
    return 0;
}

}  // namespace

void TCustomTextView::ComputeScroll(std::int32_t x, std::int32_t y) {
    if (!window_ || !(window_->Mouse().HasCapture() || dragging_)) return;
    TRect area{layout_.GutterWidth(), 0,
               layout_.GutterWidth() + layout_.VisibleColumns() * layout_.CellWidth(),
               layout_.VisibleRows() * layout_.RowHeight()};
    if (style_.borderStyle == TViewBorderStyle::bsNone) {
        area = {area.Left + 2, area.Top + 2, area.Right - 2, area.Bottom - 2};
    }
    scrollDeltaX_ = DeltaOutside(x, area.Left, area.Right, layout_.CellWidth());
    scrollDeltaY_ = DeltaOutside(y, area.Top, area.Bottom, layout_.RowHeight());
    if (scrollDeltaX_ == 0 && scrollDeltaY_ == 0) {
        StopScrollTimer();
    } else if (!scrollTimerOn_) {
        window_->Mouse().SetTimer(kScrollTimerId, kScrollTimerInterval);
        scrollTimerOn_ = true;
    }
}

void TCustomTextView::StopScrollTimer() {
    if (!scrollTimerOn_) return;
    scrollTimerOn_ = false;
    if (window_) window_->Mouse().KillTimer(kScrollTimerId);
}

void TCustomTextView::ScrollTimerTick() {
    if (!window_) return;
    if (dragging_ && window_->IsKeyDown(kKeyEscape)) {
        CancelDrag();
        return;
    }
    const TPoint mouse = window_->Mouse().CursorPos();
    const std::int32_t rows = std::max(1, RowCount());
    TDisplayCoord d = PixelsToRowColumn(mouse.X, mouse.Y);
    d.Row = std::clamp(d.Row, 1, rows);
    if (scrollDeltaX_ != 0) {
        SetLeftChar(layout_.LeftChar() + scrollDeltaX_);
        d.Column = layout_.LeftChar() + (scrollDeltaX_ > 0 ? layout_.VisibleColumns() : 0);
    }
    if (scrollDeltaY_ != 0) {
        const bool byPage = window_->ShiftState().Contains(TShiftFlag::ssShift);
        SetTopLine(layout_.TopLine() +
                   (byPage ? scrollDeltaY_ * layout_.VisibleRows() : scrollDeltaY_));
        d.Row = std::clamp(layout_.TopLine() + (scrollDeltaY_ > 0 ? layout_.VisibleRows() - 1 : 0),
                           1, rows);
    }
    const TBufferCoord target = DisplayToBuffer(d);
    if (target != caret_) {
        TPaintLock::Around(*this, [&] {
            InternalSetCaretXY(target);
            if (MouseCaptured()) SetBlockEnd(caret_);
        });
    }
    ComputeScroll(mouse.X, mouse.Y);
}

void TCustomTextView::CaptureChanged() {
    StopScrollTimer();
    CancelDrag();
}

}  // namespace mirevo
