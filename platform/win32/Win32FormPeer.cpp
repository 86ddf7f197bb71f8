#include "platform/win32/Win32FormPeer.h"

#include "platform/win32/Win32ActionBars.h"
#include "platform/win32/Win32Host.h"
#include "ui/Placement.h"

namespace mirevo {

namespace {

RECT CentredOn(const RECT& area, const RECT& window) {
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    const LONG left = area.left + (area.right - area.left - width) / 2;
    const LONG top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

TWindowState StateOf(UINT showCommand) {
    switch (showCommand) {
        case SW_SHOWMAXIMIZED:
            return TWindowState::wsMaximized;
        case SW_SHOWMINIMIZED:
            return TWindowState::wsMinimized;
        default:
            return TWindowState::wsNormal;
    }
}

// The normal place of a window is kept in coordinates of its monitor's work area.
TBounds NormalBoundsOnScreen(HWND hwnd, const RECT& normal) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    POINT offset{0, 0};
    if (GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        offset = {monitor.rcWork.left - monitor.rcMonitor.left,
                  monitor.rcWork.top - monitor.rcMonitor.top};
    }
    return {normal.left + offset.x, normal.top + offset.y, normal.right - normal.left,
            normal.bottom - normal.top};
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<TRect>*>(data)->push_back({r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

std::vector<TRect> WorkAreas() {
    std::vector<TRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

RECT OuterOf(TSize client, DWORD style, DWORD exStyle) {
    RECT r{0, 0, client.Width, client.Height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return r;
}

}  // namespace

void Win32FormPeer::Create(HWND owner) {
    const bool dialog = form_.BorderStyle() == TBorderStyle::bsDialog;
    const DWORD style = dialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
                               : (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    const DWORD exStyle = WS_EX_CONTROLPARENT | (dialog ? WS_EX_DLGMODALFRAME : 0);
    // A dialog's design size is its client area, and so is that of a form without bounds of
    // its own; the window is made around it.
    aroundClient_ = dialog || form_.Bounds().Width <= 0 || form_.Bounds().Height <= 0;
    if (aroundClient_) {
        const RECT r = OuterOf(form_.ClientSize(), style, exStyle);
        TBounds bounds = form_.Bounds();
        bounds.Width = r.right - r.left;
        bounds.Height = r.bottom - r.top;
        form_.SetBounds(bounds);
    }
    const bool visible = form_.Visible();
    form_.SetVisible(false);  // shown by Show, once laid out
    CreateNative(exStyle, Win32Host::FormClass(), style, owner);
    form_.SetVisible(visible);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (icon) SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

RECT Win32FormPeer::NativeBounds() const {
    const TBounds& b = form_.Bounds();
    return {b.Left, b.Top, b.Right(), b.Bottom()};
}

void Win32FormPeer::SyncBounds() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    const TWindowState state = StateOf(placement.showCmd);
    form_.NativePlacementChanged(state, NormalBoundsOnScreen(hwnd_, placement.rcNormalPosition));
    if (state == TWindowState::wsMinimized) return;  // the icon's bounds are not the form's
    RECT window;
    RECT client;
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    form_.NativeBoundsChanged(
        {window.left, window.top, window.right - window.left, window.bottom - window.top},
        {client.right, client.bottom});
}

void Win32FormPeer::PlaceForShow() {
    RECT window;
    GetWindowRect(hwnd_, &window);
    RECT area{};
    if (form_.Position() == TPosition::poScreenCenter) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    } else if (form_.Position() == TPosition::poOwnerFormCenter && form_.Owner() &&
               form_.Owner()->Peer()) {
        GetWindowRect(reinterpret_cast<HWND>(form_.Owner()->Peer()->Handle()), &area);
    } else {
        BringWithinReach();
        return;
    }
    const RECT placed = CentredOn(area, window);
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A stored place may lie on a monitor that is gone, or far off every screen.
void Win32FormPeer::BringWithinReach() {
    RECT window;
    GetWindowRect(hwnd_, &window);
    const TBounds now{window.left, window.top, window.right - window.left,
                      window.bottom - window.top};
    const TBounds placed = ReachablePlace(now, WorkAreas());
    if (placed == now) return;
    SetWindowPos(hwnd_, nullptr, placed.Left, placed.Top, placed.Width, placed.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormPeer::StateChanged(TControlState what) {
    if (what == TControlState::Visible) return;  // the host shows and hides forms
    Win32ContainerPeer::StateChanged(what);
}

Win32MenuBarPeer* Win32FormPeer::MenuBar() const {
    for (TControl* child : form_.Children()) {
        if (child->Kind() == TControlKind::MenuBar && child->Peer()) {
            return static_cast<Win32MenuBarPeer*>(child->Peer());
        }
    }
    return nullptr;
}

LRESULT Win32FormPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            const TSize min = form_.MinSize();
            RECT outer{0, 0, min.Width, min.Height};
            if (aroundClient_) {
                outer = OuterOf(min, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)),
                                static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
            }
            if (min.Width > 0) info->ptMinTrackSize.x = outer.right - outer.left;
            if (min.Height > 0) info->ptMinTrackSize.y = outer.bottom - outer.top;
            return 0;
        }
        case WM_MOVE:
        case WM_SIZE:
            SyncBounds();
            return 0;
        case WM_COMMAND:
            // The dialog manager's answer to Escape: IDCANCEL from no control.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                TForm& form = form_;
                Host().Guard([&form] { form.PressCancel(); });
                return 0;
            }
            return Win32ContainerPeer::HandleMessage(message, wParam, lParam);
        case WM_ACTIVATE:
            // As a dialog does: the focus goes back to the control that had it when the
            // window was left for another (a dialog it opened, another program).
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
            } else if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) &&
                       !IsIconic(hwnd_)) {
                ::SetFocus(lastFocus_);
                return 0;
            }
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_MEASUREITEM:
            if (Win32MenuBarPeer* bar = MenuBar()) {
                if (bar->MeasureImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            }
            return Win32ContainerPeer::HandleMessage(message, wParam, lParam);
        case WM_DRAWITEM:
            if (Win32MenuBarPeer* bar = MenuBar()) {
                if (bar->DrawImage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            }
            return Win32ContainerPeer::HandleMessage(message, wParam, lParam);
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The process ends after this message: close as the user would, so the window's
            // closing work (the placement) is done.
            if (wParam) {
                TForm& form = form_;
                Host().Guard([&form] { form.Close(); });
            }
            return 0;
        case WM_CLOSE: {
            TForm& form = form_;
            Host().Guard([&form] { form.Close(); });
            return 0;  // this peer may be gone now
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                Win32MenuBarPeer* bar = MenuBar();
                if (bar && bar->HandleMenuKey(static_cast<char>(lParam))) return 0;
            }
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, Host().Brush(form_.Color()));
            return 1;
        }
        case WM_PAINT:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        default:
            return Win32ContainerPeer::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace mirevo
