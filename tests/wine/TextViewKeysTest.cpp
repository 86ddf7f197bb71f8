// Keys held with Alt in the text view's window, delivered through the message loop as the
// keyboard delivers them: the view's bindings take Alt+Backspace (undo) and
// Shift+Alt+Backspace (redo), with the character each key makes.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "tests/wine/TextViewWindowFixture.h"

namespace mirevo::testing_support {
namespace {

class TextViewKeys : public TextViewWindowFixture {
protected:
    void Hold(std::initializer_list<int> held, bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        for (const int key : held) keys[key] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    // A key pressed and let go with Alt (and Shift when asked) held.
    void PressWithAlt(HWND target, WPARAM key, bool shift = false) {
        if (shift) Hold({VK_SHIFT}, true);
        Hold({VK_MENU}, true);
        const LPARAM alt = LPARAM{KF_ALTDOWN} << 16;
        PostMessageA(target, WM_SYSKEYDOWN, key, 1 | alt);
        Pump();
        PostMessageA(target, WM_SYSKEYUP, key, 1 | alt | (LPARAM{KF_REPEAT | KF_UP} << 16));
        Pump();
        Hold({VK_MENU, VK_SHIFT}, false);
    }
};

TEST_F(TextViewKeys, AltBackspaceUndoesAndShiftAltBackspaceRedoes) {
    view_.SetReadOnly(false);
    HWND hwnd = Open();
    ASSERT_EQ(GetFocus(), hwnd);
    for (const char c : std::string("ab")) PostMessageA(hwnd, WM_CHAR, c, 1);
    Pump();
    ASSERT_EQ(view_.Text(), "ab");
    PressWithAlt(hwnd, VK_BACK);
    EXPECT_EQ(view_.Text(), "");
    PressWithAlt(hwnd, VK_BACK, true);
    EXPECT_EQ(view_.Text(), "ab");
    EXPECT_EQ(GetFocus(), hwnd);
}

}  // namespace
}  // namespace mirevo::testing_support
