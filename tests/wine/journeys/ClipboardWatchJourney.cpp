// A writer who copies addresses out of a browser: with the option on, each address copied in
// the browser appears in the program's fields at once; typing in the program is left alone.
#include <string>

#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

// A window of this process standing in for the browser the addresses are copied from.
class Browser {
public:
    Browser() {
        window_ =
            CreateWindowExA(0, "STATIC", "browser", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 300, 260,
                            160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;
    ~Browser() { DestroyWindow(window_); }
    HWND Window() const { return window_; }

private:
    HWND window_;
};

class CopyingFromABrowser : public Journey {};

TEST_F(CopyingFromABrowser, CopiedAddressesFillTheFieldsButNotWhileTyping) {
    folder_.WriteIni("[Options]\r\na8matEsy=E\r\na8matTxt=T\r\na8matImg=I\r\nclipwatch=1\r\n");
    Start();
    const Browser browser;
    Click(ClientPoint(browser.Window(), 100, 60));  // the user goes to the browser
    SetClipboardText(PageUrl());
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control("EditUrl1")) == PageUrl(); }))
        << TextOf(Control("EditUrl1"));
    SetClipboardText(ImageUrl());
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control("EditImg4")) == ImageUrl(); }));
    SetClipboardText("just words, no address");
    Settle(std::chrono::milliseconds(300));
    EXPECT_EQ(TextOf(Control("EditUrl1")), PageUrl());
    EXPECT_EQ(Program().WaitForWindow("#32770", {}, std::chrono::milliseconds(300)), nullptr)
        << "a message box for the clipboard";
    Shot("filled-from-the-clipboard");

    ClickControl("EditTxt2");  // back in the program, typing a link text
    SetClipboardText(PageUrl() + "other/");
    Settle(std::chrono::milliseconds(500));
    EXPECT_EQ(TextOf(Control("EditUrl1")), PageUrl());
    ASSERT_TRUE(Quit());
}

}  // namespace
}  // namespace mirevo::journeys
