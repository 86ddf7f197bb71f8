// Scrolling while the mouse selects or drags beyond the text area: the deltas from the
// mouse position and the timer that applies them.
#include <algorithm>

#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

void TCustomTextView::ComputeScroll(std::int32_t x, std::int32_t y) {
    if (!window_ || !(window_->Mouse().HasCapture() || mouse_.Dragging())) return;
    const TSize cell{layout_.CellWidth(), layout_.RowHeight()};
    const TRect area = TMouseTracker::ScrollArea(layout_.GutterWidth(), cell,
                                                 layout_.VisibleColumns(), layout_.VisibleRows(),
                                                 Style().borderStyle == TViewBorderStyle::bsNone);
    ApplyTimerChange(mouse_.TrackScroll({x, y}, area, cell));
}

void TCustomTextView::StopScrollTimer() { ApplyTimerChange(mouse_.StopScroll()); }

void TCustomTextView::ApplyTimerChange(TTimerChange change) {
    if (!window_ || change == TTimerChange::None) return;
    if (change == TTimerChange::Start) {
        window_->Mouse().SetTimer(kScrollTimerId, kScrollTimerInterval);
    } else {
        window_->Mouse().KillTimer(kScrollTimerId);
    }
}

void TCustomTextView::ScrollTimerTick() {
    if (!window_) return;
    if (mouse_.Dragging() && window_->IsKeyDown(kKeyEscape)) {
        CancelDrag();
        return;
    }
    const TPoint mouse = window_->Mouse().CursorPos();
    const std::int32_t rows = std::max(1, RowCount());
    TDisplayCoord d = PixelsToRowColumn(mouse.X, mouse.Y);
    d.Row = std::clamp(d.Row, 1, rows);
    const TScrollDeltas delta = mouse_.ScrollDeltas();
    if (delta.X != 0) {
        SetLeftChar(layout_.LeftChar() + delta.X);
        d.Column = layout_.LeftChar() + (delta.X > 0 ? layout_.VisibleColumns() : 0);
    }
    if (delta.Y != 0) {
        const bool byPage = window_->ShiftState().Contains(TShiftFlag::ssShift);
        SetTopLine(layout_.TopLine() + (byPage ? delta.Y * layout_.VisibleRows() : delta.Y));
        d.Row =
            std::clamp(layout_.TopLine() + (delta.Y > 0 ? layout_.VisibleRows() - 1 : 0), 1, rows);
    }
    const TBufferCoord target = DisplayToBuffer(d);
    if (target != caret_.place) {
        TPaintLock::Around(*this, [&] {
            InternalSetCaretXY(target);
            if (MouseCaptured()) SetBlockEnd(caret_.place);
        });
    }
    ComputeScroll(mouse.X, mouse.Y);
}

void TCustomTextView::CaptureChanged() {
    StopScrollTimer();
    CancelDrag();
}

}  // namespace mirevo
