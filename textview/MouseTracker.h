// TMouseTracker: the state of the mouse's gesture on a text view, from a press to its
// release, and the decisions that need no view: when a press that waits for a drag has moved
// far enough to start one, which clicks were in the gutter or came with a double-click, how
// many cells beyond the text area the mouse is (which starts and stops the scroll timer), and
// which view a running drag is over. Like TSelection it returns what changes (a timer to
// start or stop, the target left behind); the view moves the caret, scrolls and repaints.
//
// The gestures, as the view runs them. A left press places the caret at the nearest cell and
// captures the mouse: Shift extends the selection from its anchor, a plain press collapses
// it (Alt picks column mode with eoAltSetsColumnMode), and a press inside a stream selection
// waits for a drag instead (eoDragDropEditing), its release without a drag collapsing the
// selection there. Moving with the button held selects; beyond the text area the scroll
// timer scrolls while the selection follows. The right button moves the caret only with
// eoRightMouseMovesCursor. A release after a press in the gutter raises OnGutterClick (the
// right button's press does, when that button moves the caret).
//
// A drag of the selection starts when a press inside it is followed by a move of the
// system's drag distance, and runs while the view holds the mouse capture: moves go to the
// target under the mouse, the release drops there, Escape or a lost capture cancels. The
// target is found by the locator the platform sets (its client point under the mouse);
// without one the source view itself is the target.
#pragma once

#include <cstdint>
#include <functional>

#include "common/Geometry.h"

namespace mirevo {

class TCustomTextView;

// A view under the mouse during a drag, with the point in its client pixels.
struct TDragTarget {
    TCustomTextView* View = nullptr;
    TPoint At;
};
// Finds the view under a point of the dragging view's client area.
using TDragTargetLocator = std::function<TDragTarget(TPoint sourcePoint)>;

// Cells (rows) the mouse is beyond the text area: negative before it, positive after.
struct TScrollDeltas {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool Any() const { return X != 0 || Y != 0; }
    friend bool operator==(const TScrollDeltas&, const TScrollDeltas&) = default;
};

enum class TTimerChange : std::uint8_t { None, Start, Stop };

class TMouseTracker {
public:
    // --- A press and its release -----------------------------------------------------------
    // Where the press that may start a drag was.
    TPoint PressPoint() const { return pressPoint_; }
    void SetPressPoint(TPoint p) { pressPoint_ = p; }
    // A press inside a selection waits for a drag instead of selecting.
    bool WaitingForDrag() const { return waitingForDrag_; }
    void SetWaitingForDrag(bool value) { waitingForDrag_ = value; }
    // True once the mouse is the system's drag distance (either way) from the press point.
    bool MovedForDrag(TPoint now, TSize distance) const;
    // Flags of the click, all cleared when the gesture ends.
    bool DoubleClicked() const { return doubleClicked_; }
    void SetDoubleClicked() { doubleClicked_ = true; }
    bool PossibleGutterClick() const { return possibleGutterClick_; }
    void SetPossibleGutterClick() { possibleGutterClick_ = true; }
    bool GutterDragging() const { return gutterDragging_; }
    void SetGutterDragging() { gutterDragging_ = true; }
    void ClearClickFlags();

    // --- Scrolling beyond the text area ----------------------------------------------------
    // The text area the mouse is measured against: right of the gutter, as many whole cells
    // as are visible, inset by two pixels without a border.
    static TRect ScrollArea(std::int32_t gutterWidth, TSize cell, std::int32_t columns,
                            std::int32_t rows, bool inset);
    // The deltas for the mouse at p; the first partial cell outside counts as one. The
    // timer runs exactly while a delta is not zero.
    TTimerChange TrackScroll(TPoint p, const TRect& area, TSize cell);
    TTimerChange StopScroll();
    const TScrollDeltas& ScrollDeltas() const { return deltas_; }
    bool ScrollTimerOn() const { return timerOn_; }

    // --- A drag of the selection -----------------------------------------------------------
    bool Dragging() const { return dragging_; }
    void BeginDrag();
    // The target the drag is over (none until it has moved once).
    const TDragTarget& Target() const { return target_; }
    void SetTarget(const TDragTarget& target) { target_ = target; }
    // Ends the drag and returns the target it was over.
    TDragTarget EndDrag();
    void SetLocator(TDragTargetLocator locator) { locator_ = std::move(locator); }
    // The locator's answer, or source itself at the point without a locator.
    TDragTarget Locate(TCustomTextView* source, TPoint p) const;

private:
    TPoint pressPoint_;
    bool waitingForDrag_ = false;
    bool doubleClicked_ = false;
    bool possibleGutterClick_ = false;
    bool gutterDragging_ = false;
    TScrollDeltas deltas_;
    bool timerOn_ = false;
    bool dragging_ = false;
    TDragTarget target_;
    TDragTargetLocator locator_;
};

}  // namespace mirevo
