// The view's mouse: placing the caret, selecting by click, drag and double-click, the gutter
// click, the cursor shape and dropped files.
#include <algorithm>

#include "common/DpiScale.h"
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

namespace {

// OnGutterClick with the line under (x, y) and the bookmark glyph clicked, if any.
void DoGutterClick(TCustomTextView& view, TMouseButton button, std::int32_t x, std::int32_t y) {
    if (!view.OnGutterClick) return;
    const std::int32_t line = view.LineOfRow(view.PixelsToRowColumn(x, y).Row);
    if (line > view.Lines().Count()) return;
    TEditMark* clicked = nullptr;
    const std::uint32_t dpi = view.PixelsPerInch();
    std::int32_t right = 0;
    for (TEditMark* mark : view.Marks().GetMarksForLine(line)) {
        right += ToDevicePixels(view.BookMarkOptions().Xoffset(), dpi);
        if (x < right) {
            clicked = mark;
            break;
        }
    }
    view.OnGutterClick(&view, button, x, y, line, clicked);
}

}  // namespace

bool TCustomTextView::MouseCaptured() const {
    return window_ && window_->Mouse().HasCapture() && !mouse_.Dragging();
}

void TCustomTextView::MouseDown(TMouseButton button, TShiftState shift, std::int32_t x,
                                std::int32_t y) {
    const TBufferCoord anchor = BlockBegin();
    const TBufferCoord activeEnd = BlockEnd();
    const bool left = button == TMouseButton::mbLeft;
    const bool hadSelection = left && HasSelection();
    if (hadSelection) mouse_.SetPressPoint({x, y});

    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    if (left && shift.Contains(TShiftFlag::ssDouble)) return;
    kbdHandler_.ExecuteMouseDown(*this, button, shift, x, y);

    if (button == TMouseButton::mbRight) {
        if (!options_.Contains(TEditorOption::eoRightMouseMovesCursor)) return;
        if (PointInSelection(DisplayToBuffer(PixelsToRowColumn(x, y)))) return;
        InvalidateSelection();
        SetBlockBegin(BlockBegin());
    }
    if (button != TMouseButton::mbMiddle) SetCaretFromDisplay(layout_.NearestCell(x, y));

    bool startsSelection = button != TMouseButton::mbMiddle;
    if (left) {
        // Placing the caret must not lose the ends a Shift-press extends or a drag moves.
        SetCaretAndSelection(caret_.place, anchor, activeEnd);
        if (window_) window_->Mouse().SetCapture();
        mouse_.SetWaitingForDrag(false);
        if (hadSelection && options_.Contains(TEditorOption::eoDragDropEditing) &&
            x >= layout_.GutterWidth() + 2 && SelectionMode() == TSelectionMode::smNormal &&
            PointInSelection(DisplayToBuffer(PixelsToRowColumn(x, y)))) {
            mouse_.SetWaitingForDrag(true);
            startsSelection = false;
        }
    }
    if (startsSelection && !mouse_.DoubleClicked()) {
        if (shift.Contains(TShiftFlag::ssShift)) {
            SetBlockEnd(caret_.place);
        } else {
            if (options_.Contains(TEditorOption::eoAltSetsColumnMode) &&
                ActiveSelectionMode() != TSelectionMode::smLine) {
                SetSelectionMode(shift.Contains(TShiftFlag::ssAlt) ? TSelectionMode::smColumn
                                                                   : TSelectionMode::smNormal);
            }
            SetBlockBegin(caret_.place);
        }
    }

    if (x < layout_.GutterWidth()) {
        mouse_.SetPossibleGutterClick();
        if (button == TMouseButton::mbRight) DoGutterClick(*this, button, x, y);
    }
    SetFocus();
    if (window_) window_->SetFocus();
}

void TCustomTextView::MouseMove(TShiftState shift, std::int32_t x, std::int32_t y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
    if (mouse_.Dragging()) {
        DragMove(shift, x, y);
        return;
    }
    if (MouseCaptured() && mouse_.WaitingForDrag()) {
        if (mouse_.MovedForDrag({x, y}, window_->Mouse().DragDistance())) {
            mouse_.SetWaitingForDrag(false);
            BeginDrag(shift, x, y);
        }
        return;
    }
    if (!shift.Contains(TShiftFlag::ssLeft) || !MouseCaptured()) return;
    ComputeScroll(x, y);
    TDisplayCoord d = layout_.NearestCell(x, y);
    // While the timer scrolls in a direction, the timer alone moves the caret that way.
    if (mouse_.ScrollDeltas().X != 0) d.Column = CaretDisplayPos().Column;
    if (mouse_.ScrollDeltas().Y != 0) d.Row = CaretDisplayPos().Row;
    InternalSetCaretXY(DisplayToBuffer(d));
    SetBlockEnd(caret_.place);
    if (mouse_.PossibleGutterClick() && caret_.place.LineIndex != BlockBegin().LineIndex) {
        mouse_.SetGutterDragging();
    }
}

void TCustomTextView::MouseUp(TMouseButton button, TShiftState shift, std::int32_t x,
                              std::int32_t y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    kbdHandler_.ExecuteMouseUp(*this, button, shift, x, y);
    StopScrollTimer();
    if (mouse_.Dragging()) {
        FinishDrag(shift, x, y);
        mouse_.SetWaitingForDrag(false);
        mouse_.ClearClickFlags();
        return;
    }
    if (window_) window_->Mouse().ReleaseCapture();
    if (mouse_.PossibleGutterClick() && x < layout_.GutterWidth() &&
        button != TMouseButton::mbRight) {
        DoGutterClick(*this, button, x, y);
    } else if (mouse_.WaitingForDrag() && !mouse_.DoubleClicked()) {
        SetCaretFromDisplay(layout_.NearestCell(x, y));
        if (!shift.Contains(TShiftFlag::ssShift)) SetBlockBegin(caret_.place);
        SetBlockEnd(caret_.place);
        mouse_.SetWaitingForDrag(false);
    }
    mouse_.ClearClickFlags();
}

void TCustomTextView::DblClick() {
    const TPoint p = window_ ? window_->Mouse().CursorPos() : TPoint{};
    if (p.X < layout_.GutterWidth() + 2) {
        if (OnDblClick) OnDblClick(this);
        return;
    }
    if (!options_.Contains(TEditorOption::eoNoSelection)) SelectWordAt(caret_.place);
    if (OnDblClick) OnDblClick(this);
    mouse_.SetDoubleClicked();
    if (window_) window_->Mouse().ReleaseCapture();
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
