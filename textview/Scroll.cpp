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

std::int32_t HorizontalExtent(TCustomTextView& view) {
    if (view.Options().Contains(TEditorOption::eoScrollPastEol)) return view.MaxScrollWidth();
    return std::max(view.Lines().LongestLineLength(), 1);
}

// One bar over extent cells, page of them shown from position; the arrows go off at last.
void UpdateBar(IWindowScrolling& bars, TScrollBarKind kind, TEditorOptions options,
               std::int32_t extent, std::int32_t page, std::int32_t position, std::int32_t last) {
    const bool hideShow = options.Contains(TEditorOption::eoHideShowScrollbars);
    const bool shown = !(hideShow && extent <= kMaxScrollPos && page >= extent);
    bars.ShowScrollBar(kind, shown);
    bars.SetScrollInfo(kind, BarInfo(extent, page, position, !hideShow));
    const bool fits = options.Contains(TEditorOption::eoDisableScrollArrows) || page >= extent;
    bars.EnableScrollArrows(kind, BarArrows(fits, position, page, last));
}

std::int32_t VerticalExtent(const TCustomTextView& view) {
    std::int32_t n = view.RowCount();
    if (view.Options().Contains(TEditorOption::eoScrollPastEof)) n += view.VisibleRows() - 1;
    return n;
}

void UpdateHorizontalScrollBar(TCustomTextView& view, IWindowServices& window) {
    const std::int32_t n = HorizontalExtent(view);
    UpdateBar(window.Scrolling(), TScrollBarKind::sbHorizontal, view.Options(), n,
              view.VisibleColumns(), view.LeftChar(), n);
}

void UpdateVerticalScrollBar(const TCustomTextView& view, IWindowServices& window) {
    UpdateBar(window.Scrolling(), TScrollBarKind::sbVertical, view.Options(), VerticalExtent(view),
              view.VisibleRows(), view.TopLine(), view.RowCount());
}

void ShowScrollHint(const TCustomTextView& view, IWindowServices& window) {
    const std::string text = view.ScrollHintText();
    const TSize hint = window.Hint().MeasureHint(text, 200);
    const TSize client = window.ClientSize();
    const std::int32_t x = client.Width - hint.Width - 4;
    std::int32_t y = 10;
    if (view.Options().Contains(TEditorOption::eoScrollHintFollows)) {
        const TScrollInfo track = window.Scrolling().ScrollTrackInfo(TScrollBarKind::sbVertical);
        const std::int32_t arrow = window.Scrolling().VerticalScrollArrowHeight();
        const double fraction = track.Max > 0 ? static_cast<double>(track.Pos) / track.Max : 0.0;
        y = arrow + static_cast<std::int32_t>(std::lround((client.Height - 2 * arrow) * fraction)) +
            hint.Height / 2;
    }
    const TPoint corner = window.ClientToScreen({x, y});
    window.Hint().ShowHint({corner.X, corner.Y, corner.X + hint.Width, corner.Y + hint.Height},
                           text, view.Style().scrollHintColor);
}

}  // namespace

void TCustomTextView::SetTopLine(std::int32_t value) {
    const std::int32_t largest = options_.Contains(TEditorOption::eoScrollPastEof)
                                     ? RowCount()
                                     : RowCount() - layout_.VisibleRows() + 1;
    value = std::max(std::min(value, largest), 1);
    if (value == layout_.TopLine()) return;
    const std::int32_t delta = layout_.TopLine() - value;
    layout_.SetTopLine(value);
    if (window_) {
        if (std::abs(delta) < layout_.VisibleRows()) {
            window_->Scrolling().ScrollWindow(0, delta * layout_.RowHeight(), nullptr);
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
    if (layout_.Wrap()) {
        value = 1;  // nothing scrolls sideways, so the longest line is not asked for
    } else if (pastEol) {
        largest = autoSize ? kMaxInt - layout_.VisibleColumns()
                           : maxScrollWidth_ - layout_.VisibleColumns() + 1;
    } else if (lines_.LongestLineLength() > layout_.VisibleColumns()) {
        largest = lines_.LongestLineLength() - layout_.VisibleColumns() + 1;
    }
    value = std::min(std::max(value, 1), std::max(largest, 1));
    if (value == layout_.LeftChar()) return;
    const std::int32_t delta = layout_.LeftChar() - value;
    layout_.SetLeftChar(value);
    if (window_) {
        if (std::abs(delta) < layout_.VisibleColumns()) {
            const TSize client = window_->ClientSize();
            const TRect area{layout_.GutterWidth() + 2, 0, client.Width, client.Height};
            window_->Scrolling().ScrollWindow(delta * layout_.CellWidth(), 0, &area);
        } else {
            InvalidateLines(-1, -1);
        }
    }
    if (pastEol && autoSize && maxScrollWidth_ < value + layout_.VisibleColumns()) {
        SetMaxScrollWidth(value + layout_.VisibleColumns());
    } else {
        UpdateScrollBars();
    }
    StatusChanged({TStatusChange::scLeftChar});
}

void TCustomTextView::UpdateScrollBars() {
    if (!window_ || pending_.locks > 0) {
        pending_.scrollBars = true;
        return;
    }
    pending_.scrollBars = false;
    const bool horizontal = Style().scrollBars == TScrollStyle::ssHorizontal ||
                            Style().scrollBars == TScrollStyle::ssBoth;
    const bool vertical = Style().scrollBars == TScrollStyle::ssVertical ||
                          Style().scrollBars == TScrollStyle::ssBoth;
    if (horizontal && !layout_.Wrap()) {
        UpdateHorizontalScrollBar(*this, *window_);
    } else {
        window_->Scrolling().ShowScrollBar(TScrollBarKind::sbHorizontal, false);
    }
    if (vertical) {
        UpdateVerticalScrollBar(*this, *window_);
    } else {
        window_->Scrolling().ShowScrollBar(TScrollBarKind::sbVertical, false);
    }
}

void TCustomTextView::VScroll(TScrollCode code, std::int32_t position) {
    const std::int32_t page = options_.Contains(TEditorOption::eoScrollByOneLess)
                                  ? layout_.VisibleRows() - 1
                                  : layout_.VisibleRows();
    switch (code) {
        case TScrollCode::LineUp:
            SetTopLine(layout_.TopLine() - 1);
            break;
        case TScrollCode::LineDown:
            SetTopLine(layout_.TopLine() + 1);
            break;
        case TScrollCode::PageUp:
            SetTopLine(layout_.TopLine() - page);
            break;
        case TScrollCode::PageDown:
            SetTopLine(layout_.TopLine() + page);
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
            SetTopLine(
                VerticalExtent(*this) <= kMaxScrollPos
                    ? position
                    : MulDiv(RowCount() + layout_.VisibleRows() - 1, position, kMaxScrollPos));
            if (options_.Contains(TEditorOption::eoShowScrollHint) && window_) {
                ShowScrollHint(*this, *window_);
            }
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
    const std::int32_t page = layout_.VisibleColumns();
    const bool pastEol = options_.Contains(TEditorOption::eoScrollPastEol);
    switch (code) {
        case TScrollCode::LineUp:
            SetLeftChar(layout_.LeftChar() - 1);
            break;
        case TScrollCode::LineDown:
            SetLeftChar(layout_.LeftChar() + 1);
            break;
        case TScrollCode::PageUp:
            SetLeftChar(layout_.LeftChar() - page);
            break;
        case TScrollCode::PageDown:
            SetLeftChar(layout_.LeftChar() + page);
            break;
        case TScrollCode::Top:
            SetLeftChar(1);
            break;
        case TScrollCode::Bottom:
            SetLeftChar(pastEol ? maxScrollWidth_ - layout_.VisibleColumns() + 1
                                : lines_.LongestLineLength());
            break;
        case TScrollCode::ThumbPosition:
        case TScrollCode::ThumbTrack: {
            thumbTracking_ = true;
            const std::int32_t extent = HorizontalExtent(*this);
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
    if (Style().scrollHintFormat == TScrollHintFormat::shfTopLineOnly) {
        std::snprintf(text, sizeof text, "Top Line: %d",
                      static_cast<int>(LineOfRow(layout_.TopLine())));
    } else {
        const std::int32_t bottom =
            layout_.TopLine() + std::min(layout_.VisibleRows(), RowCount() - layout_.TopLine());
        std::snprintf(text, sizeof text, "%d - %d", static_cast<int>(LineOfRow(layout_.TopLine())),
                      static_cast<int>(LineOfRow(bottom)));
    }
    return text;
}

void TCustomTextView::MouseWheel(std::int32_t delta, bool ctrl) {
    std::int32_t rowsPerNotch = 0;
    if (ctrl) {
        rowsPerNotch = options_.Contains(TEditorOption::eoHalfPageScroll)
                           ? layout_.VisibleRows() >> 1
                           : layout_.VisibleRows();
    } else {
        rowsPerNotch = window_ ? window_->Scrolling().WheelScrollLines() : 3;
    }
    wheelAccumulator_ += delta;
    const std::int32_t notches = wheelAccumulator_ / kWheelDelta;
    wheelAccumulator_ %= kWheelDelta;
    if (rowsPerNotch == -1 || rowsPerNotch > layout_.VisibleRows())
        rowsPerNotch = layout_.VisibleRows();
    SetTopLine(layout_.TopLine() - notches * rowsPerNotch);
    if (window_) window_->Update();
    if (OnScroll) OnScroll(this, TScrollBarKind::sbVertical);
}

}  // namespace mirevo
