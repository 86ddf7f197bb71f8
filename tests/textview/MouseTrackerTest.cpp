// The mouse tracker on its own: a gesture's state and the changes it returns.
#include <gtest/gtest.h>

#include <vector>

#include "textview/MouseTracker.h"

namespace mirevo {
namespace {

TEST(MouseTracker, TheScrollTimerRunsExactlyWhileTheMouseIsBeyondTheTextArea) {
    // Text area 30..90 x 0..52: ten cells of 6 by four rows of 13.
    const TSize cell{6, 13};
    const TRect area = TMouseTracker::ScrollArea(30, cell, 10, 4, false);
    ASSERT_EQ(area, (TRect{30, 0, 90, 52}));
    EXPECT_EQ(TMouseTracker::ScrollArea(30, cell, 10, 4, true), (TRect{32, 2, 88, 50}));
    struct Step {
        TPoint mouse;
        TScrollDeltas deltas;
        TTimerChange timer;
    };
    const std::vector<Step> steps{
        {{50, 20}, {0, 0}, TTimerChange::None},    // inside: no timer to stop
        {{29, 20}, {-1, 0}, TTimerChange::Start},  // one pixel left counts as a cell
        {{23, 20}, {-2, 0}, TTimerChange::None},   // further left: still running
        {{90, 52}, {1, 1}, TTimerChange::None},    // the right and bottom edges are outside
        {{95, 80}, {1, 3}, TTimerChange::None},   {{60, -1}, {0, -1}, TTimerChange::None},
        {{89, 51}, {0, 0}, TTimerChange::Stop},  // back inside
        {{89, 51}, {0, 0}, TTimerChange::None},
    };
    TMouseTracker tracker;
    for (const Step& step : steps) {
        EXPECT_EQ(tracker.TrackScroll(step.mouse, area, cell), step.timer)
            << step.mouse.X << "," << step.mouse.Y;
        EXPECT_EQ(tracker.ScrollDeltas(), step.deltas) << step.mouse.X << "," << step.mouse.Y;
        EXPECT_EQ(tracker.ScrollTimerOn(), step.deltas.Any());
    }
    tracker.TrackScroll({0, 0}, area, cell);
    EXPECT_EQ(tracker.StopScroll(), TTimerChange::Stop);
    EXPECT_EQ(tracker.StopScroll(), TTimerChange::None);
    // Without a cell nothing counts as outside.
    EXPECT_EQ(tracker.TrackScroll({-50, -50}, area, {0, 0}), TTimerChange::None);
    EXPECT_FALSE(tracker.ScrollDeltas().Any());
}

TEST(MouseTracker, APressWaitsForTheDragDistanceEitherWay) {
    TMouseTracker tracker;
    tracker.SetPressPoint({100, 50});
    const TSize distance{4, 5};
    EXPECT_FALSE(tracker.MovedForDrag({103, 54}, distance));
    EXPECT_FALSE(tracker.MovedForDrag({97, 46}, distance));
    EXPECT_TRUE(tracker.MovedForDrag({104, 50}, distance));
    EXPECT_TRUE(tracker.MovedForDrag({96, 50}, distance));
    EXPECT_TRUE(tracker.MovedForDrag({100, 45}, distance));

    tracker.SetDoubleClicked();
    tracker.SetPossibleGutterClick();
    tracker.SetGutterDragging();
    tracker.ClearClickFlags();
    EXPECT_FALSE(tracker.DoubleClicked() || tracker.PossibleGutterClick() ||
                 tracker.GutterDragging());
}

TEST(MouseTracker, ADragKeepsItsTargetUntilItEnds) {
    TMouseTracker tracker;
    auto* source = reinterpret_cast<TCustomTextView*>(0x1000);
    auto* other = reinterpret_cast<TCustomTextView*>(0x2000);
    // Without a locator the source view is the target, at the same point.
    EXPECT_EQ(tracker.Locate(source, {5, 6}).View, source);
    EXPECT_EQ(tracker.Locate(source, {5, 6}).At, (TPoint{5, 6}));
    tracker.SetLocator([&](TPoint p) { return TDragTarget{other, {p.X + 1, p.Y}}; });
    EXPECT_EQ(tracker.Locate(source, {5, 6}).View, other);
    EXPECT_EQ(tracker.Locate(source, {5, 6}).At, (TPoint{6, 6}));

    tracker.BeginDrag();
    EXPECT_TRUE(tracker.Dragging());
    EXPECT_EQ(tracker.Target().View, nullptr);
    tracker.SetTarget({other, {1, 2}});
    const TDragTarget left = tracker.EndDrag();
    EXPECT_EQ(left.View, other);
    EXPECT_FALSE(tracker.Dragging());
    EXPECT_EQ(tracker.Target().View, nullptr);
}

}  // namespace
}  // namespace mirevo
