// The view's mouse: placing the caret, selecting by click, drag and double-click, the gutter
// click, the cursor shape and dropped files.
#include <algorithm>
#include <cstdlib>

#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

bool TCustomTextView::MouseCaptured() const {
    return window_ && window_->Mouse().HasCapture() && !dragging_;
}

TDisplayCoord TCustomTextView::NearestCell(std::int32_t x, std::int32_t y) const {
    TDisplayCoord d = PixelsToNearestRowColumn(x, y);
    d.Row = std::clamp(d.Row, 1, std::max(1, RowCount()));
    return d;
}

void TCustomTextView::ReleaseMouse() {
    if (window_) window_->Mouse().ReleaseCapture();
}

void TCustomTextView::ClearClickFlags() {
    dblClicked_ = false;
    possibleGutterClick_ = false;
    gutterDragging_ = false;
}

void TCustomTextView::MouseDown(TMouseButton button, TShiftState shift, std::int32_t x,
                                std::int32_t y) {
    const TBufferCoord anchor = BlockBegin();
    const TBufferCoord activeEnd = BlockEnd();
    const bool left = button == TMouseButton::mbLeft;
    const bool hadSelection = left && HasSelection();
    if (hadSelection) mouseDownPos_ = {x, y};

    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    if (left && shift.Contains(TShiftFlag::ssDouble)) return;
    kbdHandler_.ExecuteMouseDown(*this, button, shift, x, y);

    if (button == TMouseButton::mbRight) {
        if (!options_.Contains(TEditorOption::eoRightMouseMovesCursor)) return;
        if (PointInSelection(DisplayToBuffer(PixelsToRowColumn(x, y)))) return;
        InvalidateSelection();
        SetBlockBegin(BlockBegin());
    }
    if (button != TMouseButton::mbMiddle) SetCaretFromDisplay(NearestCell(x, y));

    bool startsSelection = button != TMouseButton::mbMiddle;
    if (left) {
        // Placing the caret must not lose the ends a Shift-press extends or a drag moves.
        SetCaretAndSelection(caret_, anchor, activeEnd);
        if (window_) window_->Mouse().SetCapture();
        waitForDragging_ = false;
        if (hadSelection && options_.Contains(TEditorOption::eoDragDropEditing) &&
            x >= layout_.GutterWidth() + 2 && SelectionMode() == TSelectionMode::smNormal &&
            PointInSelection(DisplayToBuffer(PixelsToRowColumn(x, y)))) {
            waitForDragging_ = true;
            startsSelection = false;
        }
    }
    if (startsSelection && !dblClicked_) {
        if (shift.Contains(TShiftFlag::ssShift)) {
            SetBlockEnd(caret_);
        } else {
            if (options_.Contains(TEditorOption::eoAltSetsColumnMode) &&
                ActiveSelectionMode() != TSelectionMode::smLine) {
                SetSelectionMode(shift.Contains(TShiftFlag::ssAlt) ? TSelectionMode::smColumn
                                                                   : TSelectionMode::smNormal);
            }
            SetBlockBegin(caret_);
        }
    }

    if (x < layout_.GutterWidth()) {
        possibleGutterClick_ = true;
        if (button == TMouseButton::mbRight) DoGutterClick(button, x, y);
    }
    SetFocus();
    if (window_) window_->SetFocus();
}

void TCustomTextView::MouseMove(TShiftState shift, std::int32_t x, std::int32_t y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
    if (dragging_) {
        DragMove(shift, x, y);
        return;
    }
    if (MouseCaptured() && waitForDragging_) {
        const TSize distance = window_->Mouse().DragDistance();
        if (std::abs(x - mouseDownPos_.X) >= distance.Width ||
            std::abs(y - mouseDownPos_.Y) >= distance.Height) {
            waitForDragging_ = false;
            BeginDrag(shift, x, y);
        }
        return;
    }
    if (!shift.Contains(TShiftFlag::ssLeft) || !MouseCaptured()) return;
    ComputeScroll(x, y);
    TDisplayCoord d = NearestCell(x, y);
    // While the timer scrolls in a direction, the timer alone moves the caret that way.
    if (scrollDeltaX_ != 0) d.Column = CaretDisplayPos().Column;
    if (scrollDeltaY_ != 0) d.Row = CaretDisplayPos().Row;
    InternalSetCaretXY(DisplayToBuffer(d));
    SetBlockEnd(caret_);
    if (possibleGutterClick_ && caret_.LineIndex != BlockBegin().LineIndex) gutterDragging_ = true;
}

void TCustomTextView::MouseUp(TMouseButton button, TShiftState shift, std::int32_t x,
                              std::int32_t y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    kbdHandler_.ExecuteMouseUp(*this, button, shift, x, y);
    StopScrollTimer();
    if (dragging_) {
        FinishDrag(shift, x, y);
        waitForDragging_ = false;
        ClearClickFlags();
        return;
    }
    ReleaseMouse();
    if (possibleGutterClick_ && x < layout_.GutterWidth() && button != TMouseButton::mbRight) {
        DoGutterClick(button, x, y);
    } else if (waitForDragging_ && !dblClicked_) {
        SetCaretFromDisplay(NearestCell(x, y));
        if (!shift.Contains(TShiftFlag::ssShift)) SetBlockBegin(caret_);
        SetBlockEnd(caret_);
        waitForDragging_ = false;
    }
    ClearClickFlags();
}

void TCustomTextView::DblClick() {
    const TPoint p = window_ ? window_->Mouse().CursorPos() : TPoint{};
    if (p.X < layout_.GutterWidth() + 2) {
        if (OnDblClick) OnDblClick(this);
        return;
    }
    if (!options_.Contains(TEditorOption::eoNoSelection)) SelectWordAt(caret_);
    if (OnDblClick) OnDblClick(this);
    dblClicked_ = true;
    ReleaseMouse();
}

void TCustomTextView::DoGutterClick(TMouseButton button, std::int32_t x, std::int32_t y) {
    if (!OnGutterClick) return;
    const std::int32_t line = LineOfRow(PixelsToRowColumn(x, y).Row);
    if (line > lines_.Count()) return;
    TEditMark* clicked = nullptr;
    std::int32_t right = 0;
    for (TEditMark* mark : marks_.GetMarksForLine(line)) {
        right += bookMarkOptions_.Xoffset();
        if (x < right) {
            clicked = mark;
            break;
        }
    }
    OnGutterClick(this, button, x, y, line, clicked);
}

TCursor TCustomTextView::CursorAt(std::int32_t x, std::int32_t y) {
    const TBufferCoord p = DisplayToBuffer(PixelsToRowColumn(x, y));
    TCursor cursor = cursor_;
    if (x < layout_.GutterWidth()) {
        cursor = static_cast<TCursor>(gutter_.Cursor());
    } else if (options_.Contains(TEditorOption::eoDragDropEditing) &&
               !(window_ && window_->Mouse().HasCapture()) && PointInSelection(p)) {
        cursor = crArrow;
    }
    if (OnMouseCursor) OnMouseCursor(this, p, cursor);
    kbdHandler_.ExecuteMouseCursor(*this, p, cursor);
    return cursor;
}

void TCustomTextView::DropFiles(std::int32_t x, std::int32_t y,
                                const std::vector<std::string>& files) {
    if (OnDropFiles) OnDropFiles(this, x, y, files);
}

}  // namespace mirevo
