// A writer whose pages are all https: the option ticked by keyboard in the settings dialog,
// then a text link whose click address and pixel are https; ticked off again, http returns.
#include <string>

#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

class SecureLinks : public Journey {
protected:
    // Opens the settings dialog, walks by Tab from the first field to the https box, flips
    // it with Space and closes the dialog with Enter (OK is the default button).
    void FlipHttpsByKeyboard(const char* shot) {
        SetForegroundWindow(Program().Main());
        Click(ClientPoint(Control("ActionMainMenuBar1"), kFileMenu.x, kFileMenu.y));
        ASSERT_NE(Program().WaitForWindow("#32768"), nullptr);
        Tap(VK_DOWN);
        Tap(VK_DOWN);
        Tap(VK_RETURN);
        HWND dialog = Program().WaitForWindow("MirevoForm", "設定");
        ASSERT_NE(dialog, nullptr);
        for (int i = 0; i < 8; ++i) Tap(VK_TAB);  // the tab order ends with the https box
        Tap(VK_SPACE);
        Shot(shot);
        Tap(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    }
    std::string TextLinkCode() {
        Click(ClientPoint(Control("PageControl1"), kTabCaption[1].x, kTabCaption[1].y));
        ClickControl("EditUrl2");
        Chord({VK_CONTROL, 'A'});
        TypeAscii(PageUrl());
        ClickControl("EditTxt2");
        Chord({VK_CONTROL, 'A'});
        TypeAscii("item");
        Chord({VK_CONTROL, VK_RETURN});
        std::string code;
        WaitFor([&] { return !(code = TextOf(Control("TextMemo1"))).empty(); });
        return code;
    }
};

TEST_F(SecureLinks, TheHttpsOptionChangesOnlyTheClickAddressAndThePixel) {
    folder_.WriteIni("[Options]\r\na8matEsy=E\r\na8matTxt=T\r\na8matImg=I\r\n");
    Start();
    FlipHttpsByKeyboard("settings-https-on");
    EXPECT_NE(folder_.ReadIni().find("\r\nhttps=1\r\n"), std::string::npos) << folder_.ReadIni();
    const std::string secure = TextLinkCode();
    Shot("https-code");
    EXPECT_EQ(secure.rfind("<a href=\"https://", 0), 0u) << secure;
    EXPECT_NE(secure.find("src=\"https://www"), std::string::npos) << secure;
    EXPECT_NE(secure.find("a8ejpredirect=http%3A%2F%2F"), std::string::npos) << secure;

    FlipHttpsByKeyboard("settings-https-off");
    EXPECT_NE(folder_.ReadIni().find("\r\nhttps=0\r\n"), std::string::npos) << folder_.ReadIni();
    const std::string plain = TextLinkCode();
    EXPECT_EQ(plain.rfind("<a href=\"http://", 0), 0u) << plain;
    EXPECT_EQ(plain.find("https://"), std::string::npos) << plain;
    ASSERT_TRUE(Quit());
}

}  // namespace
}  // namespace mirevo::journeys
