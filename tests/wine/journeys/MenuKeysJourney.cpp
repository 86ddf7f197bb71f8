// The menu bar by keyboard alone: Alt+letter, Alt or F10 and the arrows, Escape one level
// at a time, with the focus in a field or in the result view; the window's own Alt keys
// (Alt+Space, Alt+F4) still work.
#include "tests/wine/journeys/Journey.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

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
    // The highlighted first item of the file menu shows リンク作成's image in the colours the
    // tool bar shows it in, not inverted as a bitmap item is when highlighted.
    void ExpectImageAsOnTheToolBar(HWND popup) {
        const RECT bar = ScreenRect(Control("ActionToolBar1"));
        const auto onBar = PixelsIn({bar.left, bar.top, bar.left + 30, bar.bottom});
        std::vector<COLORREF> imageColours;
        const COLORREF background = onBar.front();
        for (const COLORREF c : onBar) {
            if (c != background && c != RGB(255, 255, 255) && c != RGB(0, 0, 0)) {
                imageColours.push_back(c);
            }
        }
        const RECT menu = ScreenRect(popup);
        const auto inMenu = PixelsIn({menu.left, menu.top, menu.left + 30, menu.top + 24});
        const auto shared = std::count_if(inMenu.begin(), inMenu.end(), [&](COLORREF c) {
            return std::find(imageColours.begin(), imageColours.end(), c) != imageColours.end();
        });
        EXPECT_GE(shared, 20) << "the highlighted item's image is not in its own colours";
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
    ExpectImageAsOnTheToolBar(popup);
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

// The whole program by keyboard: every item of the menus by its access key, and the copy
// button reached by Tab.
TEST_F(MenusByKeyboard, EveryItemByItsAccessKeyAndTheCopyButtonByTab) {
    folder_.WriteIni("[Options]\r\na8matTxt=T1\r\n");
    Start();
    ASSERT_TRUE(WaitFor([&] { return Focus() == Control("EditUrl1"); }));
    Chord({VK_CONTROL, VK_TAB});  // テキストリンク
    TypeAscii(PageUrl());
    Tap(VK_TAB);
    TypeAscii("abcdef");
    const auto menu = [&](char letter, WORD item) {
        Chord({VK_MENU, static_cast<WORD>(letter)});
        ASSERT_NE(Popup(), nullptr) << letter;
        Tap(item);
        ASSERT_TRUE(NoPopup()) << letter << " " << static_cast<char>(item);
    };
    const struct {
        char menu;
        WORD item;
        const char* field;   // EditTxt2 afterwards
        const char* copied;  // the clipboard afterwards, or null when it does not matter
    } steps[] = {
        {'E', 'A', "abcdef", nullptr},                            // すべてを選択
        {'E', 'C', "abcdef", "abcdef"},                           // コピー
        {'E', 'T', "", "abcdef"},                                 // 切り取り
        {'E', 'U', "abcdef", nullptr},                            // 元に戻す
        {'E', 'A', "abcdef", nullptr},  {'E', 'D', "", nullptr},  // 削除
        {'E', 'P', "abcdef", nullptr},                            // 貼り付け
    };
    SetClipboardText("");
    for (const auto& step : steps) {
        menu(step.menu, step.item);
        EXPECT_TRUE(WaitFor([&] { return TextOf(Control("EditTxt2")) == step.field; }))
            << static_cast<char>(step.item) << ": " << TextOf(Control("EditTxt2"));
        if (step.copied) {
            EXPECT_EQ(ClipboardText(), step.copied) << static_cast<char>(step.item);
        }
        EXPECT_EQ(Focus(), Control("EditTxt2"));
    }
    menu('F', 'M');  // リンク作成
    ASSERT_TRUE(WaitFor([&] { return !TextOf(Control("TextMemo1")).empty(); }));
    const std::string code = TextOf(Control("TextMemo1"));
    EXPECT_NE(code.find(">abcdef</a>"), std::string::npos) << code;
    // Tab on from the text field: the result view, then the copy button; Space presses it.
    Tap(VK_TAB);
    Tap(VK_TAB);
    EXPECT_EQ(Focus(), Control("ButtonCopyResult"));
    SetClipboardText("");
    Tap(VK_SPACE);
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == code; }));
    Shot("code-copied-by-keyboard");
    menu('E', 'Z');  // クリア
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control("EditUrl1")).empty(); }));
    EXPECT_EQ(TextOf(Control("TextMemo1")), "");
    Chord({VK_MENU, 'F'});
    ASSERT_NE(Popup(), nullptr);
    Tap('X');  // 終了
    EXPECT_TRUE(Program().WaitForExit());
    EXPECT_NE(folder_.ReadIni().find("Page=1"), std::string::npos);
}

}  // namespace
}  // namespace mirevo::journeys
