// The text view in a real window: its class and styles, painting of text, gutter and wrap
// glyphs, scrolling by message; optionally a picture of the window for a person to look at.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "tests/wine/TextViewWindowFixture.h"

namespace mirevo::testing_support {
namespace {

const char kCode[] =
    "<a href=\"https://click.example.net/svt/ejp?a8mat=2BXYZ1+ABCDEF+1234+5678&a8ejpredirect="
    "https%3A%2F%2Fwww.example.com%2Fshop%2Fitem%2F%3Fid%3D12345\" target=\"_blank\" "
    "rel=\"nofollow\">"
    "おすすめの商品はこちら</a><img border=\"0\" width=\"1\" height=\"1\" "
    "src=\"https://pixel.example.net/0.gif?a8mat=2BXYZ1+ABCDEF+1234+5678\" alt=\"\">";

// Writes the window's pixels as a 24-bit bitmap file.
void SaveWindowPicture(HWND hwnd, const char* path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file{
        0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
        sizeof(BITMAPFILEHEADER) + sizeof info};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

using TextViewWindow = TextViewWindowFixture;

TEST_F(TextViewWindow, HasItsOwnClassWithoutRedrawOnResizeAndWithASunkenBorder) {
    HWND hwnd = Open();
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    EXPECT_STREQ(name, "MirevoTextView");
    const auto classStyle = GetClassLongPtrA(hwnd, GCL_STYLE);
    EXPECT_EQ(classStyle & (CS_HREDRAW | CS_VREDRAW), 0u);
    EXPECT_NE(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CLIPCHILDREN, 0);
    EXPECT_NE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, 0, 0), 1);

    // Without a border the same window's client area grows by the frame.
    RECT sunken;
    GetClientRect(hwnd, &sunken);
    view_.SetBorderStyle(TViewBorderStyle::bsNone);
    Pump();
    RECT flat;
    GetClientRect(hwnd, &flat);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_GT(flat.right, sunken.right);
    EXPECT_EQ(reinterpret_cast<HWND>(view_.Peer()->Handle()), hwnd);
}

TEST_F(TextViewWindow, PaintsWrappedCodeWithGutterAndWrapGlyphs) {
    HWND hwnd = Open();
    view_.SetText(kCode);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    Pump();
    ASSERT_GT(view_.RowCount(), 3);
    ASSERT_EQ(view_.GutterWidth(), 15);

    HDC dc = GetDC(hwnd);
    const COLORREF gutter = GetPixel(dc, 2, view_.LineHeight() / 2);
    // A pixel of the glyph's return arrow on the second row (its vertical stroke at glyph x 13).
    const int rowTop = view_.LineHeight();
    const int glyphTop = view_.LineHeight() >= 14 ? rowTop + (view_.LineHeight() - 14) / 2
                                                 : rowTop - (14 - view_.LineHeight()) / 2;
    const COLORREF arrow = GetPixel(dc, -4 + 13, glyphTop + 6);
    int inked = 0;
    for (int x = 17; x < 300; ++x) {
        if (GetPixel(dc, x, view_.LineHeight() / 2) != GetPixel(dc, 399, 100)) ++inked;
    }
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(gutter, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(arrow, RGB(0, 0, 0x80));
    EXPECT_GT(inked, 20);  // the first row has text

    if (const char* path = std::getenv("MIREVO_TEXTVIEW_PICTURE"))
        SaveWindowPicture(GetParent(hwnd), path);
}

TEST_F(TextViewWindow, ScrollMessagesMoveTheTopLine) {
    HWND hwnd = Open();
    std::string text = kCode;
    for (int i = 0; i < 30; ++i) text += "\r\nline";
    view_.SetText(text);
    Pump();
    SendMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(view_.TopLine(), 2);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(hwnd, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 2);
    SendMessageA(hwnd, WM_VSCROLL, SB_ENDSCROLL, 0);
}

}  // namespace
}  // namespace mirevo::testing_support
