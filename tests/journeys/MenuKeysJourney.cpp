// The menu bar by keyboard alone: Alt+letter, Alt or F10 and the arrows, Escape one level
// at a time, with the focus in a field or in the result view; the window's own Alt keys
// (Alt+Space, Alt+F4) still work.
#include "tests/journeys/Journey.h"

#include <commctrl.h>

namespace mirevo::journeys {
namespace {

class MenusByKeyboard : public Journey {
protected:
    HWND Popup() { return Program().WaitForWindow("#32768", {}, std::chrono::milliseconds(3000)); }
    bool NoPopup() {
        return WaitFor([&] {
            for (HWND window : Program().Windows()) {
                char name[32] = {};
                GetClassNameA(window, name, sizeof name);
                if (std::string(name) == "#32768") return false;
            }
            return true;
        });
    }
    int Hot() {
        DWORD_PTR hot = 99;
        SendMessageTimeoutA(Control("ActionMainMenuBar1"), TB_GETHOTITEM, 0, 0, SMTO_ABORTIFHUNG,
                            2000, &hot);
        return static_cast<int>(static_cast<LRESULT>(hot));
    }
    // Which menu a drop-down is, told by its height: ヘルプ has one item, ファイル three and
    // two separators, 編集 seven and two separators.
    int MenuUnder(HWND popup) {
        const RECT r = ScreenRect(popup);
        const int height = r.bottom - r.top;
        return height < 45 ? 2 : height < 120 ? 0 : 1;
    }
    HWND Focus() {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(Program().Main(), nullptr), &info);
        return info.hwndFocus;
    }
};

TEST_F(MenusByKeyboard, EveryMenuItemIsReachableWithTheFocusInAField) {
    Start();
    ASSERT_TRUE(WaitFor([&] { return Focus() == Control("EditUrl1"); }));
    Chord({VK_MENU, 'F'});
    HWND popup = Popup();
    ASSERT_NE(popup, nullptr) << "Alt+F opened nothing";
    EXPECT_EQ(MenuUnder(popup), 0);
    Shot("file-menu-first-item-selected");
    Tap(VK_DOWN);  // 設定...
    Tap(VK_RETURN);
    HWND settings = Program().WaitForWindow("MirevoForm", "設定");
    ASSERT_NE(settings, nullptr);
    Chord({VK_MENU, VK_F4});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(settings); }));

    Chord({VK_MENU, 'H'});
    ASSERT_NE(Popup(), nullptr);
    Tap(VK_RETURN);
    HWND about = Program().WaitForWindow("MirevoForm", "Mirevo について");
    ASSERT_NE(about, nullptr);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }));

    Chord({VK_MENU, 'E'});
    popup = Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(MenuUnder(popup), 1);
    Tap(VK_UP);  // wraps to the last item, クリア
    Tap(VK_RETURN);
    EXPECT_TRUE(NoPopup());
    EXPECT_EQ(Focus(), Control("EditUrl1")) << "the focus went elsewhere";
    ASSERT_TRUE(Quit());
}

TEST_F(MenusByKeyboard, AltAndF10HighlightTheBarAndTheArrowsAndEscapeWalkIt) {
    Start();
    ClickControl("EditUrl1");
    Tap(VK_MENU);
    EXPECT_TRUE(NoPopup()) << "Alt alone dropped a menu down";
    EXPECT_EQ(Hot(), 0);
    Shot("bar-highlighted");
    Tap(VK_RIGHT);
    EXPECT_EQ(Hot(), 1);
    Tap(VK_DOWN);
    HWND popup = Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(MenuUnder(popup), 1);
    Tap(VK_RIGHT);
    ASSERT_TRUE(WaitFor([&] {
        HWND p = Popup();
        return p && MenuUnder(p) == 2;
    })) << "Right did not move to the next menu";
    Tap(VK_LEFT);
    Tap(VK_LEFT);
    ASSERT_TRUE(WaitFor([&] {
        HWND p = Popup();
        return p && MenuUnder(p) == 0;
    }));
    Shot("file-menu-after-left");
    Tap(VK_ESCAPE);
    EXPECT_TRUE(NoPopup());
    EXPECT_EQ(Hot(), 0) << "Escape left the bar instead of stepping back to it";
    Tap(VK_ESCAPE);
    EXPECT_EQ(Hot(), -1);
    TypeAscii("x");
    EXPECT_EQ(TextOf(Control("EditUrl1")), "x") << "the focus was not given back";

    Tap(VK_F10);
    EXPECT_EQ(Hot(), 0);
    Tap(VK_LEFT);
    EXPECT_EQ(Hot(), 2);
    Tap(VK_RETURN);
    popup = Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(MenuUnder(popup), 2);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    EXPECT_EQ(Hot(), -1);
    Tap(VK_F10);
    Tap('E');  // the letter alone, while the bar is highlighted
    popup = Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(MenuUnder(popup), 1);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(Quit());
}

TEST_F(MenusByKeyboard, TheResultViewAndTheWindowsOwnAltKeysStillWork) {
    Start();
    Click(CentreOf(Control("TextMemo1")));
    Chord({VK_MENU, 'E'});
    HWND popup = Popup();
    ASSERT_NE(popup, nullptr) << "Alt+E from the result view";
    EXPECT_EQ(MenuUnder(popup), 1);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(NoPopup());

    Chord({VK_MENU, VK_SPACE});
    popup = Popup();
    ASSERT_NE(popup, nullptr) << "Alt+Space opened no system menu";
    const RECT window = ScreenRect(Program().Main());
    EXPECT_LT(ScreenRect(popup).left - window.left, 30) << "not the system menu";
    Shot("system-menu");
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(NoPopup());
    ASSERT_TRUE(Quit()) << "Alt+F4 did not close the window";
}

}  // namespace
}  // namespace mirevo::journeys
