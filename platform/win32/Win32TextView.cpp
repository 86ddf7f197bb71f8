#include "platform/win32/Win32TextView.h"

#include <imm.h>

#include "common/DpiScale.h"
#include "platform/win32/Win32Convert.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Surface.h"

namespace mirevo {

namespace {

TShiftState KeyShiftState() {
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(TShiftFlag::ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(TShiftFlag::ssCtrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftFlag::ssAlt);
    return shift;
}

}  // namespace

const char* Win32TextViewPeer::ClassName() {
    // No redraw-on-resize styles: the view repaints only what it invalidates.
    static const char* const name = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
        wc.lpszClassName = "MirevoTextView";
        RegisterClassExA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

Win32TextViewPeer::~Win32TextViewPeer() { view_.AttachWindow(nullptr); }

namespace {

DWORD FrameStyle(const TCustomTextView& view) {
    return view.BorderStyle() == TViewBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0;
}

}  // namespace

void Win32TextViewPeer::StateChanged(TControlState what) {
    if (what != TControlState::Frame) {
        Win32Peer::StateChanged(what);
        return;
    }
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, (exStyle & ~DWORD{WS_EX_CLIENTEDGE}) | FrameStyle(view_));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32TextViewPeer::Create(HWND parent) {
    CreateNative(FrameStyle(view_), ClassName(),
                 WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, parent);
    services_ = std::make_unique<Win32WindowServices>(hwnd_);
    designFont_ = view_.Font();
    designGutterFont_ = view_.Gutter().Font();
    designGutterWidth_ = view_.Gutter().Width();
    designGutterLeft_ = view_.Gutter().LeftOffset();
    designGutterRight_ = view_.Gutter().RightOffset();
    ApplyViewMetrics();
    view_.AttachWindow(services_.get());
}

void Win32TextViewPeer::ApplyViewMetrics() {
    const UINT dpi = Dpi();
    TLogFont font = designFont_;
    font.Height = ToDevicePixels(font.Height, dpi);
    view_.SetFont(font);
    TGutter& gutter = view_.Gutter();
    TLogFont gutterFont = designGutterFont_;
    gutterFont.Height = ToDevicePixels(gutterFont.Height, dpi);
    gutter.SetFont(gutterFont);
    gutter.SetWidth(ToDevicePixels(designGutterWidth_, dpi));
    gutter.SetLeftOffset(ToDevicePixels(designGutterLeft_, dpi));
    gutter.SetRightOffset(ToDevicePixels(designGutterRight_, dpi));
}

void Win32TextViewPeer::Rescale() {
    ApplyViewMetrics();
    Win32Peer::Rescale();
}

LRESULT CALLBACK Win32TextViewPeer::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* peer = static_cast<Win32TextViewPeer*>(Win32Peer::Of(hwnd));
    if (!peer || !peer->services_) return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    peer->Host().Guard([&] {
        result = peer->HandleMessage(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : 0;
}

LRESULT Win32TextViewPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_SIZE:
            view_.Resized();
            return 0;
        case WM_VSCROLL:
            if (const auto code = win32::ScrollCodeOf(wParam))
                view_.VScroll(*code, win32::ScrollThumbOf(wParam));
            return 0;
        case WM_HSCROLL:
            if (const auto code = win32::ScrollCodeOf(wParam))
                view_.HScroll(*code, win32::ScrollThumbOf(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            view_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam),
                             (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0);
            return 0;
        case WM_SETFOCUS:
            view_.FocusGained();
            return 0;
        case WM_KILLFOCUS:
            view_.FocusLost();
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // Keys the bindings leave go on, so that Alt+F4, Alt+Space, F10 and the menu
            // bar's Alt+letter keep working over the view.
            if (OnKeyDown(wParam)) return 0;
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (OnKeyUp(wParam)) return 0;
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_CHAR:
            OnChar(wParam);
            return 0;
        case WM_SYSCHAR:
            if (view_.TakeSystemChar()) return 0;
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_CONTEXTMENU:
            if (OnContextMenu(lParam)) return 0;
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_IME_NOTIFY:
            if (wParam == IMN_SETOPENSTATUS) view_.ImeOpenStatusChanged();
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_DESTROY:
            view_.AttachWindow(nullptr);
            return 0;
        default: {
            LRESULT result = 0;
            if (HandleMouseMessage(message, wParam, lParam, result)) return result;
            if (HandleEditMessage(message, wParam, lParam, result)) return result;
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        }
    }
}

void Win32TextViewPeer::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    try {
        const auto surface = CreateWin32Surface(dc);
        view_.Paint(*surface);
    } catch (...) {
        EndPaint(hwnd_, &ps);
        throw;
    }
    EndPaint(hwnd_, &ps);
}

bool Win32TextViewPeer::OnKeyDown(WPARAM key) {
    TKeyCode code = win32::KeyCodeOf(key);
    view_.KeyDown(code, KeyShiftState());
    const bool taken = code == 0;
    if (key == VK_MENU) altChordTaken_ = false;
    if (taken && GetKeyState(VK_MENU) < 0) altChordTaken_ = true;
    return taken;
}

bool Win32TextViewPeer::OnKeyUp(WPARAM key) {
    TKeyCode code = win32::KeyCodeOf(key);
    view_.KeyUp(code, KeyShiftState());
    // Alt let go after a chord the view took is no press of Alt alone: no menu opens.
    if (key == VK_MENU && altChordTaken_) {
        altChordTaken_ = false;
        return true;
    }
    return code == 0;
}

void Win32TextViewPeer::OnChar(WPARAM character) {
    char c = static_cast<char>(character);
    view_.KeyPress(c);
}

}  // namespace mirevo
