// The history of generated links: every built code listed in the history window, found by
// typing, copied again, put back into its tab and deleted, by keyboard alone; the window's
// size kept across a restart; and the file after the program is killed in the middle of
// writing it.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

class History : public Journey {
protected:
    void SetUp() override {
        folder_.WriteIni("[Options]\r\na8matEsy=E1\r\na8matTxt=T1\r\na8matImg=I1\r\n");
    }
    std::filesystem::path HistoryFile() const { return folder_.Path() / "Mirevo.history"; }
    std::string ReadHistory() const {
        std::ifstream in(HistoryFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Opens the history window by its shortcut.
    HWND OpenHistory() {
        SetForegroundWindow(Program().Main());
        Chord({VK_CONTROL, 'H'});
        return Program().WaitForWindow("MirevoForm", "履歴");
    }
    static int Rows(HWND window) {
        return static_cast<int>(
            SendMessageA(ControlOf(window, "ListHistory"), LVM_GETITEMCOUNT, 0, 0));
    }
    // Saves the list through the save dialog, typing the file's name, and checks the file.
    void ExportByKeyboard(HWND window) {
        Chord({VK_MENU, 'S'});
        HWND dialog = Program().WaitForWindow("#32770", "履歴を CSV で保存");
        ASSERT_NE(dialog, nullptr);
        Shot("save-dialog");
        const std::filesystem::path csv = folder_.Path() / "list.csv";
        TypeAscii(csv.string());
        Tap(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
        EXPECT_TRUE(
            WaitFor([&] { return TextOf(ControlOf(window, "LabelStatus")) == "保存しました"; }));
        std::ifstream in(csv, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        EXPECT_EQ(bytes.rfind("\"日時\",\"種類\"", 0), 0u) << bytes;
        EXPECT_NE(bytes.find("first/"), std::string::npos);  // the one entry shown
        SetForegroundWindow(window);
    }
    // Builds the code of the first tab for an address and returns it.
    std::string BuildSimpleLink(const std::string& url) {
        ClickControl("EditUrl1");
        Chord({VK_CONTROL, 'A'});
        TypeAscii(url);
        Chord({VK_CONTROL, VK_RETURN});
        EXPECT_TRUE(WaitFor([&] { return !TextOf(Control("TextMemo1")).empty(); }));
        return TextOf(Control("TextMemo1"));
    }
};

TEST_F(History, ListsFindsCopiesRestoresAndDeletesByKeyboard) {
    Start();
    const std::string first = BuildSimpleLink(PageUrl() + "first/");
    Click(ClientPoint(Control("PageControl1"), kTabCaption[1].x, kTabCaption[1].y));
    ClickControl("EditTxt2");
    TypeText("革の靴");
    Chord({VK_CONTROL, VK_RETURN});
    ASSERT_TRUE(WaitFor([&] { return TextOf(Control("TextMemo1")) != first; }));
    const std::string second = TextOf(Control("TextMemo1"));

    HWND window = OpenHistory();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Rows(window), 2);
    Shot("history");
    Tap(VK_DOWN);  // from the search into the list, onto the newest entry
    Tap(VK_DOWN);
    Tap(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == first; })) << ClipboardText();
    Shot("list-by-arrows");
    Chord({VK_SHIFT, VK_TAB});  // back to the search field
    TypeText("靴");
    EXPECT_TRUE(WaitFor([&] { return Rows(window) == 1; }));
    EXPECT_EQ(TextOf(ControlOf(window, "LabelCount")), "1 件（全 2 件）");
    Shot("searched");
    Tap(VK_RETURN);  // copies the selected entry's code
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == second; })) << ClipboardText();
    EXPECT_EQ(TextOf(ControlOf(window, "LabelStatus")), "コピーしました");

    Tap(VK_TAB);  // into the list
    Tap(VK_DELETE);
    HWND question = Program().WaitForWindow("#32770");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question), "選択した 1 件の履歴を削除しますか？");
    Shot("delete-question");
    Tap('Y');
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
    EXPECT_TRUE(WaitFor([&] { return Rows(window) == 0; }));
    EXPECT_EQ(TextOf(ControlOf(window, "LabelStatus")), "削除しました");

    Chord({VK_SHIFT, VK_TAB});  // back to the search field
    Chord({VK_CONTROL, 'A'});
    Tap(VK_BACK);
    EXPECT_TRUE(WaitFor([&] { return Rows(window) == 1; }));
    ExportByKeyboard(window);
    Chord({VK_MENU, 'I'});  // back into the main window's tab
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    EXPECT_EQ(TextOf(Control("EditUrl1")), PageUrl() + "first/");

    window = OpenHistory();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Rows(window), 1);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    ASSERT_TRUE(Quit());
    const std::string file = ReadHistory();
    EXPECT_NE(file.find("first/"), std::string::npos);
    EXPECT_EQ(file.find("革の靴"), std::string::npos);
}

TEST_F(History, TheWindowComesBackAtTheSizeTheUserLeftIt) {
    Start();
    BuildSimpleLink(PageUrl() + "size/");
    HWND window = OpenHistory();
    ASSERT_NE(window, nullptr);
    const RECT before = ScreenRect(window);
    Drag({before.right - 2, before.bottom - 2}, {before.right + 98, before.bottom + 48});
    RECT client;
    GetClientRect(window, &client);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    ASSERT_TRUE(Quit());
    EXPECT_NE(folder_.ReadIni().find("[History]\r\nWidth=" + std::to_string(client.right) +
                                     "\r\nHeight=" + std::to_string(client.bottom) + "\r\n"),
              std::string::npos)
        << folder_.ReadIni();
    EXPECT_EQ(client.right, 740);

    Start();
    window = OpenHistory();
    ASSERT_NE(window, nullptr);
    RECT again;
    GetClientRect(window, &again);
    EXPECT_EQ(again.right, client.right);
    EXPECT_EQ(again.bottom, client.bottom);
    Shot("restored-size");
    Tap(VK_ESCAPE);
    ASSERT_TRUE(Quit());
}

// However the last write was cut, the whole records before it stay, the next start lists
// them, and the next record starts on a line of its own.
TEST_F(History, AKillInTheMiddleOfWritingLosesNothingBeforeTheLastWholeRecord) {
    Start();
    ClickControl("EditUrl1");
    TypeAscii(PageUrl() + "burst/");
    for (int i = 0; i < 60; ++i) Chord({VK_CONTROL, VK_RETURN});
    Program().Kill();
    std::string bytes = ReadHistory();
    ASSERT_FALSE(bytes.empty());
    // What a kill inside the write itself leaves: part of a line after the whole ones.
    const std::size_t lastBreak = bytes.rfind('\n');
    bytes.resize(lastBreak + 1);
    const auto whole = std::count(bytes.begin(), bytes.end(), '\n');
    const std::size_t lineLength = bytes.find('\n') + 1;
    {
        std::ofstream out(HistoryFile(), std::ios::binary | std::ios::trunc);
        out << bytes << bytes.substr(0, lineLength / 2);
    }

    Start();
    HWND window = OpenHistory();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Rows(window), whole);
    EXPECT_EQ(TextOf(ControlOf(window, "LabelStatus")), "読めない行 1");
    Shot("after-kill");
    Tap(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    BuildSimpleLink(PageUrl() + "after/");
    window = OpenHistory();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Rows(window), whole + 1);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(Quit());
    EXPECT_EQ(ReadHistory().substr(0, bytes.size()), bytes);
}

}  // namespace
}  // namespace mirevo::journeys
