// The text view's caret: shape, position, visibility, keeping it in view and moving it.
#include <algorithm>

#include "common/Sjis.h"
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"
#include "textview/ScrollMath.h"

namespace mirevo {

void TCustomTextView::InitializeCaret() {
    const TCaretType shape = Style().insertMode ? Style().insertCaret : Style().overwriteCaret;
    std::int32_t width = layout_.CellWidth();
    std::int32_t height = layout_.RowHeight() - 2;
    caret_.offset = {0, 0};
    switch (shape) {
        case TCaretType::ctVerticalLine:
            width = 2;
            caret_.offset = {-1, 0};
            break;
        case TCaretType::ctHorizontalLine:
            height = 2;
            caret_.offset = {0, layout_.RowHeight() - 2};
            break;
        case TCaretType::ctHalfBlock:
            height = (layout_.RowHeight() - 2) / 2;
            caret_.offset = {0, height};
            break;
        case TCaretType::ctBlock:
            break;
    }
    caret_.visible = false;
    if (!window_ || !(window_->Focused() || caret_.showWithoutFocus)) return;
    window_->Caret().CreateCaret(width, height);
    UpdateCaret();
}

void TCustomTextView::UpdateCaret() {
    if (pending_.locks > 0 || !window_ || !(window_->Focused() || caret_.showWithoutFocus)) {
        pending_.caret = true;
        return;
    }
    pending_.caret = false;
    const TPoint cell = RowColumnToPixels(CaretDisplayPos());
    const std::int32_t x = cell.X + caret_.offset.X;
    const std::int32_t y = cell.Y + caret_.offset.Y + 1;
    window_->Caret().SetCaretPos(x, y);
    const TSize client = window_->ClientSize();
    if (x >= layout_.GutterWidth() && x < client.Width && y >= 0 && y < client.Height) {
        ShowCaret();
    } else {
        HideCaret();
    }
    window_->Caret().SetCompositionWindow({x, y});
}

void TCustomTextView::ShowCaret() {
    if (!window_ || options_.Contains(TEditorOption::eoNoCaret) || caret_.visible) return;
    if (window_->Caret().ShowCaret()) caret_.visible = true;
}

void TCustomTextView::HideCaret() {
    if (!window_ || !caret_.visible) return;
    if (window_->Caret().HideCaret()) caret_.visible = false;
}

void TCustomTextView::SetShowCaretWithoutFocus(bool value) {
    if (caret_.showWithoutFocus == value) return;
    caret_.showWithoutFocus = value;
    if (!window_ || window_->Focused()) return;
    if (value) {
        InitializeCaret();
    } else {
        HideCaret();
        window_->Caret().DestroyCaret();
    }
}

void TCustomTextView::RefreshLastCaretColumn() {
    caret_.stepAside = false;
    caret_.lastX = CaretDisplayPos().Column;
}

void TCustomTextView::EnsureCaretVisible(bool forceToMiddle) {
    TPaintLock::Around(*this, [&] {
        const TDisplayCoord caret = CaretDisplayPos();
        if (caret.Column < layout_.LeftChar()) {
            SetLeftChar(caret.Column);
        } else if (caret.Column >= layout_.LeftChar() + layout_.VisibleColumns()) {
            SetLeftChar(caret.Column - layout_.VisibleColumns() + 1);
        } else {
            SetLeftChar(layout_.LeftChar());
        }
        const std::int32_t y = caret.Row;
        if (forceToMiddle) {
            const std::int32_t half = layout_.VisibleRows() / 2;
            if (y < layout_.TopLine() - 1) {
                SetTopLine(y - half < 0 ? 1 : y - half + 1);
            } else if (y > layout_.TopLine() + layout_.VisibleRows() - 2) {
                SetTopLine(y - (layout_.VisibleRows() - 1) + half);
            }
            return;
        }
        if (y < layout_.TopLine()) {
            SetTopLine(y);
        } else if (y > layout_.TopLine() + std::max(1, layout_.VisibleRows()) - 1) {
            // With no whole row visible the caret row itself goes on top, not the row after it.
            SetTopLine(y - (std::max(1, layout_.VisibleRows()) - 1));
        } else {
            SetTopLine(layout_.TopLine());
        }
    });
}

void TCustomTextView::InternalSetCaretXY(const TBufferCoord& target, bool ensureVisible) {
    caret_.atRowEnd = false;
    DoOnPaintTransient(TTransientType::ttBefore);
    TBufferCoord p = target;
    std::int32_t largest = layout_.Wrap() ? kMaxInt : maxScrollWidth_ + 1;
    p.LineIndex = std::min(p.LineIndex, lines_.Count());
    if (p.LineIndex < 1) {
        p.LineIndex = 1;
        if (!options_.Contains(TEditorOption::eoScrollPastEol)) largest = 1;
    } else if (!options_.Contains(TEditorOption::eoScrollPastEol)) {
        largest = static_cast<std::int32_t>(lines_.Get(p.LineIndex - 1).size()) + 1;
    }
    // Past the limit only with both ScrollPastEol and AutoSizeMaxScrollWidth.
    if (p.CharIndex > largest && (!options_.Contains(TEditorOption::eoScrollPastEol) ||
                                  !options_.Contains(TEditorOption::eoAutoSizeMaxScrollWidth))) {
        p.CharIndex = largest;
        // A line longer than the scroll width may have a character across the limit.
        if (p.LineIndex <= lines_.Count() && OnTrailByte(lines_.Get(p.LineIndex - 1), p.CharIndex))
            --p.CharIndex;
    }
    p.CharIndex = std::max(p.CharIndex, 1);
    if (p == caret_.place) {
        RefreshLastCaretColumn();
    } else {
        TPaintLock::Around(*this, [&] {
            if (p.CharIndex != caret_.place.CharIndex) {
                caret_.place.CharIndex = p.CharIndex;
                pending_.status.Include(TStatusChange::scCaretX);
            }
            if (p.LineIndex != caret_.place.LineIndex) {
                if (Style().activeLineColor != clNone) {
                    InvalidateLine(p.LineIndex);
                    InvalidateLine(caret_.place.LineIndex);
                }
                caret_.place.LineIndex = p.LineIndex;
                pending_.status.Include(TStatusChange::scCaretY);
            }
            RefreshLastCaretColumn();
            if (ensureVisible) EnsureCaretVisible();
            pending_.caret = true;
            pending_.scrollBars = true;
        });
    }
    DoOnPaintTransient(TTransientType::ttAfter);
}

void TCustomTextView::SetCaretXY(const TBufferCoord& p) {
    TPaintLock::Around(*this, [&] {
        pending_.status.Include(TStatusChange::scSelection);
        InternalSetCaretXY(p, true);
        if (HasSelection()) InvalidateSelection();
        selection_.SetEnds(caret_.place, caret_.place);
    });
}

void TCustomTextView::SetCaretFromDisplay(const TDisplayCoord& d) {
    TPaintLock::Around(*this, [&] {
        InternalSetCaretXY(DisplayToBuffer(d));
        if (layout_.Wrap() && d.Row >= 1 && d.Row <= RowCount() &&
            d.Column > layout_.Wrap()->GetRowLength(d.Row) &&
            BufferToDisplay(caret_.place).Row != d.Row) {
            caret_.atRowEnd = true;
        }
        caret_.lastX = CaretDisplayPos().Column;
        caret_.stepAside = false;
    });
}

void TCustomTextView::MoveCaretHorz(std::int32_t dx, bool selecting) {
    if (layout_.Wrap() && dx <= 0 && !caret_.atRowEnd && caret_.place.CharIndex > 1 &&
        BufferToDisplay(caret_.place).Column == 1) {
        caret_.atRowEnd = true;
        caret_.lastX = CaretDisplayPos().Column;
        caret_.stepAside = false;
        const TDisplayCoord shown = CaretDisplayPos();
        if (shown.Column > layout_.VisibleColumns() + 1) {
            SetCaretFromDisplay({layout_.VisibleColumns() + 1, shown.Row});
        } else {
            TPaintLock::Around(*this, [&] { pending_.caret = true; });
        }
        return;
    }
    if (layout_.Wrap() && dx > 0 && caret_.atRowEnd) {
        caret_.atRowEnd = false;
        RefreshLastCaretColumn();
        TPaintLock::Around(*this, [&] { pending_.caret = true; });
        return;
    }
    const TBufferCoord from = caret_.place;
    const std::string_view line = lines_.Get(from.LineIndex - 1);
    const auto length = static_cast<std::int32_t>(line.size());
    TBufferCoord to = from;
    const bool pastEol = options_.Contains(TEditorOption::eoScrollPastEol);
    if (!pastEol && dx == -1 && from.CharIndex == 1 && from.LineIndex > 1) {
        to = {static_cast<std::int32_t>(lines_.Get(from.LineIndex - 2).size()) + 1,
              from.LineIndex - 1};
    } else if (!pastEol && dx == 1 && from.CharIndex > length && from.LineIndex < lines_.Count()) {
        to = {1, from.LineIndex + 1};
    } else {
        to.CharIndex = std::max(1, from.CharIndex + dx);
        if (dx > 0 && !pastEol) to.CharIndex = std::min(to.CharIndex, length + 1);
        if (OnTrailByte(line, to.CharIndex)) to.CharIndex += dx < 0 ? -1 : 1;
    }
    MoveCaretAndSelection(from, to, selecting);
    if (layout_.Wrap() && dx > 0 &&
        caret_.place.CharIndex <
            static_cast<std::int32_t>(lines_.Get(caret_.place.LineIndex - 1).size())) {
        const TDisplayCoord d = BufferToDisplay(caret_.place);
        if (d.Column == 1 && d.Row != RowOfLine(caret_.place.LineIndex)) {
            caret_.atRowEnd = true;
            caret_.lastX = CaretDisplayPos().Column;
            caret_.stepAside = false;
        } else if (d.Column > layout_.VisibleColumns() + 1) {
            InternalSetCaretXY(DisplayToBuffer({1, d.Row + 1}));
        }
    }
}

void TCustomTextView::MoveCaretVert(std::int32_t dy, bool selecting) {
    const TDisplayCoord start = CaretDisplayPos();
    TDisplayCoord d = start;
    d.Row += dy;
    if (dy >= 0) {
        if (LineOfRow(d.Row) > lines_.Count()) d.Row = std::max(1, RowCount());
    } else if (d.Row < 1) {
        d.Row = 1;
    }
    const bool rowChanged = d.Row != start.Row;
    if (rowChanged && options_.Contains(TEditorOption::eoKeepCaretX)) d.Column = caret_.lastX;
    TBufferCoord target = DisplayToBuffer(d);
    bool stepAside = caret_.stepAside;
    if (rowChanged) {
        if (caret_.stepAside && !options_.Contains(TEditorOption::eoKeepCaretX)) ++target.CharIndex;
        stepAside = OnTrailByte(lines_.Get(target.LineIndex - 1), target.CharIndex);
        if (stepAside) --target.CharIndex;
    }
    const std::int32_t savedLastCaretX = caret_.lastX;
    {
        TPaintLock::Around(*this, [&] {
            MoveCaretAndSelection(caret_.place, target, selecting);
            if (layout_.Wrap()) {
                const TDisplayCoord shown = BufferToDisplay(target);
                caret_.atRowEnd = shown.Column == 1 && shown.Row != d.Row;
            }
        });
    }
    caret_.stepAside = stepAside;
    caret_.lastX = savedLastCaretX;
}

// --- Focus ---------------------------------------------------------------------------------

void TCustomTextView::FocusGained() {
    ProcessCommand(kFocusGainedCommand, '\0', nullptr);
    InitializeCaret();
    if (Style().hideSelection && HasSelection()) InvalidateSelection();
}

void TCustomTextView::ImeOpenStatusChanged() {
    if (window_) window_->Caret().SetCompositionFont(font_);
}

void TCustomTextView::FocusLost() {
    ProcessCommand(kFocusLostCommand, '\0', nullptr);
    if (window_ && !window_->Focused() && !caret_.showWithoutFocus) {
        HideCaret();
        window_->Caret().DestroyCaret();
    }
    if (Style().hideSelection && HasSelection()) InvalidateSelection();
}

}  // namespace mirevo
