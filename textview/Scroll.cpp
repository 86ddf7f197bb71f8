// The text view's scrolling: TopLine and LeftChar, scroll bars, scroll messages, the scroll
// hint and the mouse wheel.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "textview/CustomTextView.h"
#include "textview/ScrollMath.h"

namespace mirevo {

namespace {

constexpr std::int32_t kMaxScrollPos = 32767;
constexpr std::int32_t kWheelDelta = 120;

// Range, page and position of a bar over extent cells, scaled into 16 bits when larger.
TScrollInfo BarInfo(std::int32_t extent, std::int32_t page, std::int32_t position,
                    bool disableNoScroll) {
    if (extent <= kMaxScrollPos) return {0, std::max(1, extent), page, position, disableNoScroll};
    return {0, kMaxScrollPos, MulDiv(page, kMaxScrollPos, extent),
            MulDiv(position, kMaxScrollPos, extent), disableNoScroll};
}

// The arrows of a bar whose window shows first..first+page-1 of last cells.
TScrollArrows BarArrows(bool fits, std::int32_t first, std::int32_t page, std::int32_t last) {
    if (!fits) return TScrollArrows::EnableBoth;
    if (first <= 1 && first + page - 1 >= last) return TScrollArrows::DisableBoth;
    if (first <= 1) return TScrollArrows::DisableLeftUp;
    if (first + page - 1 >= last) return TScrollArrows::DisableRightDown;
    return TScrollArrows::EnableBoth;
}

}  // namespace

void TCustomTextView::SetTopLine(std::int32_t value) {
    const std::int32_t largest = options_.Contains(TEditorOption::eoScrollPastEof)
                                     ? RowCount()
                                     : RowCount() - visibleRows_ + 1;
    value = std::max(std::min(value, largest), 1);
    if (value == topLine_) return;
    const std::int32_t delta = topLine_ - value;
    topLine_ = value;
    if (window_) {
        if (std::abs(delta) < visibleRows_) {
            window_->Scrolling().ScrollWindow(0, delta * rowHeight_, nullptr);
        } else {
            Invalidate();
        }
    }
    UpdateScrollBars();
    StatusChanged({TStatusChange::scTopLine});
}

void TCustomTextView::SetLeftChar(std::int32_t value) {
    const bool pastEol = options_.Contains(TEditorOption::eoScrollPastEol);
    const bool autoSize = options_.Contains(TEditorOption::eoAutoSizeMaxScrollWidth);
    std::int32_t largest = 1;
    if (wordWrap_) {
        value = 1;  // nothing scrolls sideways, so the longest line is not asked for
    } else if (pastEol) {
        largest = autoSize ? kMaxInt - visibleColumns_ : maxScrollWidth_ - visibleColumns_ + 1;
    } else if (lines_.LongestLineLength() > visibleColumns_) {
        largest = lines_.LongestLineLength() - visibleColumns_ + 1;
    }
    value = std::min(std::max(value, 1), std::max(largest, 1));
    if (value == leftChar_) return;
    const std::int32_t delta = leftChar_ - value;
    leftChar_ = value;
    textOffset_ = gutterWidth_ + 2 - (value - 1) * cellWidth_;
    if (window_) {
        if (std::abs(delta) < visibleColumns_) {
            const TSize client = window_->ClientSize();
            const TRect area{gutterWidth_ + 2, 0, client.Width, client.Height};
            window_->Scrolling().ScrollWindow(delta * cellWidth_, 0, &area);
        } else {
            InvalidateLines(-1, -1);
        }
    }
    if (pastEol && autoSize && maxScrollWidth_ < value + visibleColumns_) {
        SetMaxScrollWidth(value + visibleColumns_);
    } else {
        UpdateScrollBars();
    }
    StatusChanged({TStatusChange::scLeftChar});
}

void TCustomTextView::UpdateScrollBars() {
    if (!window_ || paintLock_ > 0) {
        scrollbarChanged_ = true;
        return;
    }
    scrollbarChanged_ = false;
    const bool horizontal = style_.scrollBars == TScrollStyle::ssHorizontal ||
                            style_.scrollBars == TScrollStyle::ssBoth;
    const bool vertical =
        style_.scrollBars == TScrollStyle::ssVertical || style_.scrollBars == TScrollStyle::ssBoth;
    if (horizontal && !wordWrap_) {
        UpdateHorizontalScrollBar();
    } else {
        window_->Scrolling().ShowScrollBar(TScrollBarKind::sbHorizontal, false);
    }
    if (vertical) {
        UpdateVerticalScrollBar();
    } else {
        window_->Scrolling().ShowScrollBar(TScrollBarKind::sbVertical, false);
    }
}

std::int32_t TCustomTextView::HorizontalExtent() {
    if (options_.Contains(TEditorOption::eoScrollPastEol)) return maxScrollWidth_;
    return std::max(lines_.LongestLineLength(), 1);
}

void TCustomTextView::UpdateHorizontalScrollBar() {
    const bool hideShow = options_.Contains(TEditorOption::eoHideShowScrollbars);
    const std::int32_t n = HorizontalExtent();
    const TScrollInfo info = BarInfo(n, visibleColumns_, leftChar_, !hideShow);
    const bool shown = !(hideShow && n <= kMaxScrollPos && visibleColumns_ >= n);
    window_->Scrolling().ShowScrollBar(TScrollBarKind::sbHorizontal, shown);
    window_->Scrolling().SetScrollInfo(TScrollBarKind::sbHorizontal, info);
    const bool fits =
        options_.Contains(TEditorOption::eoDisableScrollArrows) || visibleColumns_ >= n;
    window_->Scrolling().EnableScrollArrows(TScrollBarKind::sbHorizontal,
                                            BarArrows(fits, leftChar_, visibleColumns_, n));
}

std::int32_t TCustomTextView::VerticalExtent() const {
    std::int32_t n = RowCount();
    if (options_.Contains(TEditorOption::eoScrollPastEof)) n += visibleRows_ - 1;
    return n;
}

void TCustomTextView::UpdateVerticalScrollBar() {
    const bool hideShow = options_.Contains(TEditorOption::eoHideShowScrollbars);
    const std::int32_t n = VerticalExtent();
    const TScrollInfo info = BarInfo(n, visibleRows_, topLine_, !hideShow);
    const bool shown = !(hideShow && n <= kMaxScrollPos && visibleRows_ >= n);
    window_->Scrolling().ShowScrollBar(TScrollBarKind::sbVertical, shown);
    window_->Scrolling().SetScrollInfo(TScrollBarKind::sbVertical, info);
    const bool fits = options_.Contains(TEditorOption::eoDisableScrollArrows) || visibleRows_ >= n;
    window_->Scrolling().EnableScrollArrows(TScrollBarKind::sbVertical,
                                            BarArrows(fits, topLine_, visibleRows_, RowCount()));
}

void TCustomTextView::VScroll(TScrollCode code, std::int32_t position) {
    const std::int32_t page =
        options_.Contains(TEditorOption::eoScrollByOneLess) ? visibleRows_ - 1 : visibleRows_;
    switch (code) {
        case TScrollCode::LineUp:
            SetTopLine(topLine_ - 1);
            break;
        case TScrollCode::LineDown:
            SetTopLine(topLine_ + 1);
            break;
        case TScrollCode::PageUp:
            SetTopLine(topLine_ - page);
            break;
        case TScrollCode::PageDown:
            SetTopLine(topLine_ + page);
            break;
        case TScrollCode::Top:
            SetTopLine(1);
            break;
        case TScrollCode::Bottom:
            SetTopLine(RowCount());
            break;
        case TScrollCode::ThumbPosition:
        case TScrollCode::ThumbTrack:
            // Scaled exactly when the bar was scaled, also when only the rows past the end
            // make the extent exceed 16 bits.
            thumbTracking_ = true;
            SetTopLine(VerticalExtent() <= kMaxScrollPos
                           ? position
                           : MulDiv(RowCount() + visibleRows_ - 1, position, kMaxScrollPos));
            if (options_.Contains(TEditorOption::eoShowScrollHint)) ShowScrollHint();
            break;
        case TScrollCode::EndScroll:
            thumbTracking_ = false;
            if (options_.Contains(TEditorOption::eoShowScrollHint) && window_)
                window_->Hint().HideHint();
            break;
    }
    if (window_) window_->Update();
    if (OnScroll) OnScroll(this, TScrollBarKind::sbVertical);
}

void TCustomTextView::HScroll(TScrollCode code, std::int32_t position) {
    const std::int32_t page = visibleColumns_;
    const bool pastEol = options_.Contains(TEditorOption::eoScrollPastEol);
    switch (code) {
        case TScrollCode::LineUp:
            SetLeftChar(leftChar_ - 1);
            break;
        case TScrollCode::LineDown:
            SetLeftChar(leftChar_ + 1);
            break;
        case TScrollCode::PageUp:
            SetLeftChar(leftChar_ - page);
            break;
        case TScrollCode::PageDown:
            SetLeftChar(leftChar_ + page);
            break;
        case TScrollCode::Top:
            SetLeftChar(1);
            break;
        case TScrollCode::Bottom:
            SetLeftChar(pastEol ? maxScrollWidth_ - visibleColumns_ + 1
                                : lines_.LongestLineLength());
            break;
        case TScrollCode::ThumbPosition:
        case TScrollCode::ThumbTrack: {
            thumbTracking_ = true;
            const std::int32_t extent = HorizontalExtent();
            SetLeftChar(extent < kMaxScrollPos + 1 ? position
                                                   : MulDiv(extent, position, kMaxScrollPos));
            break;
        }
        case TScrollCode::EndScroll:
            thumbTracking_ = false;
            break;
    }
    if (OnScroll) OnScroll(this, TScrollBarKind::sbHorizontal);
}

std::string TCustomTextView::ScrollHintText() const {
    char text[256];
    if (scrollHintFormat_ == TScrollHintFormat::shfTopLineOnly) {
        std::snprintf(text, sizeof text, "Top Line: %d", static_cast<int>(LineOfRow(topLine_)));
    } else {
        const std::int32_t bottom = topLine_ + std::min(visibleRows_, RowCount() - topLine_);
        std::snprintf(text, sizeof text, "%d - %d", static_cast<int>(LineOfRow(topLine_)),
                      static_cast<int>(LineOfRow(bottom)));
    }
    return text;
}

void TCustomTextView::ShowScrollHint() {
    if (!window_) return;
    const std::string text = ScrollHintText();
    const TSize hint = window_->Hint().MeasureHint(text, 200);
    const TSize client = window_->ClientSize();
    const std::int32_t x = client.Width - hint.Width - 4;
    std::int32_t y = 10;
    if (options_.Contains(TEditorOption::eoScrollHintFollows)) {
        const TScrollInfo track = window_->Scrolling().ScrollTrackInfo(TScrollBarKind::sbVertical);
        const std::int32_t arrow = window_->Scrolling().VerticalScrollArrowHeight();
        const double fraction = track.Max > 0 ? static_cast<double>(track.Pos) / track.Max : 0.0;
        y = arrow + static_cast<std::int32_t>(std::lround((client.Height - 2 * arrow) * fraction)) +
            hint.Height / 2;
    }
    const TPoint corner = window_->ClientToScreen({x, y});
    window_->Hint().ShowHint({corner.X, corner.Y, corner.X + hint.Width, corner.Y + hint.Height},
                             text, scrollHintColor_);
}

void TCustomTextView::MouseWheel(std::int32_t delta, bool ctrl) {
    std::int32_t rowsPerNotch = 0;
    if (ctrl) {
        rowsPerNotch =
            options_.Contains(TEditorOption::eoHalfPageScroll) ? visibleRows_ >> 1 : visibleRows_;
    } else {
        rowsPerNotch = window_ ? window_->Scrolling().WheelScrollLines() : 3;
    }
    wheelAccumulator_ += delta;
    const std::int32_t notches = wheelAccumulator_ / kWheelDelta;
    wheelAccumulator_ %= kWheelDelta;
    if (rowsPerNotch == -1 || rowsPerNotch > visibleRows_) rowsPerNotch = visibleRows_;
    SetTopLine(topLine_ - notches * rowsPerNotch);
    if (window_) window_->Update();
    if (OnScroll) OnScroll(this, TScrollBarKind::sbVertical);
}

}  // namespace mirevo
