#include "platform/win32/Win32WindowServices.h"

#include <shellapi.h>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Surface.h"

namespace mirevo {

TSize Win32WindowServices::ClientSize() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return {client.right, client.bottom};
}

std::uint32_t Win32WindowServices::PixelsPerInch() const { return WindowDpi(hwnd_); }

void Win32WindowServices::Invalidate(const TRect* rect) {
    if (!rect) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    const RECT r{rect->Left, rect->Top, rect->Right, rect->Bottom};
    InvalidateRect(hwnd_, &r, FALSE);
}

std::unique_ptr<IDrawingSurface> Win32WindowServices::OpenDrawingSurface() {
    // The surface borrows the window's context; the holder gives it back afterwards.
    class WindowSurface final : public IDrawingSurface {
    public:
        explicit WindowSurface(HWND hwnd)
            : hwnd_(hwnd), dc_(GetDC(hwnd)), inner_(CreateWin32Surface(dc_)) {}
        ~WindowSurface() noexcept override {
            inner_.reset();
            ReleaseDC(hwnd_, dc_);
        }
        int SaveState() override { return inner_->SaveState(); }
        void RestoreState(int state) override { inner_->RestoreState(state); }
        TFontHandle SelectFont(TFontHandle font) override { return inner_->SelectFont(font); }
        TTextMetrics Metrics() override { return inner_->Metrics(); }
        std::optional<TABCWidths> CharWidths(unsigned char c) override {
            return inner_->CharWidths(c);
        }
        TSize TextExtent(std::string_view text) override { return inner_->TextExtent(text); }
        void SetForeColor(TColor color) override { inner_->SetForeColor(color); }
        void SetBackColor(TColor color) override { inner_->SetBackColor(color); }
        void SetBackgroundMode(TBackgroundMode mode) override { inner_->SetBackgroundMode(mode); }
        TColorRef ColorToRgb(TColor color) override { return inner_->ColorToRgb(color); }
        void DrawTextRun(std::int32_t x, std::int32_t y, TTextOutOptions options, const TRect* rect,
                         std::string_view text, std::span<const std::int32_t> spacing) override {
            inner_->DrawTextRun(x, y, options, rect, text, spacing);
        }
        void SetBrushColor(TColor color) override { inner_->SetBrushColor(color); }
        void FillRect(const TRect& rect) override { inner_->FillRect(rect); }
        void SetPen(TColor color, std::int32_t width) override { inner_->SetPen(color, width); }
        void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
            inner_->DrawLine(x1, y1, x2, y2);
        }
        void DrawBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                        std::int32_t y) override {
            inner_->DrawBitmap(bitmap, source, x, y);
        }
        void DrawMaskedBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                              std::int32_t y, TColor mask) override {
            inner_->DrawMaskedBitmap(bitmap, source, x, y, mask);
        }
        void DrawBitmapScaled(TBitmapHandle bitmap, const TRect& source, const TRect& dest,
                              TColor mask) override {
            inner_->DrawBitmapScaled(bitmap, source, dest, mask);
        }
        TRect ClipRect() override { return inner_->ClipRect(); }

    private:
        HWND hwnd_;
        HDC dc_;
        std::unique_ptr<IDrawingSurface> inner_;
    };
    return std::make_unique<WindowSurface>(hwnd_);
}

TShiftState Win32WindowServices::ShiftState() const {
    TShiftState shift;
    const auto held = [](int key) { return GetKeyState(key) < 0; };
    if (held(VK_SHIFT)) shift.Include(TShiftFlag::ssShift);
    if (held(VK_CONTROL)) shift.Include(TShiftFlag::ssCtrl);
    if (held(VK_MENU)) shift.Include(TShiftFlag::ssAlt);
    if (held(VK_LBUTTON)) shift.Include(TShiftFlag::ssLeft);
    if (held(VK_RBUTTON)) shift.Include(TShiftFlag::ssRight);
    if (held(VK_MBUTTON)) shift.Include(TShiftFlag::ssMiddle);
    return shift;
}

void Win32WindowServices::DragAcceptFiles(bool accept) { ::DragAcceptFiles(hwnd_, accept); }

TPoint Win32WindowServices::ClientToScreen(TPoint point) const {
    POINT p{point.X, point.Y};
    ::ClientToScreen(hwnd_, &p);
    return {p.x, p.y};
}

}  // namespace mirevo
