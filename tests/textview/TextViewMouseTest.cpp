// The view's mouse over the fake window: clicks, Shift-clicks, double-clicks, drag-select
// with the scroll timer, the start of a drag, the gutter click and the cursor shape.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/textview/TextViewFixture.h"

namespace mirevo {
namespace {

using testing_support::TextViewFixture;

constexpr TShiftState kLeft{TShiftFlag::ssLeft};
constexpr TShiftState kShiftLeft{TShiftFlag::ssShift, TShiftFlag::ssLeft};

class TextViewMouseTest : public TextViewFixture {
protected:
    // A point just inside the left edge of a cell, on the middle of its row.
    TPoint At(std::int32_t column, std::int32_t row) const {
        return {view_->GutterWidth() + 2 + (column - 1) * view_->CharWidth() + 1,
                (row - view_->TopLine()) * view_->LineHeight() + view_->LineHeight() / 2};
    }
    void Press(TPoint p, TShiftState shift = kLeft) {
        view_->MouseDown(TMouseButton::mbLeft, shift, p.X, p.Y);
    }
    void Release(TPoint p, TShiftState shift = {}) {
        view_->MouseUp(TMouseButton::mbLeft, shift, p.X, p.Y);
    }
    void Click(TPoint p, TShiftState shift = kLeft) {
        Press(p, shift);
        Release(p, shift);
    }
    // A click, then the double-click press and the double-click, as the window sends them.
    void DoubleClick(TPoint p) {
        Click(p);
        window_.MousePos = p;
        TShiftState shift = kLeft;
        shift.Include(TShiftFlag::ssDouble);
        Press(p, shift);
        view_->DblClick();
        Release(p);
    }
    std::int32_t BelowText(std::int32_t extraPixels) const {
        return view_->VisibleRows() * view_->LineHeight() + extraPixels;
    }
    void SetManyLines(int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
        view_->SetText(text);
    }
};

TEST_F(TextViewMouseTest, ClickPlacesTheCaretAtTheNearestCell) {
    view_->SetText("abcdef\r\nxyz");
    const std::int32_t left = view_->GutterWidth() + 2;
    const std::int32_t w = view_->CharWidth();
    struct Case {
        const char* Name;
        TPoint Point;
        TBufferCoord Caret;
    };
    const std::vector<Case> cases = {
        {"left half of a cell", {left + 2 * w + w / 2 - 1, 3}, {3, 1}},
        {"right half of a cell", {left + 2 * w + w / 2 + 1, 3}, {4, 1}},
        {"in the gutter", {1, 3}, {1, 1}},
        {"second line", {left + w, view_->LineHeight() + 3}, {2, 2}},
        {"below the text", {left, BelowText(50)}, {1, 2}},
    };
    for (const auto& c : cases) {
        Click(c.Point);
        EXPECT_EQ(view_->CaretXY(), c.Caret) << c.Name;
        EXPECT_FALSE(view_->HasSelection()) << c.Name;
        EXPECT_FALSE(window_.HasCapture()) << c.Name;
    }
    EXPECT_TRUE(window_.Focused());
}

TEST_F(TextViewMouseTest, ShiftClickExtendsFromTheAnchorAndAPlainClickCollapses) {
    view_->SetText("abcdef\r\nxyz");
    struct Step {
        const char* Name;
        TPoint Point;
        TShiftState Shift;
        TBufferCoord Anchor;
        TBufferCoord ActiveEnd;
    };
    const std::vector<Step> steps = {
        {"click", At(2, 1), kLeft, {2, 1}, {2, 1}},
        {"shift-click right", At(5, 1), kShiftLeft, {2, 1}, {5, 1}},
        {"shift-click below", At(3, 2), kShiftLeft, {2, 1}, {3, 2}},
        {"shift-click before the anchor", At(1, 1), kShiftLeft, {2, 1}, {1, 1}},
        {"plain click outside", At(4, 2), kLeft, {4, 2}, {4, 2}},
    };
    for (const auto& s : steps) {
        Click(s.Point, s.Shift);
        EXPECT_EQ(view_->BlockBegin(), s.Anchor) << s.Name;
        EXPECT_EQ(view_->BlockEnd(), s.ActiveEnd) << s.Name;
        EXPECT_EQ(view_->CaretXY(), s.ActiveEnd) << s.Name;
    }
}

TEST_F(TextViewMouseTest, AltPressPicksColumnModeWhenTheOptionIsOn) {
    view_->SetText("abcdef\r\nxyz");
    TEditorOptions options = view_->Options();
    options.Include(TEditorOption::eoAltSetsColumnMode);
    view_->SetOptions(options);
    Click(At(2, 1), {TShiftFlag::ssAlt, TShiftFlag::ssLeft});
    EXPECT_EQ(view_->SelectionMode(), TSelectionMode::smColumn);
    Click(At(2, 1));
    EXPECT_EQ(view_->SelectionMode(), TSelectionMode::smNormal);
}

TEST_F(TextViewMouseTest, RightButtonMovesTheCaretOnlyWithItsOption) {
    view_->SetText("abcdef");
    view_->SetCaretXY({2, 1});
    const TPoint p = At(5, 1);
    view_->MouseDown(TMouseButton::mbRight, {TShiftFlag::ssRight}, p.X, p.Y);
    view_->MouseUp(TMouseButton::mbRight, {}, p.X, p.Y);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{2, 1}));

    TEditorOptions options = view_->Options();
    options.Include(TEditorOption::eoRightMouseMovesCursor);
    view_->SetOptions(options);
    view_->MouseDown(TMouseButton::mbRight, {TShiftFlag::ssRight}, p.X, p.Y);
    view_->MouseUp(TMouseButton::mbRight, {}, p.X, p.Y);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{5, 1}));

    // Inside the selection the right button leaves everything as it is (for a menu).
    view_->SetCaretAndSelection({6, 1}, {1, 1}, {6, 1});
    view_->MouseDown(TMouseButton::mbRight, {TShiftFlag::ssRight}, p.X, p.Y);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{6, 1}));
    EXPECT_EQ(view_->SelectedText(), "abcde");
}

TEST_F(TextViewMouseTest, DoubleClickSelectsTheRunOfOneKindOfCharacter) {
    struct Case {
        const char* Name;
        std::string Text;
        std::int32_t Column;
        std::string Word;
    };
    const std::vector<Case> cases = {
        {"ascii word", "hello world", 8, "world"},
        {"host inside an address", "https://www.example.com/a?id=123", 15, "example"},
        {"scheme stops at the colon", "https://www.example.com/a?id=123", 2, "https"},
        {"value after the equals sign", "https://www.example.com/a?id=123", 31, "123"},
        {"hiragana between katakana and kanji", "カタカナひらがな漢字", 11, "ひらがな"},
    };
    for (const auto& c : cases) {
        view_->SetText(c.Text);
        DoubleClick(At(c.Column, 1));
        EXPECT_EQ(view_->SelectedText(), c.Word) << c.Name;
        EXPECT_FALSE(window_.HasCapture()) << c.Name;
    }
}

TEST_F(TextViewMouseTest, DoubleClickInTheGutterSelectsNothing) {
    view_->SetText("hello world");
    ASSERT_GT(view_->GutterWidth(), 2);
    int dblClicks = 0;
    view_->OnDblClick = [&](TObject*) { ++dblClicks; };
    DoubleClick({1, 3});
    EXPECT_FALSE(view_->HasSelection());
    EXPECT_EQ(dblClicks, 1);
}

TEST_F(TextViewMouseTest, DraggingBelowTheTextScrollsPerTickAndExtendsTheSelection) {
    struct Case {
        const char* Name;
        std::int32_t Below;  // pixels below the text area
        bool Shift;
        std::int32_t TopLineAfterTick;
    };
    const std::int32_t rows = 300 / 13;
    const std::vector<Case> cases = {
        {"just below", 0, false, 2},
        {"less than a row below", 12, false, 2},
        {"one row height further", 13, false, 3},
        {"two row heights further", 27, false, 4},
        {"a page with Shift", 0, true, 1 + rows},
    };
    for (const auto& c : cases) {
        SetManyLines(100);
        view_->SetTopLine(1);
        ASSERT_EQ(view_->VisibleRows(), rows);
        Press(At(2, 1));
        const TPoint below{At(2, 1).X, BelowText(c.Below)};
        view_->MouseMove(kLeft, below.X, below.Y);
        ASSERT_TRUE(view_->ScrollTimerRunning()) << c.Name;
        EXPECT_EQ(window_.TimerInterval(TCustomTextView::kScrollTimerId), 100u) << c.Name;

        window_.MousePos = below;
        window_.Shift = c.Shift ? TShiftState{TShiftFlag::ssShift} : TShiftState{};
        view_->ScrollTimerTick();
        EXPECT_EQ(view_->TopLine(), c.TopLineAfterTick) << c.Name;
        const std::int32_t lastVisible = view_->TopLine() + rows - 1;
        EXPECT_EQ(view_->BlockBegin(), (TBufferCoord{2, 1})) << c.Name;
        EXPECT_EQ(view_->BlockEnd(), (TBufferCoord{2, lastVisible})) << c.Name;
        EXPECT_EQ(view_->CaretXY(), (TBufferCoord{2, lastVisible})) << c.Name;

        window_.Shift = {};
        const TPoint inside{below.X, view_->LineHeight() + 3};
        view_->MouseMove(kLeft, inside.X, inside.Y);
        EXPECT_FALSE(view_->ScrollTimerRunning()) << c.Name;
        EXPECT_FALSE(window_.TimerRunning(TCustomTextView::kScrollTimerId)) << c.Name;
        Release(inside);
    }
}

TEST_F(TextViewMouseTest, ReleasingOrLosingTheCaptureStopsTheTimer) {
    SetManyLines(100);
    for (const bool release : {true, false}) {
        Press(At(1, 1));
        view_->MouseMove(kLeft, 10, -5);
        ASSERT_TRUE(window_.TimerRunning(TCustomTextView::kScrollTimerId));
        if (release) {
            Release({10, -5});
        } else {
            view_->CaptureChanged();
        }
        EXPECT_FALSE(window_.TimerRunning(TCustomTextView::kScrollTimerId)) << release;
        window_.ReleaseCapture();
    }
}

TEST_F(TextViewMouseTest, ScrollDeltasUseTheTextAreaShrunkWithoutBorder) {
    SetManyLines(100);
    const std::int32_t bottom = BelowText(0);
    struct Case {
        TViewBorderStyle Border;
        std::int32_t Y;
        bool Scrolls;
    };
    const std::vector<Case> cases = {{TViewBorderStyle::bsSingle, bottom - 1, false},
                                     {TViewBorderStyle::bsSingle, bottom, true},
                                     {TViewBorderStyle::bsNone, bottom - 3, false},
                                     {TViewBorderStyle::bsNone, bottom - 2, true}};
    for (const auto& c : cases) {
        view_->SetBorderStyle(c.Border);
        Press(At(1, 1));
        view_->MouseMove(kLeft, At(1, 1).X, c.Y);
        EXPECT_EQ(view_->ScrollTimerRunning(), c.Scrolls) << c.Y;
        Release({At(1, 1).X, c.Y});
    }
}

TEST_F(TextViewMouseTest, PressInsideTheSelectionWaitsForADrag) {
    view_->SetText("hello world");
    struct Case {
        const char* Name;
        std::int32_t MoveBy;  // pixels to the right before the release
        bool Drags;
    };
    const std::vector<Case> cases = {{"release without moving", 0, false},
                                     {"move below the drag distance", 3, false},
                                     {"move by the drag distance", 4, true}};
    for (const auto& c : cases) {
        view_->SetCaretAndSelection({6, 1}, {1, 1}, {6, 1});
        const TPoint p = At(3, 1);
        Press(p);
        EXPECT_EQ(view_->SelectedText(), "hello") << c.Name;
        if (c.MoveBy) view_->MouseMove(kLeft, p.X + c.MoveBy, p.Y);
        EXPECT_EQ(view_->Dragging(), c.Drags) << c.Name;
        Release(p);
        if (c.Drags) {
            EXPECT_EQ(view_->Text(), "hello world") << c.Name;  // dropped onto itself
            EXPECT_EQ(view_->SelectedText(), "hello") << c.Name;
        } else {
            EXPECT_FALSE(view_->HasSelection()) << c.Name;
            EXPECT_EQ(view_->CaretXY(), (TBufferCoord{3, 1})) << c.Name;
        }
        EXPECT_FALSE(view_->Dragging()) << c.Name;
    }
}

TEST_F(TextViewMouseTest, AReadOnlyViewRefusesItsOwnDrag) {
    view_->SetText("hello world");
    view_->SetReadOnly(true);
    view_->SetCaretAndSelection({6, 1}, {1, 1}, {6, 1});
    const TPoint p = At(3, 1);
    Press(p);
    view_->MouseMove(kLeft, At(9, 1).X, p.Y);
    ASSERT_TRUE(view_->Dragging());
    EXPECT_EQ(window_.Cursor(), crNoDrop);
    bool accept = true;
    view_->DragOver(view_.get(), p.X, p.Y, TCustomTextView::TDragState::dsDragMove, accept);
    EXPECT_FALSE(accept);
    Release(At(9, 1));
    EXPECT_EQ(view_->Text(), "hello world");
    EXPECT_FALSE(view_->Dragging());
}

TEST_F(TextViewMouseTest, EscapeOrALostCaptureCancelsADrag) {
    view_->SetText("hello world\r\nsecond");
    for (const bool escape : {true, false}) {
        view_->SetCaretAndSelection({6, 1}, {1, 1}, {6, 1});
        Press(At(3, 1));
        view_->MouseMove(kLeft, At(3, 1).X, BelowText(5));
        ASSERT_TRUE(view_->Dragging());
        ASSERT_TRUE(window_.TimerRunning(TCustomTextView::kScrollTimerId));
        if (escape) {
            window_.KeysDown.insert(kKeyEscape);
            view_->MouseMove(kLeft, At(3, 1).X, BelowText(6));
            window_.KeysDown.clear();
        } else {
            view_->CaptureChanged();
        }
        EXPECT_FALSE(view_->Dragging()) << escape;
        EXPECT_FALSE(window_.TimerRunning(TCustomTextView::kScrollTimerId)) << escape;
        Release(At(3, 1));
        EXPECT_EQ(view_->Text(), "hello world\r\nsecond") << escape;
    }
}

TEST_F(TextViewMouseTest, GutterClickReportsTheLineAndTheMarkUnderTheMouse) {
    view_->SetText("one\r\ntwo\r\nthree");
    view_->Gutter().SetWidth(40);
    ASSERT_EQ(view_->GutterWidth(), 40);
    view_->SetBookMark(0, 1, 2);
    view_->SetBookMark(1, 1, 2);
    // Without it the right button does nothing at all.
    TEditorOptions options = view_->Options();
    options.Include(TEditorOption::eoRightMouseMovesCursor);
    view_->SetOptions(options);
    struct Click {
        TMouseButton Button;
        std::int32_t X;
        std::int32_t Row;
    };
    struct Seen {
        TMouseButton Button;
        std::int32_t Line;
        std::int32_t Bookmark;  // -1 without a mark
        bool operator==(const Seen&) const = default;
    };
    struct Case {
        const char* Name;
        Click What;
        std::vector<Seen> Expected;
    };
    const std::vector<Case> cases = {
        {"first mark", {TMouseButton::mbLeft, 5, 2}, {{TMouseButton::mbLeft, 2, 0}}},
        {"second mark", {TMouseButton::mbLeft, 13, 2}, {{TMouseButton::mbLeft, 2, 1}}},
        {"beside the marks", {TMouseButton::mbLeft, 30, 2}, {{TMouseButton::mbLeft, 2, -1}}},
        {"line without marks", {TMouseButton::mbMiddle, 5, 3}, {{TMouseButton::mbMiddle, 3, -1}}},
        {"right button on its press",
         {TMouseButton::mbRight, 5, 1},
         {{TMouseButton::mbRight, 1, -1}}},
        {"below the last line", {TMouseButton::mbLeft, 5, 5}, {}},
    };
    std::vector<Seen> seen;
    view_->OnGutterClick = [&](TObject*, TMouseButton button, std::int32_t, std::int32_t,
                               std::int32_t line, TEditMark* mark) {
        seen.push_back({button, line, mark ? mark->BookmarkNumber() : -1});
    };
    for (const auto& c : cases) {
        seen.clear();
        const std::int32_t y = (c.What.Row - 1) * view_->LineHeight() + 2;
        view_->MouseDown(c.What.Button, {}, c.What.X, y);
        view_->MouseUp(c.What.Button, {}, c.What.X, y);
        EXPECT_EQ(seen, c.Expected) << c.Name;
    }
}

TEST_F(TextViewMouseTest, DragFromTheGutterToTheTextRaisesNoGutterClick) {
    view_->SetText("one\r\ntwo\r\nthree");
    int clicks = 0;
    view_->OnGutterClick = [&](TObject*, TMouseButton, std::int32_t, std::int32_t, std::int32_t,
                               TEditMark*) { ++clicks; };
    Press({1, 2});
    view_->MouseMove(kLeft, At(3, 3).X, At(3, 3).Y);
    Release(At(3, 3));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(view_->SelectedText(), "one\r\ntwo\r\nth");
}

TEST_F(TextViewMouseTest, CursorDependsOnWhereTheMouseIs) {
    view_->SetText("hello world");
    view_->SetCaretAndSelection({6, 1}, {1, 1}, {6, 1});
    view_->Gutter().SetCursor(crArrow);
    struct Case {
        const char* Name;
        TPoint Point;
        bool DragEditing;
        TCursor Expected;
    };
    const std::vector<Case> cases = {
        {"gutter", {1, 3}, true, crArrow},
        {"over a draggable selection", At(2, 1), true, crArrow},
        {"over the selection without drag editing", At(2, 1), false, crIBeam},
        {"over text outside the selection", At(8, 1), true, crIBeam},
    };
    for (const auto& c : cases) {
        TEditorOptions options = view_->Options();
        if (c.DragEditing) {
            options.Include(TEditorOption::eoDragDropEditing);
        } else {
            options.Exclude(TEditorOption::eoDragDropEditing);
        }
        view_->SetOptions(options);
        EXPECT_EQ(view_->CursorAt(c.Point.X, c.Point.Y), c.Expected) << c.Name;
    }

    // The event, then the chain, may change the choice.
    std::vector<TBufferCoord> asked;
    view_->OnMouseCursor = [&](TObject*, const TBufferCoord& p, TCursor& cursor) {
        asked.push_back(p);
        cursor = crDrag;
    };
    view_->KbdHandler().MouseCursorHandlers().Add(
        [](IKeyView&, const TBufferCoord&, TCursor& cursor) {
            if (cursor == crDrag) cursor = crNoDrop;
        });
    EXPECT_EQ(view_->CursorAt(At(8, 1).X, At(8, 1).Y), crNoDrop);
    EXPECT_EQ(asked, (std::vector<TBufferCoord>{{8, 1}}));
}

TEST_F(TextViewMouseTest, MouseEventsAndChainsSeeThePressAndRelease) {
    view_->SetText("abc");
    std::vector<std::string> calls;
    view_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, std::int32_t, std::int32_t) {
        calls.push_back("OnMouseDown");
    };
    view_->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, std::int32_t, std::int32_t) {
        calls.push_back("OnMouseUp");
    };
    view_->KbdHandler().MouseDownHandlers().Add(
        [&](IKeyView&, TMouseButton, TShiftState, std::int32_t, std::int32_t) {
            calls.push_back("down chain");
        });
    view_->KbdHandler().MouseUpHandlers().Add([&](IKeyView&, TMouseButton, TShiftState,
                                                  std::int32_t,
                                                  std::int32_t) { calls.push_back("up chain"); });
    Click(At(2, 1));
    EXPECT_EQ(calls,
              (std::vector<std::string>{"OnMouseDown", "down chain", "OnMouseUp", "up chain"}));
}

TEST_F(TextViewMouseTest, DroppedFilesReachTheEvent) {
    std::vector<std::string> got;
    TPoint at;
    view_->OnDropFiles = [&](TObject*, std::int32_t x, std::int32_t y,
                             const std::vector<std::string>& files) {
        at = {x, y};
        got = files;
    };
    view_->DropFiles(7, 9, {"C:\\a.txt", "C:\\b.txt"});
    EXPECT_EQ(at, (TPoint{7, 9}));
    EXPECT_EQ(got, (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
}

}  // namespace
}  // namespace mirevo
