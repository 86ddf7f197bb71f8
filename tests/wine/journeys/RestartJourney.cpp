// Closing and starting again: a resized, maximised or oddly stored window comes back as the
// user left it, with its lower half laid out to the window's width, and always on screen.
#include <string>

#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

class Restart : public Journey {
protected:
    // Distances of a control's right and bottom edges to the main window's client area.
    POINT GapsOf(const char* name) {
        RECT client;
        GetClientRect(Program().Main(), &client);
        const POINT corner = ClientPoint(Program().Main(), client.right, client.bottom);
        const RECT r = ScreenRect(Control(name));
        return {corner.x - r.right, corner.y - r.bottom};
    }
    // The lower half and the fields keep the designed distances to the right edge.
    void ExpectDesignedGaps(const std::string& when) {
        EXPECT_EQ(GapsOf("TextMemo1").x, 13) << when;
        EXPECT_EQ(GapsOf("ButtonCopyResult").x, 13) << when;
        EXPECT_EQ(GapsOf("ButtonCopyResult").y, 13) << when;
        RECT page;
        GetClientRect(Control("TabSheet1"), &page);
        const RECT field = ScreenRect(Control("EditUrl1"));
        EXPECT_EQ(ClientPoint(Control("TabSheet1"), page.right, 0).x - field.right,
                  TabSheetFieldGap())
            << when;
    }
    // The designed gap between a field's right edge and its page's.
    static int TabSheetFieldGap() { return 400 - 388; }
    std::string IniValue(const std::string& key) {
        const std::string ini = folder_.ReadIni();
        const auto at = ini.find("\n" + key + "=");
        if (at == std::string::npos) return "(none)";
        const auto start = at + key.size() + 2;
        return ini.substr(start, ini.find('\r', start) - start);
    }
};

TEST_F(Restart, AfterAResizeTheLowerHalfFollowsTheWidthExactlyOnce) {
    for (const int width : {600, 355, 416}) {
        const std::string when = "Width=" + std::to_string(width);
        folder_.WriteIni("[Form]\r\nWidth=" + std::to_string(width) + "\r\n");
        Start();
        EXPECT_EQ(ScreenRect(Program().Main()).right - ScreenRect(Program().Main()).left, width)
            << when;
        ExpectDesignedGaps(when);
        Shot("started-" + std::to_string(width));
        ASSERT_TRUE(Quit());
    }
    Start();
    const RECT before = ScreenRect(Program().Main());
    const int middle = (before.top + before.bottom) / 2;
    Drag({before.right - 2, middle}, {before.right + 148, middle});
    EXPECT_EQ(ScreenRect(Program().Main()).right, before.right + 150);
    ExpectDesignedGaps("dragged wider");
    Shot("dragged-wider");
    ASSERT_TRUE(Quit());
    EXPECT_EQ(IniValue("Width"), std::to_string(before.right - before.left + 150));
    Start();
    ExpectDesignedGaps("restarted after the drag");
    Shot("restarted");
}

TEST_F(Restart, ClosedMaximisedComesBackAsANormalWindowWhereItWas) {
    folder_.WriteIni("[Form]\r\nTop=150\r\nLeft=220\r\nWidth=500\r\n");
    Start();
    const RECT normal = ScreenRect(Program().Main());
    DoubleClick({(normal.left + normal.right) / 2, normal.top + 10});
    ASSERT_TRUE(WaitFor([&] { return IsZoomed(Program().Main()); })) << "not maximised";
    ExpectDesignedGaps("maximised");
    Shot("maximised");
    ASSERT_TRUE(Quit());
    EXPECT_EQ(IniValue("Left"), "220");
    EXPECT_EQ(IniValue("Top"), "150");
    EXPECT_EQ(IniValue("Width"), "500");
    Start();
    EXPECT_FALSE(IsZoomed(Program().Main()));
    const RECT again = ScreenRect(Program().Main());
    EXPECT_EQ(again.left, 220);
    EXPECT_EQ(again.top, 150);
    EXPECT_EQ(again.right - again.left, 500);
    Shot("restarted");
}

TEST_F(Restart, AStoredPlaceOffEveryScreenComesBackOntoIt) {
    const char* places[] = {
        "Left=-99999",      "Top=99999", "Left=2147483647", "Top=-2147483648\r\nLeft=-2147483648",
        "Width=2147483647", "Width=-5",  "Left=0x7FFFFFFF"};
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    for (const char* place : places) {
        folder_.WriteIni(std::string("[Form]\r\n") + place + "\r\n");
        Start();
        const RECT r = ScreenRect(Program().Main());
        EXPECT_GE(r.top, screen.top) << place;
        EXPECT_LE(r.top + 20, screen.bottom) << place;
        EXPECT_GE(std::min(r.right, screen.right) - std::max(r.left, screen.left), 40) << place;
        ExpectDesignedGaps(place);
        ASSERT_TRUE(Quit()) << place;
    }
    Start();
    Shot("after-odd-places");
}

TEST_F(Restart, EndingTheWindowsSessionStoresThePlacement) {
    folder_.WriteIni("[Form]\r\nTop=60\r\nLeft=70\r\n");
    Start();
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(Program().Main(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &answer);
    EXPECT_EQ(answer, TRUE);
    SendMessageTimeoutA(Program().Main(), WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    EXPECT_EQ(IniValue("Top"), "60");
    EXPECT_EQ(IniValue("Height"), "360");
    EXPECT_TRUE(Program().WaitForExit());
}

}  // namespace
}  // namespace mirevo::journeys
