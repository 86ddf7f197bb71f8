// Another program asking the result view about its text, and telling it what to show, with
// the worst arguments the messages allow: empty and one-byte buffers, lines and offsets at the
// 32-bit edges, points off the window, a megabyte of text, lone lead bytes. The journey is a
// process of its own, so every message crosses processes as a screen reader's or a text
// grabber's would. The program answers as an edit control does, keeps the user's code and
// inputs, and goes on.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

constexpr UINT kGetSelText = WM_USER + 62;  // the rich edit's EM_GETSELTEXT

// A sent message's answer; -1 when the program did not answer within the time.
LRESULT Ask(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(view, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer)) {
        return -1;
    }
    return static_cast<LRESULT>(answer);
}

template <typename T>
LPARAM AddressParam(T* address) {
    return reinterpret_cast<LPARAM>(address);
}

struct Selection {
    DWORD start = 0xDEAD;
    DWORD end = 0xDEAD;
};

Selection SelectionOf(HWND view) {
    Selection s;
    Ask(view, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), AddressParam(&s.end));
    return s;
}

struct MemoCall {
    const char* name;
    // Sends the messages and checks their answers; code is the view's one-line text.
    std::function<void(HWND view, const std::string& code, HANDLE process)> call;
};

// EM_GETLINE is not among them: Wine's own conversion of it for another process's window of
// code-page texts answers 52 whatever the buffer and overruns the heap, also for a window
// that only copies its line; the native tests and the in-process Windows tests cover it.
const MemoCall kCalls[] = {
    {"SelectionAtThe32BitEdgesStaysInsideTheText",
     [](HWND view, const std::string& code, HANDLE) {
         const auto size = static_cast<DWORD>(code.size());
         const std::pair<LPARAM, LPARAM> edges[] = {
             {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {-1, -1}, {-1, 0}, {0, -1}, {INT_MAX, 5}};
         for (const auto& [start, end] : edges) {
             EXPECT_EQ(Ask(view, EM_SETSEL, static_cast<WPARAM>(start), end), 0);
             const Selection s = SelectionOf(view);
             EXPECT_LE(s.start, s.end) << start << ".." << end;
             EXPECT_LE(s.end, size) << start << ".." << end;
             // Without addresses the answer packs both ends.
             EXPECT_EQ(static_cast<DWORD>(Ask(view, EM_GETSEL, 0, 0)),
                       static_cast<DWORD>(MAKELONG(s.start, s.end)));
         }
     }},
    {"ReplacingTheSelectionOfTheReadOnlyViewChangesNothing",
     [](HWND view, const std::string& code, HANDLE) {
         Ask(view, EM_SETSEL, 0, static_cast<LPARAM>(code.size()));
         for (const std::string& text :
              {std::string(1 << 19, 'r'), std::string(4 << 20, 'r'), std::string("\x81"),
               std::string("\xFF\xFE\x80\r\n\x82")}) {
             Ask(view, EM_REPLACESEL, TRUE, AddressParam(text.c_str()));
             EXPECT_EQ(TextOf(view), code);
         }
         EXPECT_EQ(Ask(view, EM_CANUNDO, 0, 0), 0);
         EXPECT_EQ(Ask(view, EM_UNDO, 0, 0), 0);
         EXPECT_EQ(TextOf(view), code);
     }},
    {"PointsOffTheWindow",
     [](HWND view, const std::string&, HANDLE) {
         for (const LPARAM point : {LPARAM{0}, LPARAM{0x7FFF7FFF}, LPARAM{-1},
                                    static_cast<LPARAM>(0xFFFFFFFFu), LPARAM{0x0000FFFF}}) {
             EXPECT_NE(Ask(view, EM_CHARFROMPOS, 0, point), -1) << point;
         }
     }},
    {"ModifiedFlagFromAnyWord",
     [](HWND view, const std::string&, HANDLE) {
         Ask(view, EM_SETMODIFY, static_cast<WPARAM>(-1), 0);
         EXPECT_EQ(Ask(view, EM_GETMODIFY, 0, 0), 1);
         Ask(view, EM_SETMODIFY, 0, -1);
         EXPECT_EQ(Ask(view, EM_GETMODIFY, 0, 0), 0);
         EXPECT_EQ(Ask(view, EM_GETLINECOUNT, 0, 0), 1);
         EXPECT_EQ(Ask(view, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
     }},
    // The rich edit's message carries its address unmarshalled, as on Windows: a program
    // in another process passes memory it made in ours, which the view fills.
    {"SelectedTextIntoMemoryMadeInTheProgram",
     [](HWND view, const std::string& code, HANDLE process) {
         Ask(view, EM_SETSEL, 0, static_cast<LPARAM>(code.size()));
         void* remote = VirtualAllocEx(process, nullptr, code.size() + 1, MEM_COMMIT | MEM_RESERVE,
                                       PAGE_READWRITE);
         ASSERT_NE(remote, nullptr);
         EXPECT_EQ(Ask(view, kGetSelText, 0, AddressParam(remote)),
                   static_cast<LRESULT>(code.size()));
         std::string copied(code.size() + 1, '#');
         EXPECT_TRUE(ReadProcessMemory(process, remote, copied.data(), copied.size(), nullptr));
         EXPECT_EQ(copied, code + '\0');
         VirtualFreeEx(process, remote, 0, MEM_RELEASE);
         EXPECT_EQ(Ask(view, kGetSelText, 0, 0), 0) << "a null address gets nothing";
     }},
    {"WholeTextIntoNoRoomAndOneByte",
     [](HWND view, const std::string& code, HANDLE) {
         char buffer[4] = {'#', '#', '#', '#'};
         EXPECT_EQ(Ask(view, WM_GETTEXT, 0, AddressParam(buffer)), 0);
         EXPECT_EQ(buffer[0], '#');
         EXPECT_EQ(Ask(view, WM_GETTEXT, 1, AddressParam(buffer)), 0);
         EXPECT_EQ(buffer[0], '\0');
         EXPECT_EQ(Ask(view, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(code.size()));
     }},
    {"MessagesItDoesNotKnow",
     [](HWND view, const std::string& code, HANDLE) {
         for (const UINT message : {UINT{WM_USER}, UINT{WM_USER + 1000}, 0x7FFFu, 0xBFFFu}) {
             EXPECT_NE(Ask(view, message, static_cast<WPARAM>(-1), -1), -1) << message;
         }
         EXPECT_EQ(TextOf(view), code);
     }},
};

class MemoMessages : public Journey, public ::testing::WithParamInterface<MemoCall> {
protected:
    // Starts the program and makes a plain link; answers its code.
    std::string StartWithACode() {
        folder_.WriteIni("[Options]\r\na8matEsy=E1\r\n");
        Start();
        ClickControl("EditUrl1");
        TypeAscii(PageUrl());
        Chord({VK_CONTROL, VK_RETURN});
        std::string code;
        WaitFor([&] { return !(code = TextOf(Control("TextMemo1"))).empty(); });
        return code;
    }
};

TEST_P(MemoMessages, AreAnsweredAndKeepTheCode) {
    const std::string code = StartWithACode();
    ASSERT_FALSE(code.empty());
    ASSERT_EQ(code.find_first_of("\r\n"), std::string::npos) << code;
    HWND view = Control("TextMemo1");
    GetParam().call(view, code, Program().Process());
    EXPECT_TRUE(Program().Running()) << "the program ended";
    ASSERT_TRUE(IsWindow(view));
    EXPECT_EQ(TextOf(view), code);
    EXPECT_EQ(TextOf(Control("EditUrl1")), PageUrl());
    Shot("after");
    EXPECT_TRUE(Quit());
}

INSTANTIATE_TEST_SUITE_P(FromAnotherProcess, MemoMessages, ::testing::ValuesIn(kCalls),
                         [](const auto& info) { return std::string(info.param.name); });

// Text another program puts in the view stands there as sent, however odd, until the next
// link; the user's inputs are untouched, and リンク作成 brings the code back.
TEST_F(MemoMessages, HostileTextSetByAnotherProgramGoesWhenTheNextLinkIsMade) {
    const std::string code = StartWithACode();
    ASSERT_FALSE(code.empty());
    HWND view = Control("TextMemo1");
    std::string lines = "\x82\xA0";
    for (int i = 1; i < 20000; ++i) lines += "\r\n\x82\xA0";
    struct Sent {
        std::string text;
        bool kept;  // stands as sent; bytes no character of the code page holds do not
                    // cross processes unchanged, and the system does not hand over a message
                    // of several megabytes (under Wine from one)
    };
    const Sent sent[] = {{std::string(1 << 19, 'a'), true},
                         {lines, true},
                         {"lead at the end\x81", false},
                         {"\xFF\xFE\x80\xA0 \x81\x7F", false},
                         {"\r\r\n\n\r", false},
                         {std::string(4 << 20, 'z'), false}};
    for (const Sent& s : sent) {
        const LRESULT set = Ask(view, WM_SETTEXT, 0, AddressParam(s.text.c_str()));
        if (s.kept) {
            EXPECT_EQ(set, TRUE) << s.text.size() << " bytes";
            EXPECT_EQ(TextOf(view), s.text);
        }
        EXPECT_GE(Ask(view, EM_GETLINECOUNT, 0, 0), 1);
        EXPECT_TRUE(Program().Running()) << s.text.size() << " bytes";
        if (s.text.size() == (1u << 19)) Shot("half-a-megabyte-set");
    }
    EXPECT_TRUE(Program().Running()) << "the program ended";
    Shot("odd-bytes-set");
    EXPECT_EQ(TextOf(Control("EditUrl1")), PageUrl());
    SetForegroundWindow(Program().Main());
    Chord({VK_CONTROL, VK_RETURN});
    EXPECT_TRUE(WaitFor([&] { return TextOf(view) == code; })) << TextOf(view);
    Shot("code-again");
    EXPECT_TRUE(Quit());
}

}  // namespace
}  // namespace mirevo::journeys
