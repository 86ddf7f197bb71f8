// The main window's result view under Windows: another program reading and setting it by
// edit-control messages, selecting and copying with the keyboard, and refusing to change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/wine/MainWindowFixture.h"

namespace mirevo::testing_support {
namespace {

// Five lines as a generated code has them, the second with Japanese text.
const char kCode[] =
    "<a href=\"http://click.example.net/svt/ejp?a8mat=X\" target=\"_blank\">\r\n"
    "商品</a>\r\n"
    "<img border=\"0\" width=\"1\" height=\"1\"\r\n"
    "src=\"http://www.example.net/0.gif?a8mat=X\"\r\n"
    "alt=\"\">";

std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        hex += digits[static_cast<unsigned char>(c) >> 4];
        hex += digits[static_cast<unsigned char>(c) & 15];
    }
    return hex;
}

std::string ProbePath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return (std::filesystem::path(self).parent_path() / "edit_control_probe.exe").string();
}

class ResultView : public MainWindow {
protected:
    TTextMemo& ShowCode() {
        TMainForm& f = Open("[Options]\r\na8matEsy=E\r\n");
        f.TextMemo1.SetText(kCode);
        f.TextMemo1Change(&f.TextMemo1);
        Pump();
        return f.TextMemo1;
    }

    // Starts the probe on the view and keeps this thread answering its messages until it ends.
    std::map<std::string, std::string> Probe(HWND view) {
        const std::string out = (std::filesystem::temp_directory_path() / "probe.txt").string();
        std::string command = "\"" + ProbePath() + "\" " +
                              std::to_string(reinterpret_cast<std::uintptr_t>(view)) + " \"" + out +
                              "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20000, QS_ALLINPUT) ==
               WAIT_OBJECT_0 + 1) {
            host_.ProcessPendingMessages();
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::map<std::string, std::string> answers;
        std::ifstream in(out, std::ios::binary);
        std::string name;
        std::string value;
        while (std::getline(in >> name >> std::ws, value)) answers[name] = value;
        return answers;
    }

    static std::string ClipboardBytes(UINT format) {
        if (!OpenClipboard(nullptr)) return "<not opened>";
        std::string bytes = "<none>";
        if (HANDLE data = GetClipboardData(format)) {
            const auto* p = static_cast<const char*>(GlobalLock(data));
            bytes.assign(p, GlobalSize(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return bytes;
    }
};

TEST_F(ResultView, AnotherProgramReadsAndSelectsThroughEditControlMessages) {
    TTextMemo& view = ShowCode();
    const auto answers = Probe(HandleOf(view));
    EXPECT_EQ(answers.at("linecount"), "5");
    EXPECT_EQ(answers.at("text"), Hex(kCode));
    EXPECT_EQ(answers.at("textlength"), std::to_string(std::string_view(kCode).size()));
    // Start 7, end 2 selects the bytes from offset 2 up to 7, the caret staying at 7.
    EXPECT_EQ(answers.at("getsel"), "2 7 " + std::to_string(2 | (7 << 16)));
    EXPECT_EQ(view.SelectedText(), " href");
    EXPECT_EQ(view.CaretXY(), (TBufferCoord{8, 1}));
    // Line 1 is "商品</a>": 8 bytes and a zero byte, nothing written past the size word's end.
    EXPECT_EQ(answers.at("getline1/40").substr(0, 22), "8 8FA495693C2F613E0023");
    EXPECT_EQ(answers.at("getline1/2"), "2 8FA42323");  // two bytes, no zero byte
    EXPECT_EQ(answers.at("getline9/40").substr(0, 2), "0 ");
}

TEST_F(ResultView, KeyboardSelectionAndCtrlCPutPlainTextAndTheBlock) {
    TTextMemo& view = ShowCode();
    const HWND hwnd = HandleOf(view);
    SetFocus(hwnd);
    Pump();
    PressWithCtrl(hwnd, 'A');
    EXPECT_EQ(view.SelectedText(), kCode);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    PressWithCtrl(hwnd, 'C');
    EXPECT_EQ(ClipboardBytes(CF_TEXT).substr(0, sizeof kCode), std::string(kCode, sizeof kCode));
    const UINT block = RegisterClipboardFormatA(kClipboardBlockFormatName);
    EXPECT_EQ(ClipboardBytes(block).substr(0, sizeof kCode + 1),
              std::string(1, '\0') + std::string(kCode, sizeof kCode));

    // Ctrl+Home, then Ctrl+Shift+End selects everything from the start.
    PressWithCtrl(hwnd, VK_HOME);
    EXPECT_FALSE(view.HasSelection());
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PressWithCtrl(hwnd, VK_END);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(view.SelectionFirst(), (TBufferCoord{1, 1}));
    EXPECT_EQ(view.SelectionLast(), (TBufferCoord{8, 5}));
}

TEST_F(ResultView, VerticalScrollBarShowsTheRowsInView) {
    TTextMemo& view = ShowCode();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(HandleOf(view), SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, view.RowCount());  // the range counts rows from 0 to RowCount
    EXPECT_EQ(info.nPage, static_cast<UINT>(view.VisibleRows()));
    EXPECT_LT(static_cast<int>(info.nPage), info.nMax);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetScrollBarInfo(HandleOf(view), OBJID_VSCROLL, &bar));
    EXPECT_GT(bar.xyThumbBottom, bar.xyThumbTop) << bar.dxyLineButton;
}

TEST_F(ResultView, TypingDeletingAndPastingChangeNothing) {
    TTextMemo& view = ShowCode();
    const HWND hwnd = HandleOf(view);
    SetFocus(hwnd);
    Pump();
    PressWithCtrl(hwnd, 'A');
    Type(hwnd, "abc\r\b");
    for (const WPARAM key : {VK_BACK, VK_DELETE, VK_RETURN}) {
        PostMessageA(hwnd, WM_KEYDOWN, key, 1);
        Pump();
    }
    clipboard_.SetText("pasted");
    PressWithCtrl(hwnd, 'V');
    PressWithCtrl(hwnd, 'X');
    SendMessageA(hwnd, WM_CLEAR, 0, 0);
    SendMessageA(hwnd, WM_PASTE, 0, 0);
    SendMessageA(hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
    EXPECT_EQ(SendMessageA(hwnd, EM_UNDO, 0, 0), 0);
    EXPECT_EQ(view.Text(), kCode);
    EXPECT_FALSE(view.Modified());
    EXPECT_TRUE(IsWindowEnabled(HandleOf(form_->ButtonCopyResult)));
}

}  // namespace
}  // namespace mirevo::testing_support
