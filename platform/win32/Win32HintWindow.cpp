#include "platform/win32/Win32HintWindow.h"

#include <windows.h>

#include <string>

#include "platform/win32/Win32Host.h"

namespace mirevo {

namespace {

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

TSize Win32HintWindow::MeasureHint(std::string_view text, std::int32_t maxWidth) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right + 6, r.bottom + 4};
}

void Win32HintWindow::ShowHint(const TRect& screenRect, std::string_view text, TColor color) {
    HWND hint = HintWindow();
    Hint().Text.assign(text);
    Hint().Color = color;
    SetWindowPos(hint, HWND_TOPMOST, screenRect.Left, screenRect.Top, screenRect.Width(),
                 screenRect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hint, nullptr, TRUE);
    UpdateWindow(hint);
}

void Win32HintWindow::HideHint() {
    if (Hint().Hwnd) ShowWindow(Hint().Hwnd, SW_HIDE);
}

}  // namespace mirevo
