// A new user's first link, by mouse and typing: identifiers into the settings, an address and
// a text on the text-link tab, the code, the copy button, and the window closed.
#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

class FirstLink : public Journey {};

TEST_F(FirstLink, FromEmptySettingsToTheClipboard) {
    TRunningProgram& program = Start();
    Shot("start");
    Click(ClientPoint(Control("ActionMainMenuBar1"), kFileMenu.x, kFileMenu.y));
    ASSERT_NE(program.WaitForWindow("#32768"), nullptr) << "the file menu did not drop down";
    Shot("file-menu");
    Tap(VK_DOWN);
    Tap(VK_DOWN);
    Tap(VK_RETURN);
    HWND dialog = program.WaitForWindow("MirevoForm", "設定");
    ASSERT_NE(dialog, nullptr);
    Click(ClientPoint(ControlOf(dialog, "EditA8matEsy"), 5, 5));
    TypeAscii("E1");
    Tap(VK_TAB);
    TypeAscii("T1");
    Tap(VK_TAB);
    TypeAscii(" I1 ");
    Shot("settings-typed");
    Click(CentreOf(ControlOf(dialog, "btnOK")));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_NE(folder_.ReadIni().find("a8matImg=I1\r\n"), std::string::npos) << folder_.ReadIni();

    Click(ClientPoint(Control("PageControl1"), kTabCaption[1].x, kTabCaption[1].y));
    ClickControl("EditUrl2");
    EXPECT_EQ(FieldColor("EditUrl2"), Unmarked());
    TypeAscii(PageUrl());
    EXPECT_EQ(TextOf(Control("EditUrl4")), PageUrl());
    ClickControl("EditTxt2");
    TypeText("商品");
    EXPECT_EQ(TextOf(Control("EditTxt4")), "商品");
    // The screen shows the mark once the fields have been painted again.
    EXPECT_TRUE(WaitFor([&] { return FieldColor("EditUrl2") == Marked(); }));
    EXPECT_TRUE(WaitFor([&] { return FieldColor("EditTxt2") == Marked(); }));
    Shot("fields-marked");

    Chord({VK_CONTROL, VK_RETURN});
    std::string code;
    ASSERT_TRUE(WaitFor([&] { return !(code = TextOf(Control("TextMemo1"))).empty(); }));
    EXPECT_EQ(code.rfind("<a href=\"http://", 0), 0u) << code;
    EXPECT_NE(code.find("a8mat=T1&"), std::string::npos) << code;
    EXPECT_NE(code.find(">商品</a>"), std::string::npos) << code;
    Shot("code");

    SetClipboardText("before");
    Click(CentreOf(Control("ButtonCopyResult")));
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == code; })) << ClipboardText();

    ASSERT_TRUE(Quit());
    const std::string ini = folder_.ReadIni();
    EXPECT_NE(ini.find("Page=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Width=416"), std::string::npos) << ini;
}

}  // namespace
}  // namespace mirevo::journeys
