// The text view's mouse messages in a real window: selecting by press, move and release,
// the double-click, the cursor answer and the scroll timer of a drag below the text.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/wine/TextViewWindowFixture.h"

namespace mirevo::testing_support {
namespace {

class TextViewMouse : public TextViewWindowFixture {
protected:
    // The client point of the left edge of a cell (1-based column and row).
    LPARAM Cell(int column, int row) const {
        const int x = view_.GutterWidth() + 2 + (column - 1) * view_.CharWidth() + 1;
        const int y = (row - view_.TopLine()) * view_.LineHeight() + view_.LineHeight() / 2;
        return MAKELPARAM(x, y);
    }
};

TEST_F(TextViewMouse, PressMoveAndReleaseSelectText) {
    HWND hwnd = Open();
    view_.SetText("hello world\r\nsecond line");
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Cell(1, 1));
    EXPECT_EQ(GetCapture(), hwnd);
    EXPECT_EQ(GetFocus(), hwnd);
    SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, Cell(6, 1));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, Cell(6, 1));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(view_.SelectedText(), "hello");

    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Cell(3, 2));
    SendMessageA(hwnd, WM_LBUTTONUP, MK_SHIFT, Cell(3, 2));
    EXPECT_EQ(view_.SelectedText(), "hello world\r\nse");
}

TEST_F(TextViewMouse, OnlyTheLeftButtonsDoubleClickSelectsAWord) {
    struct Button {
        UINT down, doubleClick, up;
        WPARAM held;
        const char* selected;
    };
    HWND hwnd = Open();
    const LPARAM at = Cell(8, 1);
    POINT screen{LOWORD(at), HIWORD(at)};
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
    // The right button's release would open the context menu, so it is left out.
    for (const Button& b :
         {Button{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MK_LBUTTON, "world"},
          Button{WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, 0, MK_RBUTTON, ""},
          Button{WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_MBUTTONUP, MK_MBUTTON, ""}}) {
        view_.SetText("hello world");
        SendMessageA(hwnd, b.down, b.held, at);
        if (b.up) SendMessageA(hwnd, b.up, 0, at);
        SendMessageA(hwnd, b.doubleClick, b.held, at);
        if (b.up) SendMessageA(hwnd, b.up, 0, at);
        EXPECT_EQ(view_.SelectedText(), b.selected) << b.down;
    }
}

TEST_F(TextViewMouse, SetCursorAnswersForTheClientArea) {
    HWND hwnd = Open();
    EXPECT_EQ(SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
}

TEST_F(TextViewMouse, TimerAfterADragBelowTheTextScrolls) {
    HWND hwnd = Open();
    std::string text = "first";
    for (int i = 2; i <= 40; ++i) text += "\r\nline " + std::to_string(i);
    view_.SetText(text);
    Pump();
    ASSERT_EQ(view_.TopLine(), 1);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Cell(1, 1));
    const int below = view_.VisibleRows() * view_.LineHeight() + 2;
    const LPARAM outside = MAKELPARAM(LOWORD(Cell(1, 1)), below);
    SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, outside);
    ASSERT_TRUE(view_.ScrollTimerRunning());
    POINT screen{LOWORD(outside), below};
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(hwnd, WM_TIMER, TCustomTextView::kScrollTimerId, 0);
    EXPECT_EQ(view_.TopLine(), 2);
    EXPECT_EQ(view_.BlockEnd().LineIndex, view_.VisibleRows() + 1);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, outside);
    EXPECT_FALSE(view_.ScrollTimerRunning());
}

}  // namespace
}  // namespace mirevo::testing_support
