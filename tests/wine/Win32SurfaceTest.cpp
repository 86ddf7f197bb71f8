// The GDI surface and resources, drawing into memory bitmaps, and the text drawer over them.
#include <windows.h>

#include "platform/win32/Win32Surface.h"
#undef ExtTextOut
#undef TextOut

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "textview/FontStock.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextDrawer.h"

namespace mirevo {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// A 32-bit top-down bitmap selected into a memory context, its pixels readable.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF fill = kWhite) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) Set(x, y, fill);
        }
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;
    ~PixelCanvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }

    HDC Dc() const { return dc_; }
    // The bitmap, out of the context so that a surface can copy from it (a bitmap can be in
    // one context only).
    TBitmapHandle DetachBitmap() {
        SelectObject(dc_, previous_);
        return TBitmapHandle{reinterpret_cast<std::uintptr_t>(bitmap_)};
    }

    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    void Set(int x, int y, COLORREF color) {
        bits_[y * width_ + x] =
            (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    }
    // Pixels where every channel is below half: glyph ink on a light background.
    std::vector<POINT> DarkPixels() const {
        std::vector<POINT> dark;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = At(x, y);
                if (GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128) {
                    dark.push_back({x, y});
                }
            }
        }
        return dark;
    }

private:
    int width_;
    int height_;
    HBITMAP bitmap_;
    std::uint32_t* bits_ = nullptr;
    HDC dc_;
    HGDIOBJ previous_;
};

class Win32SurfaceTest : public testing::Test {
protected:
    ~Win32SurfaceTest() override {
        if (font_ != TFontHandle::None) resources_.FreeFont(font_);
    }
    TFontHandle Gothic() {
        if (font_ == TFontHandle::None) font_ = resources_.NewFont(gothic_);
        return font_;
    }

    IDrawingResources& resources_ = Win32DrawingResources();
    const TLogFont gothic_ = MakeLogFont("ＭＳ ゴシック", -16, kShiftJisCharset);
    TFontHandle font_ = TFontHandle::None;
};

TEST_F(Win32SurfaceTest, TextRunDrawsInsideItsRectangleOnCellsOfTheSpacingArray) {
    PixelCanvas canvas(200, 40);
    {
        const auto surface = CreateWin32Surface(canvas.Dc());
        surface->SelectFont(Gothic());
        surface->SetForeColor(clBlack);
        surface->SetBackColor(kYellow);
        const TRect cells{10, 8, 150, 28};
        const std::vector<std::int32_t> spacing(6, 20);
        surface->DrawTextRun(10, 8, TTextOutOptions::Opaque | TTextOutOptions::Clipped, &cells,
                             "漢字ab", spacing);
    }
    const auto dark = canvas.DarkPixels();
    ASSERT_FALSE(dark.empty());
    bool inLastCells = false;
    for (const POINT& p : dark) {
        EXPECT_TRUE(p.x >= 10 && p.x < 150 && p.y >= 8 && p.y < 28) << p.x << "," << p.y;
        inLastCells = inLastCells || p.x >= 90;  // "a" and "b" start 80 pixels in
    }
    EXPECT_TRUE(inLastCells);
    EXPECT_EQ(canvas.At(149, 27), kYellow);
    EXPECT_EQ(canvas.At(150, 27), kWhite);
    EXPECT_EQ(canvas.At(9, 8), kWhite);
}

TEST_F(Win32SurfaceTest, LogicalFontRoundTripsThroughTheHandle) {
    const TLogFont described = resources_.DescribeFont(Gothic());
    EXPECT_EQ(described.Face(), "ＭＳ ゴシック");
    EXPECT_EQ(described.Height, -16);
    EXPECT_EQ(described.CharSet, kShiftJisCharset);
    EXPECT_EQ(std::string(gothic_.FaceName.data()), std::string(described.FaceName.data()));
}

TEST_F(Win32SurfaceTest, GothicHasAPositiveCellOnTheScreen) {
    TFontsInfoManager manager(resources_);
    TFontStock stock(&gothic_, manager);
    EXPECT_GT(stock.CharAdvance(), 0);
    EXPECT_GE(stock.CharHeight(), 16);

    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, reinterpret_cast<HFONT>(stock.FontHandle()));
    char face[LF_FACESIZE] = {};
    GetTextFaceA(screen, LF_FACESIZE, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    std::printf("[ info ] \"MS Gothic\" is drawn in %s, cell %dx%d\n", face, stock.CharAdvance(),
                stock.CharHeight());
}

TEST_F(Win32SurfaceTest, DrawerPutsEveryByteInItsCellAndGivesTheContextBack) {
    PixelCanvas canvas(200, 40);
    const COLORREF textColor = GetTextColor(canvas.Dc());
    TFontsInfoManager manager(resources_);
    {
        TTextDrawer drawer({}, &gothic_, manager);
        const auto surface = CreateWin32Surface(canvas.Dc());
        drawer.BeginDrawing(*surface);
        drawer.SetBackColor(kYellow);
        const std::int32_t width = drawer.CharWidth();
        const TRect cells{0, 0, 10 * width, drawer.CharHeight()};
        drawer.ExtTextOut(0, 0, TTextOutOptions::Opaque, &cells, "MMMMMMMMMM");
        drawer.EndDrawing();
        EXPECT_EQ(GetTextColor(canvas.Dc()), textColor);
        EXPECT_EQ(canvas.At(10 * width - 1, 0), kYellow);
        EXPECT_EQ(canvas.At(10 * width, 0), kWhite);
        int rightmost = 0;
        for (const POINT& p : canvas.DarkPixels()) rightmost = std::max<int>(rightmost, p.x);
        EXPECT_GT(rightmost, 9 * width);
        EXPECT_LT(rightmost, 10 * width + 2);
    }
    EXPECT_EQ(manager.RecordCount(), 0u);
}

TEST_F(Win32SurfaceTest, MaskedGlyphShowsTheBrushOrWhatIsBehind) {
    PixelCanvas glyph(4, 1);
    for (int x = 0; x < 4; ++x) glyph.Set(x, 0, std::vector{kLime, kRed, kLime, kBlue}[x]);
    struct Case {
        TColor brush;
        bool masked;
        std::vector<COLORREF> expected;
    };
    const Case cases[] = {
        {kYellow, true, {kYellow, kRed, kYellow, kBlue}},
        {clNone, true, {kWhite, kRed, kWhite, kBlue}},
        {kYellow, false, {kLime, kRed, kLime, kBlue}},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(8, 2);
        {
            const auto surface = CreateWin32Surface(canvas.Dc());
            surface->SetBrushColor(c.brush);
            if (c.masked) {
                surface->DrawMaskedBitmap(glyph.DetachBitmap(), {0, 0, 4, 1}, 2, 1, clLime);
            } else {
                surface->DrawBitmap(glyph.DetachBitmap(), {0, 0, 4, 1}, 2, 1);
            }
        }
        for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.At(2 + x, 1), c.expected[x]) << x;
        EXPECT_EQ(canvas.At(1, 1), kWhite);
    }
    // Stretched to twice its size each pixel becomes a square of four, masked or not.
    for (const Case& c : cases) {
        PixelCanvas canvas(10, 3);
        {
            const auto surface = CreateWin32Surface(canvas.Dc());
            surface->SetBrushColor(c.brush);
            surface->DrawBitmapScaled(glyph.DetachBitmap(), {0, 0, 4, 1}, {1, 1, 9, 3},
                                      c.masked ? clLime : clNone);
        }
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(canvas.At(1 + x, 1), c.expected[x / 2]) << x;
            EXPECT_EQ(canvas.At(1 + x, 2), c.expected[x / 2]) << x;
        }
        EXPECT_EQ(canvas.At(0, 1), kWhite);
        EXPECT_EQ(canvas.At(9, 2), kWhite);
        EXPECT_EQ(canvas.At(4, 0), kWhite);
    }
}

TEST_F(Win32SurfaceTest, FillsLinesStateAndColours) {
    PixelCanvas canvas(40, 20);
    const HDC dc = canvas.Dc();
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    {
        const auto surface = CreateWin32Surface(dc);
        EXPECT_EQ(surface->ClipRect(), (TRect{0, 0, 40, 20}));
        EXPECT_EQ(surface->ColorToRgb(clWindow), GetSysColor(COLOR_WINDOW));
        surface->SetBrushColor(kRed);
        surface->FillRect({0, 0, 10, 10});
        surface->SetPen(kBlue, 1);
        surface->DrawLine(20, 0, 20, 10);

        const int saved = surface->SaveState();
        surface->SetForeColor(kRed);
        surface->SelectFont(Gothic());
        surface->RestoreState(saved);
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
        surface->SelectFont(Gothic());
    }
    EXPECT_EQ(canvas.At(9, 9), kRed);
    EXPECT_EQ(canvas.At(10, 9), kWhite);
    EXPECT_EQ(canvas.At(20, 9), kBlue);
    EXPECT_EQ(canvas.At(20, 10), kWhite);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
}

TEST(Win32Registry, TheProcessHasOneSetOfDrawingResources) {
    EXPECT_EQ(&Win32DrawingResources(), &Win32DrawingResources());
    const TFontsInfoManager registry(Win32DrawingResources());
    EXPECT_EQ(&registry.Resources(), &Win32DrawingResources());
}

}  // namespace
}  // namespace mirevo
