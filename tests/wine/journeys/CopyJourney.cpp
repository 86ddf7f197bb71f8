// Copying a generated code: automatically, with a confirmation that fits on the screen
// however long the code, and the whole code on the clipboard.
#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

class CopyingTheCode : public Journey {};

TEST_F(CopyingTheCode, AutomaticCopyOfALongCodeFitsItsConfirmationOnTheScreen) {
    folder_.WriteIni("[Options]\r\na8matEsy=E1\r\nautocopy=1\r\n");
    Start();
    ClickControl("EditUrl1");
    const std::string url = PageUrl() + std::string(400, 'q') + "/";
    SetClipboardText(url);
    Chord({VK_CONTROL, 'V'});
    ASSERT_EQ(TextOf(Control("EditUrl1")), url);
    Chord({VK_CONTROL, VK_RETURN});
    HWND box = Program().WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    const RECT r = ScreenRect(box);
    EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXSCREEN) * 3 / 4);
    EXPECT_GE(r.left, 0);
    const std::string text = MessageText(box);
    EXPECT_EQ(text.rfind("以下のコードをクリップボードにコピーしました：", 0), 0u) << text;
    EXPECT_NE(text.find("…"), std::string::npos) << text;
    Shot("confirmation");
    const std::string code = TextOf(Control("TextMemo1"));
    EXPECT_GT(code.size(), 400u);
    EXPECT_EQ(ClipboardText(), code);
    SetForegroundWindow(box);
    Tap(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    ASSERT_TRUE(Quit());
}

}  // namespace
}  // namespace mirevo::journeys
