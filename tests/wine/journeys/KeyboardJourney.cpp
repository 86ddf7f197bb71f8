// Working the window by keyboard: switching link kinds from anywhere, Tab into a page after
// a click on its tab, and the About box closed by Escape.
#include "tests/wine/journeys/Journey.h"

#include <commctrl.h>

namespace mirevo::journeys {
namespace {

constexpr POINT kHelpMenu{172, 11};

class WorkingByKeyboard : public Journey {};

TEST_F(WorkingByKeyboard, LinkKindsSwitchByCtrlTabAndCtrlPageKeysFromAnywhere) {
    folder_.WriteIni("[Form]\r\nPage=0\r\n");
    Start();
    ASSERT_TRUE(WaitFor([&] { return Focus() == Control("EditUrl1"); }));
    const struct {
        std::initializer_list<WORD> keys;
        int page;
        const char* field;
    } steps[] = {
        {{VK_CONTROL, VK_TAB}, 1, "EditUrl2"},           {{VK_CONTROL, VK_TAB}, 2, "EditUrl3"},
        {{VK_CONTROL, VK_TAB}, 3, "EditUrl4"},           {{VK_CONTROL, VK_TAB}, 0, "EditUrl1"},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, 3, "EditUrl4"}, {{VK_CONTROL, VK_PRIOR}, 2, "EditUrl3"},
        {{VK_CONTROL, VK_NEXT}, 3, "EditUrl4"},
    };
    for (const auto& step : steps) {
        Chord(step.keys);
        EXPECT_TRUE(WaitFor([&] { return ActivePage() == step.page; })) << step.page;
        EXPECT_EQ(Focus(), Control(step.field)) << step.field;
    }
    Shot("fourth-tab-by-keys");
    // From the result view as well.
    Click(CentreOf(Control("TextMemo1")));
    Chord({VK_CONTROL, VK_TAB});
    EXPECT_TRUE(WaitFor([&] { return ActivePage() == 0; }));
    EXPECT_EQ(Focus(), Control("EditUrl1"));
    ASSERT_TRUE(Quit());
    EXPECT_NE(folder_.ReadIni().find("Page=0"), std::string::npos);
}

TEST_F(WorkingByKeyboard, TabAfterAClickOnTheTabStripGoesIntoThatPage) {
    Start();
    for (const int page : {1, 3, 2}) {
        Click(ClientPoint(Control("PageControl1"), kTabCaption[page].x, kTabCaption[page].y));
        ASSERT_TRUE(WaitFor([&] { return ActivePage() == page; }));
        Tap(VK_TAB);
        const char* first[] = {"EditUrl1", "EditUrl2", "EditUrl3", "EditUrl4"};
        EXPECT_TRUE(WaitFor([&] { return Focus() == Control(first[page]); })) << page;
        Tap(VK_TAB);  // and on through the page's fields
        const char* second[] = {"", "EditTxt2", "EditImg3", "EditTxt4"};
        EXPECT_TRUE(WaitFor([&] { return Focus() == Control(second[page]); })) << page;
    }
    TypeAscii("typed");
    EXPECT_EQ(TextOf(Control("EditImg3")), "typed");
    Shot("typed-after-tab");
}

TEST_F(WorkingByKeyboard, TheAboutBoxClosesByEscapeAsByEnter) {
    Start();
    for (const WORD key : {VK_ESCAPE, VK_RETURN}) {
        Click(ClientPoint(Control("ActionMainMenuBar1"), kHelpMenu.x, kHelpMenu.y));
        ASSERT_NE(Program().WaitForWindow("#32768"), nullptr);
        Tap(VK_DOWN);
        Tap(VK_RETURN);
        HWND box = Program().WaitForWindow("MirevoForm", "Mirevo について");
        ASSERT_NE(box, nullptr);
        if (key == VK_ESCAPE) Shot("about");
        Tap(key);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); })) << key;
    }
    ASSERT_TRUE(Quit());
}

}  // namespace
}  // namespace mirevo::journeys
