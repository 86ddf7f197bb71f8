// The main window moved between screens of different densities: every window keeps its
// design place and font scaled by the new density, and coming back changes nothing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/DpiScale.h"
#include "tests/wine/MainWindowFixture.h"

namespace mirevo::testing_support {
namespace {

RECT RectInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG FontHeight(HWND hwnd) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The controls whose windows take their design bounds as they are: labels size themselves
// to their text and tab pages fill their tab control.
void CollectPlaced(const TControl& control, std::vector<const TControl*>& placed) {
    for (const TControl* child : control.Children()) {
        if (child->Peer() && child->Kind() != TControlKind::Label &&
            child->Kind() != TControlKind::TabSheet)
            placed.push_back(child);
        CollectPlaced(*child, placed);
    }
}

// As Windows suggests it: the client area scaled from the form's design size, inside the
// frame (which Wine draws at one size for every density).
void ChangeDpi(HWND window, const TForm& form, UINT dpi) {
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const LONG frameWidth = outer.right - outer.left - client.right;
    const LONG frameHeight = outer.bottom - outer.top - client.bottom;
    RECT suggested{outer.left, outer.top,
                   outer.left + frameWidth + ToDevicePixels(form.ClientSize().Width, dpi),
                   outer.top + frameHeight + ToDevicePixels(form.ClientSize().Height, dpi)};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(MainWindow, FollowsAMoveToAScreenOfAnotherDensity) {
    TMainForm& f = Open("[Form]\r\nTop=40\r\nLeft=50\r\nWidth=520\r\nHeight=420\r\nPage=0\r\n");
    HWND window = HandleOf(f);
    const TSize design = f.ClientSize();
    const RECT url96 = RectInParent(HandleOf(f.EditUrl1));
    for (const UINT dpi : {144u, 120u, 96u}) {
        SCOPED_TRACE(dpi);
        ChangeDpi(window, f, dpi);
        Pump();
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(ToDesignPixels(client.right, dpi), f.ClientSize().Width);
        EXPECT_EQ(f.ClientSize(), design);
        std::vector<const TControl*> placed;
        CollectPlaced(f, placed);
        ASSERT_GT(placed.size(), 5u);
        for (const TControl* control : placed) {
            SCOPED_TRACE(control->Name());
            const TBounds& b = control->Bounds();
            const RECT r = RectInParent(HandleOf(*control));
            EXPECT_EQ(r.left, ToDevicePixels(b.Left, dpi));
            EXPECT_EQ(r.top, ToDevicePixels(b.Top, dpi));
            EXPECT_EQ(r.right, ToDevicePixels(b.Right(), dpi));
            EXPECT_EQ(r.bottom, ToDevicePixels(b.Bottom(), dpi));
        }
        EXPECT_EQ(FontHeight(HandleOf(f.EditUrl1)), ToDevicePixels(f.EditUrl1.Font().Height, dpi));
        EXPECT_EQ(f.TextMemo1.Font().Height, ToDevicePixels(-13, dpi));
        int width = 0;
        int height = 0;
        const auto images = reinterpret_cast<HIMAGELIST>(
            SendMessageA(HandleOf(f.ActionToolBar1), TB_GETIMAGELIST, 0, 0));
        ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
        EXPECT_EQ(width, ToDevicePixels(16, dpi));
        EXPECT_EQ(height, ToDevicePixels(16, dpi));
    }
    const RECT url = RectInParent(HandleOf(f.EditUrl1));
    EXPECT_TRUE(EqualRect(&url, &url96))
        << url.left << "," << url.top << " " << url.right << "," << url.bottom;
}

}  // namespace
}  // namespace mirevo::testing_support
