#include "textview/MouseTracker.h"

#include <cstdlib>

namespace mirevo {

namespace {

// Cells (or rows) outside [low, high): negative before, positive at or after high; the first
// partial cell already counts as one.
std::int32_t DeltaOutside(std::int32_t v, std::int32_t low, std::int32_t high, std::int32_t cell) {
    if (cell <= 0) return 0;
    if (v < low) return (v - low) / cell - 1;
    if (v >= high) return (v - high) / cell + 1;
    return 0;
}

}  // namespace

bool TMouseTracker::MovedForDrag(TPoint now, TSize distance) const {
    return std::abs(now.X - pressPoint_.X) >= distance.Width ||
           std::abs(now.Y - pressPoint_.Y) >= distance.Height;
}

void TMouseTracker::ClearClickFlags() {
    doubleClicked_ = false;
    possibleGutterClick_ = false;
    gutterDragging_ = false;
}

TRect TMouseTracker::ScrollArea(std::int32_t gutterWidth, TSize cell, std::int32_t columns,
                                std::int32_t rows, bool inset) {
    const TRect area{gutterWidth, 0, gutterWidth + columns * cell.Width, rows * cell.Height};
    if (!inset) return area;
    return {area.Left + 2, area.Top + 2, area.Right - 2, area.Bottom - 2};
}

TTimerChange TMouseTracker::TrackScroll(TPoint p, const TRect& area, TSize cell) {
    deltas_ = {DeltaOutside(p.X, area.Left, area.Right, cell.Width),
               DeltaOutside(p.Y, area.Top, area.Bottom, cell.Height)};
    if (!deltas_.Any()) return StopScroll();
    if (timerOn_) return TTimerChange::None;
    timerOn_ = true;
    return TTimerChange::Start;
}

TTimerChange TMouseTracker::StopScroll() {
    if (!timerOn_) return TTimerChange::None;
    timerOn_ = false;
    return TTimerChange::Stop;
}

void TMouseTracker::BeginDrag() {
    dragging_ = true;
    target_ = {};
}

TDragTarget TMouseTracker::EndDrag() {
    const TDragTarget target = target_;
    dragging_ = false;
    target_ = {};
    return target;
}

TDragTarget TMouseTracker::Locate(TCustomTextView* source, TPoint p) const {
    if (locator_) return locator_(p);
    return {source, p};
}

}  // namespace mirevo
