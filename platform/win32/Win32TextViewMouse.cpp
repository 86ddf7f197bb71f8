// The text view's mouse, timer, cursor and dropped-file messages.
#include "platform/win32/Win32TextView.h"

#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace mirevo {

namespace {

// Keys and buttons of a mouse message; Alt is not in its flags.
TShiftState MouseShiftState(WPARAM keys) {
    TShiftState shift;
    if (keys & MK_SHIFT) shift.Include(TShiftFlag::ssShift);
    if (keys & MK_CONTROL) shift.Include(TShiftFlag::ssCtrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftFlag::ssAlt);
    if (keys & MK_LBUTTON) shift.Include(TShiftFlag::ssLeft);
    if (keys & MK_RBUTTON) shift.Include(TShiftFlag::ssRight);
    if (keys & MK_MBUTTON) shift.Include(TShiftFlag::ssMiddle);
    return shift;
}

struct TButtonMessage {
    UINT Message;
    TMouseButton Button;
    bool Down;
    bool Double;
};

constexpr std::array<TButtonMessage, 9> kButtonMessages{{
    {WM_LBUTTONDOWN, TMouseButton::mbLeft, true, false},
    {WM_LBUTTONDBLCLK, TMouseButton::mbLeft, true, true},
    {WM_LBUTTONUP, TMouseButton::mbLeft, false, false},
    {WM_RBUTTONDOWN, TMouseButton::mbRight, true, false},
    {WM_RBUTTONDBLCLK, TMouseButton::mbRight, true, true},
    {WM_RBUTTONUP, TMouseButton::mbRight, false, false},
    {WM_MBUTTONDOWN, TMouseButton::mbMiddle, true, false},
    {WM_MBUTTONDBLCLK, TMouseButton::mbMiddle, true, true},
    {WM_MBUTTONUP, TMouseButton::mbMiddle, false, false},
}};

const TButtonMessage* ButtonMessage(UINT message) {
    const auto it =
        std::find_if(kButtonMessages.begin(), kButtonMessages.end(),
                     [message](const TButtonMessage& m) { return m.Message == message; });
    return it == kButtonMessages.end() ? nullptr : &*it;
}

// The shell's drop handle, released however the drop ends.
struct TDropHandle {
    explicit TDropHandle(HDROP handle) : Handle(handle) {}
    TDropHandle(const TDropHandle&) = delete;
    TDropHandle& operator=(const TDropHandle&) = delete;
    ~TDropHandle() { DragFinish(Handle); }
    HDROP Handle;
};

std::vector<std::string> DroppedFiles(HDROP drop) {
    std::vector<std::string> files;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char name[MAX_PATH + 1] = {};
        DragQueryFileA(drop, i, name, sizeof name);
        files.emplace_back(name);
    }
    return files;
}

// The text view under a point of this view's client area: another text view window of this
// process, else this one.
TCustomTextView::TDragTarget TextViewAt(HWND self, TCustomTextView& view, TPoint at) {
    POINT screen{at.X, at.Y};
    ClientToScreen(self, &screen);
    HWND under = WindowFromPoint(screen);
    char name[32] = {};
    DWORD process = 0;
    if (under && under != self && GetClassNameA(under, name, sizeof name) &&
        std::strcmp(name, Win32TextViewPeer::ClassName()) == 0 &&
        GetWindowThreadProcessId(under, &process) && process == GetCurrentProcessId()) {
        Win32Peer* peer = Win32Peer::Of(under);
        if (auto* other = peer ? dynamic_cast<TCustomTextView*>(&peer->Control()) : nullptr) {
            POINT client = screen;
            ScreenToClient(under, &client);
            return {other, {client.x, client.y}};
        }
    }
    return {&view, at};
}

}  // namespace

bool Win32TextViewPeer::HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT& result) {
    result = 0;
    // Signed: a captured mouse reports points left of and above the window.
    const std::int32_t x = static_cast<std::int16_t>(LOWORD(lParam));
    const std::int32_t y = static_cast<std::int16_t>(HIWORD(lParam));
    if (const TButtonMessage* button = ButtonMessage(message)) {
        TShiftState shift = MouseShiftState(wParam);
        if (!button->Down) {
            view_.MouseUp(button->Button, shift, x, y);
            // The default handling of the right button's release asks for the context menu.
            if (button->Button == TMouseButton::mbRight) {
                result = DefWindowProcA(hwnd_, message, wParam, lParam);
            }
            return true;
        }
        if (button->Double) shift.Include(TShiftFlag::ssDouble);
        // A drag that this press may start finds its target among this process's views.
        view_.SetDragTargetLocator([this](TPoint at) { return TextViewAt(hwnd_, view_, at); });
        view_.MouseDown(button->Button, shift, x, y);
        // Only the left button's double-click selects a word.
        if (button->Double && button->Button == TMouseButton::mbLeft) view_.DblClick();
        return true;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            view_.MouseMove(MouseShiftState(wParam), x, y);
            return true;
        case WM_TIMER:
            if (wParam != TCustomTextView::kScrollTimerId) return false;
            view_.ScrollTimerTick();
            return true;
        case WM_CAPTURECHANGED:
            view_.CaptureChanged();
            return false;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != hwnd_ || LOWORD(lParam) != HTCLIENT) return false;
            if (!view_.Dragging()) {
                const TPoint at = services_->Mouse().CursorPos();
                services_->Mouse().SetCursor(view_.CursorAt(at.X, at.Y));
            }
            result = TRUE;
            return true;
        case WM_DROPFILES: {
            const TDropHandle drop{reinterpret_cast<HDROP>(wParam)};
            if (view_.OnDropFiles) {
                POINT at{};
                DragQueryPoint(drop.Handle, &at);
                view_.DropFiles(at.x, at.y, DroppedFiles(drop.Handle));
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace mirevo
