// Drag-and-drop editing: the drag of a selection from this view, and this view as the
// target of a drag from itself or another view.
#include <algorithm>

#include "textview/Bracketed.h"
#include "textview/CustomTextView.h"
#include "textview/LineStoreUpdate.h"
#include "textview/PaintLock.h"
#include "textview/SelectionEdit.h"
#include "textview/UndoBlock.h"

namespace mirevo {

namespace {

// Where a drop point lands once the moved text [first, last) has left the same view; only
// points after the text move.
TBufferCoord AfterRemoval(TBufferCoord drop, const TBufferCoord& first, const TBufferCoord& last) {
    if (drop < last) return drop;
    if (drop.LineIndex == last.LineIndex) {
        return {first.CharIndex + drop.CharIndex - last.CharIndex, first.LineIndex};
    }
    drop.LineIndex -= last.LineIndex - first.LineIndex;
    return drop;
}

}  // namespace

void TCustomTextView::BeginDrag(TShiftState shift, std::int32_t x, std::int32_t y) {
    mouse_.BeginDrag();
    DragMove(shift, x, y);
}

void TCustomTextView::DragMove(TShiftState shift, std::int32_t x, std::int32_t y) {
    if (window_ && window_->IsKeyDown(kKeyEscape)) {
        CancelDrag();
        return;
    }
    const TDragTarget target = mouse_.Locate(this, {x, y});
    const TDragTarget left = mouse_.Target();
    bool accept = false;
    if (target.View != left.View && left.View) {
        left.View->DragOver(this, left.At.X, left.At.Y, TDragState::dsDragLeave, accept);
        accept = false;
    }
    if (target.View) {
        const TDragState state =
            target.View == left.View ? TDragState::dsDragMove : TDragState::dsDragEnter;
        target.View->DragOver(this, target.At.X, target.At.Y, state, accept);
    }
    mouse_.SetTarget(target);
    if (!window_) return;
    if (!accept) {
        window_->Mouse().SetCursor(crNoDrop);
    } else {
        window_->Mouse().SetCursor(shift.Contains(TShiftFlag::ssCtrl) ? crMultiDrag : crDrag);
    }
}

void TCustomTextView::FinishDrag(TShiftState shift, std::int32_t x, std::int32_t y) {
    DragMove(shift, x, y);
    if (!mouse_.Dragging()) return;
    // The drag is over before the capture goes, so losing it cancels nothing.
    const TDragTarget target = mouse_.EndDrag();
    StopScrollTimer();
    if (window_) window_->Mouse().ReleaseCapture();
    if (target.View) target.View->DragDrop(this, target.At.X, target.At.Y);
}

void TCustomTextView::CancelDrag() {
    if (!mouse_.Dragging()) return;
    const TDragTarget target = mouse_.EndDrag();
    StopScrollTimer();
    if (target.View) {
        bool accept = false;
        target.View->DragOver(this, target.At.X, target.At.Y, TDragState::dsDragLeave, accept);
    }
    if (window_) window_->Mouse().ReleaseCapture();
}

void TCustomTextView::DragOver(TCustomTextView* source, std::int32_t x, std::int32_t y,
                               TDragState state, bool& accept) {
    accept = source && !Style().readOnly;
    if (!accept) return;
    if (source != this) {
        InternalSetCaretXY(DisplayToBuffer(layout_.NearestCell(x, y)));
        return;
    }
    if (state == TDragState::dsDragLeave) {
        InternalSetCaretXY(
            DisplayToBuffer(layout_.NearestCell(mouse_.PressPoint().X, mouse_.PressPoint().Y)));
        return;
    }
    TDisplayCoord d = layout_.NearestCell(x, y);
    d.Column =
        std::clamp(d.Column, layout_.LeftChar(),
                   std::max(layout_.LeftChar(), layout_.LeftChar() + layout_.VisibleColumns()));
    d.Row = std::clamp(d.Row, layout_.TopLine(),
                       std::max(layout_.TopLine(), layout_.TopLine() + layout_.VisibleRows() - 1));
    InternalSetCaretXY(DisplayToBuffer(d));
    ComputeScroll(x, y);
}

void TCustomTextView::DragDrop(TCustomTextView* source, std::int32_t x, std::int32_t y) {
    if (Style().readOnly || !source || !source->HasSelection()) return;
    const TShiftState keys = window_ ? window_->ShiftState() : TShiftState{};
    const bool sameView = source == this;
    const bool move =
        sameView ? !keys.Contains(TShiftFlag::ssCtrl) : keys.Contains(TShiftFlag::ssShift);
    TPaintLock::Around(*this, [&] {
        if (OnDragDrop) OnDragDrop(this, source, x, y);
        InternalSetCaretXY(DisplayToBuffer(layout_.NearestCell(x, y)));
        TBufferCoord drop = caret_.place;
        if (sameView && (PointInSelection(drop) || (move && drop == SelectionLast()))) return;

        TUndoBlock::Around(undoList_, [&] {
            const std::string text = source->SelectedText();
            if (move) {
                const TBufferCoord first = source->SelectionFirst();
                const TBufferCoord last = source->SelectionLast();
                source->SetSelectedText({});
                if (sameView) drop = AfterRemoval(drop, first, last);
            }
            InsertDropped(text, drop,
                          sameView ? TChangeKind::ChangeDragDropInsert : TChangeKind::ChangeInsert);
            SetBlockEnd(caret_.place);
            ProcessCommand(ecSelGotoXY, 0, &drop);
        });
    });
}

void TCustomTextView::InsertDropped(const std::string& text, const TBufferCoord& at,
                                    TChangeKind kind) {
    const TEditorOptions saved = options_;
    TEditorOptions pastEol = saved;
    pastEol.Include(TEditorOption::eoScrollPastEol);
    Bracketed([&] { SetOptions(pastEol); }, [&] { SetOptions(saved); },
              [&] {
                  InternalSetCaretXY(at);
                  SetBlockBegin(at);
                  TPaintLock::Around(*this, [&] {
                      TLineStoreUpdate::Around(lines_, [&] {
                          InternalSetCaretXY(ReplaceSelectedText(lines_, selection_, text).Caret);
                      });
                  });
                  // One record for the whole insertion, of the kind that tells a drop from
                  // typing.
                  undoList_.RecordChange(kind, at, caret_.place, {}, selection_.CurrentMode());
              });
}

}  // namespace mirevo
