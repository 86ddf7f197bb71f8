#include "platform/win32/Win32WindowServices.h"

#include <imm.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Surface.h"

namespace mirevo {

namespace {

int BarOf(TScrollBarKind bar) { return bar == TScrollBarKind::sbVertical ? SB_VERT : SB_HORZ; }

// The process-wide hint window: a bordered popup painting its text on its colour.
struct THintWindow {
    HWND Hwnd = nullptr;
    std::string Text;
    TColor Color = clInfoBk;
};

THintWindow& Hint() {
    static THintWindow hint;
    return hint;
}

LRESULT CALLBACK HintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(Win32Host::ColorRef(Hint().Color));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT text = client;
    InflateRect(&text, -2, -1);
    DrawTextA(dc, Hint().Text.c_str(), static_cast<int>(Hint().Text.size()), &text,
              DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
    return 0;
}

HWND HintWindow() {
    THintWindow& hint = Hint();
    if (hint.Hwnd) return hint.Hwnd;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = HintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MirevoScrollHint";
    RegisterClassExA(&wc);
    hint.Hwnd =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "",
                        WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    return hint.Hwnd;
}

}  // namespace

TSize Win32WindowServices::ClientSize() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return {client.right, client.bottom};
}

void Win32WindowServices::Invalidate(const TRect* rect) {
    if (!rect) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    const RECT r{rect->Left, rect->Top, rect->Right, rect->Bottom};
    InvalidateRect(hwnd_, &r, FALSE);
}

void Win32WindowServices::ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) {
    RECT r{};
    if (area) r = {area->Left, area->Top, area->Right, area->Bottom};
    ScrollWindowEx(hwnd_, dx, dy, area ? &r : nullptr, area ? &r : nullptr, nullptr, nullptr,
                   SW_INVALIDATE);
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
        TRect ClipRect() override { return inner_->ClipRect(); }

    private:
        HWND hwnd_;
        HDC dc_;
        std::unique_ptr<IDrawingSurface> inner_;
    };
    return std::make_unique<WindowSurface>(hwnd_);
}

void Win32WindowServices::ShowScrollBar(TScrollBarKind bar, bool show) {
    ::ShowScrollBar(hwnd_, BarOf(bar), show);
}

void Win32WindowServices::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (info.DisableNoScroll ? SIF_DISABLENOSCROLL : 0);
    si.nMin = info.Min;
    si.nMax = info.Max;
    si.nPage = static_cast<UINT>(info.Page);
    si.nPos = info.Pos;
    ::SetScrollInfo(hwnd_, BarOf(bar), &si, TRUE);
}

void Win32WindowServices::EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) {
    UINT flags = ESB_ENABLE_BOTH;
    switch (arrows) {
        case TScrollArrows::EnableBoth:
            flags = ESB_ENABLE_BOTH;
            break;
        case TScrollArrows::DisableLeftUp:
            flags = ESB_DISABLE_LTUP;
            break;
        case TScrollArrows::DisableRightDown:
            flags = ESB_DISABLE_RTDN;
            break;
        case TScrollArrows::DisableBoth:
            flags = ESB_DISABLE_BOTH;
            break;
    }
    EnableScrollBar(hwnd_, BarOf(bar), flags);
}

TScrollInfo Win32WindowServices::ScrollTrackInfo(TScrollBarKind bar) const {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, BarOf(bar), &si);
    return {si.nMin, si.nMax, static_cast<std::int32_t>(si.nPage), si.nTrackPos, false};
}

bool Win32WindowServices::CreateCaret(std::int32_t width, std::int32_t height) {
    return ::CreateCaret(hwnd_, nullptr, width, height) != FALSE;
}

void Win32WindowServices::SetTimer(std::uintptr_t id, std::uint32_t milliseconds) {
    ::SetTimer(hwnd_, id, milliseconds, nullptr);
}

TPoint Win32WindowServices::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd_, &p);
    return {p.x, p.y};
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

void Win32WindowServices::SetCursor(TCursor cursor) {
    // The stock shapes have system cursors; the two drag shapes have none of their own.
    LPCSTR id = reinterpret_cast<LPCSTR>(IDC_ARROW);
    switch (cursor) {
        case crIBeam:
            id = reinterpret_cast<LPCSTR>(IDC_IBEAM);
            break;
        case crNoDrop:
            id = reinterpret_cast<LPCSTR>(IDC_NO);
            break;
        default:
            break;
    }
    ::SetCursor(LoadCursorA(nullptr, id));
}

std::int32_t Win32WindowServices::WheelScrollLines() const {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines == WHEEL_PAGESCROLL ? -1 : static_cast<std::int32_t>(lines);
}

TSize Win32WindowServices::DragDistance() const {
    return {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)};
}

void Win32WindowServices::SetCompositionWindow(TPoint point) {
    HIMC context = ImmGetContext(hwnd_);
    if (!context) return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = {point.X, point.Y};
    ImmSetCompositionWindow(context, &form);
    ImmReleaseContext(hwnd_, context);
}

void Win32WindowServices::SetCompositionFont(const TLogFont& font) {
    HIMC context = ImmGetContext(hwnd_);
    if (!context) return;
    LOGFONTA logFont{};
    static_assert(sizeof logFont == sizeof font);
    std::memcpy(&logFont, &font, sizeof logFont);
    ImmSetCompositionFontA(context, &logFont);
    ImmReleaseContext(hwnd_, context);
}

void Win32WindowServices::DragAcceptFiles(bool accept) { ::DragAcceptFiles(hwnd_, accept); }

TPoint Win32WindowServices::ClientToScreen(TPoint point) const {
    POINT p{point.X, point.Y};
    ::ClientToScreen(hwnd_, &p);
    return {p.x, p.y};
}

TSize Win32WindowServices::MeasureHint(std::string_view text, std::int32_t maxWidth) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right + 6, r.bottom + 4};
}

void Win32WindowServices::ShowHint(const TRect& screenRect, std::string_view text, TColor color) {
    HWND hint = HintWindow();
    Hint().Text.assign(text);
    Hint().Color = color;
    SetWindowPos(hint, HWND_TOPMOST, screenRect.Left, screenRect.Top, screenRect.Width(),
                 screenRect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hint, nullptr, TRUE);
    UpdateWindow(hint);
}

void Win32WindowServices::HideHint() {
    if (Hint().Hwnd) ShowWindow(Hint().Hwnd, SW_HIDE);
}

}  // namespace mirevo
