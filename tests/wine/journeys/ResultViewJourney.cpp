// Reading the code in the result view: a long address that fills its rows, the view's own
// context menu to select all and copy, keys held with Alt over the read-only view, and the
// right button's double-click.
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "tests/wine/journeys/Journey.h"

#include <commctrl.h>

namespace mirevo::journeys {
namespace {

class ReadingTheCode : public Journey {
protected:
    // Starts with identifiers set and line breaks off, types a long address with slashes
    // and percent signs on the first tab and asks for the code; answers the code.
    std::string ShowCode() {
        folder_.WriteIni(
            "[Options]\r\na8matEsy=E1\r\na8matTxt=T1\r\na8matImg=I1\r\nlinefeed=0\r\n"
            "autocopy=0\r\nerrorcheck=0\r\n");
        Start();
        ClickControl("EditUrl1");
        TypeAscii(PageUrl() +
                  "detail/?path=/a/b/c/%7E/d&ref=%2Fshop%2Fitem-1%2F&page=2&sort=/price/asc/"
                  "&from=/ranking/daily/&to=%2Fcart%2F");
        Chord({VK_CONTROL, VK_RETURN});
        std::string code;
        EXPECT_TRUE(WaitFor([&] { return !(code = TextOf(View())).empty(); })) << "no code";
        return code;
    }
    HWND View() { return Control("TextMemo1"); }
    // The process's popup menu window, waiting for it a while; null when none appears.
    HWND Menu(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
        return Program().WaitForWindow("#32768", {}, timeout);
    }
    bool MenuGone() {
        return WaitFor([&] { return Program().WaitForWindow("#32768", {}, {}) == nullptr; });
    }
    // The selection's start and end offsets, asked as another program asks an edit.
    std::pair<DWORD, DWORD> Selection() {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(View(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    // The view's answer to EM_CHARFROMPOS: the offset of the character at a client point
    // (from 0, as an edit counts) and its line.
    std::pair<int, int> CharFromPos(int x, int y) {
        const auto answer =
            static_cast<DWORD>(SendMessageA(View(), EM_CHARFROMPOS, 0, MAKELPARAM(x, y)));
        return {LOWORD(answer), HIWORD(answer)};
    }
    // How many cells a row has room for: where the second and third characters of the
    // first row begin give the cell width and where the text starts.
    int RowRoom() {
        RECT client;
        GetClientRect(View(), &client);
        std::vector<int> starts;  // x of the first pixel of the second and third cells
        for (int x = 0; x < client.right && starts.size() < 2; ++x) {
            if (CharFromPos(x, 0).first == static_cast<int>(starts.size()) + 1) starts.push_back(x);
        }
        if (starts.size() < 2) return 0;
        const int cell = starts[1] - starts[0];
        return (client.right - (starts[0] - cell)) / cell;
    }
    // The bytes of the first line that each fully shown row holds, from the character at
    // the start of every row (EM_CHARFROMPOS down the left edge).
    std::vector<int> RowLengths() {
        RECT client;
        GetClientRect(View(), &client);
        std::vector<int> starts;
        for (int y = 0; y < client.bottom; ++y) {
            const auto [start, line] = CharFromPos(0, y);
            if (line != 0) break;
            if (starts.empty() || start != starts.back()) starts.push_back(start);
        }
        std::vector<int> lengths;
        for (std::size_t i = 1; i < starts.size(); ++i)
            lengths.push_back(starts[i] - starts[i - 1]);
        return lengths;
    }
};

TEST_F(ReadingTheCode, ALongAddressFillsEveryRow) {
    const std::string code = ShowCode();
    ASSERT_EQ(code.find_first_of(" \t\r\n"), std::string::npos) << code;
    Shot("wrapped-address");
    const int room = RowRoom();
    ASSERT_GT(room, 20);
    const std::vector<int> lengths = RowLengths();
    ASSERT_GE(lengths.size(), 2u);
    ASSERT_GT(code.size(), lengths.size() * room) << "the code ends in the rows shown";
    EXPECT_EQ(lengths, std::vector<int>(lengths.size(), room)) << code;
}

TEST_F(ReadingTheCode, SelectsAllAndCopiesThroughTheContextMenu) {
    const std::string code = ShowCode();
    ASSERT_FALSE(code.empty());
    SetClipboardText("before");
    const POINT inView = ClientPoint(View(), 120, 20);
    Click(inView, TButton::Right);
    ASSERT_NE(Menu(), nullptr) << "a right-click gave no menu";
    Shot("context-menu");
    Tap('A');
    ASSERT_TRUE(MenuGone());
    EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{0, static_cast<DWORD>(code.size())}));
    EXPECT_EQ(ClipboardText(), "before") << "selecting copies nothing";

    Click(inView, TButton::Right);
    ASSERT_NE(Menu(), nullptr);
    Shot("context-menu-with-selection");
    Tap('C');
    ASSERT_TRUE(MenuGone());
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == code; })) << ClipboardText();
    EXPECT_EQ(TextOf(View()), code);
}

TEST_F(ReadingTheCode, OpensTheContextMenuFromTheKeyboard) {
    ShowCode();
    ClickControl("TextMemo1", 40);
    for (const auto& keys : {std::vector<WORD>{VK_SHIFT, VK_F10}, std::vector<WORD>{VK_APPS}}) {
        if (keys.size() == 2) {
            Chord({keys[0], keys[1]});
        } else {
            Tap(keys[0]);
        }
        HWND menu = Menu();
        ASSERT_NE(menu, nullptr) << "no menu from key " << keys.back();
        // From the keyboard the menu opens below the caret, inside the view.
        const RECT view = ScreenRect(View());
        const RECT shown = ScreenRect(menu);
        EXPECT_TRUE(shown.left >= view.left && shown.left < view.right && shown.top > view.top &&
                    shown.top < view.bottom)
            << shown.left << "," << shown.top;
        if (keys.size() == 2) Shot("context-menu-from-the-keyboard");
        Tap(VK_ESCAPE);
        ASSERT_TRUE(MenuGone());
    }
}

TEST_F(ReadingTheCode, AltBackspaceChangesNothingAndOpensNoMenu) {
    const std::string code = ShowCode();
    ClickControl("TextMemo1", 40);
    Chord({VK_MENU, VK_BACK});
    Chord({VK_SHIFT, VK_MENU, VK_BACK});
    // Letting Alt go before Backspace is no press of Alt alone either.
    Press(VK_MENU);
    Press(VK_BACK);
    Release(VK_MENU);
    Release(VK_BACK);
    EXPECT_EQ(Menu(std::chrono::milliseconds(1000)), nullptr) << "Alt+Backspace opened a menu";
    EXPECT_EQ(TextOf(View()), code);
    Shot("after-alt-backspace");

    // Alt alone still highlights the menu bar over the view, and Alt+E opens its menu.
    Tap(VK_MENU);
    DWORD_PTR hot = 99;
    SendMessageTimeoutA(Control("ActionMainMenuBar1"), TB_GETHOTITEM, 0, 0, SMTO_ABORTIFHUNG, 2000,
                        &hot);
    EXPECT_EQ(static_cast<LRESULT>(hot), 0) << "Alt alone did not highlight the menu bar";
    Tap(VK_ESCAPE);
    Chord({VK_MENU, 'E'});
    ASSERT_NE(Menu(), nullptr) << "Alt+E opened no menu";
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(MenuGone());
    ClickControl("TextMemo1", 40);
    ASSERT_TRUE(Quit()) << "Alt+F4 over the view did not close the window";
}

TEST_F(ReadingTheCode, ARightDoubleClickSelectsNothing) {
    ShowCode();
    ClickControl("TextMemo1", 40);
    ASSERT_EQ(Selection().first, Selection().second);
    DoubleClick(ClientPoint(View(), 120, 20), TButton::Right);
    // Each release of the right button asks for the context menu; let it go.
    while (Menu(std::chrono::milliseconds(1000))) {
        Tap(VK_ESCAPE);
        MenuGone();
    }
    const auto [start, end] = Selection();
    EXPECT_EQ(start, end) << "a right double-click selected " << start << ".." << end;
    Shot("after-right-double-click");
}

}  // namespace
}  // namespace mirevo::journeys
