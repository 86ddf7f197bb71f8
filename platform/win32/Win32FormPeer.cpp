#include "platform/win32/Win32FormPeer.h"

#include "common/DpiScale.h"
#include "platform/win32/Win32ActionBars.h"
#include "platform/win32/Win32Dpi.h"
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

// The normal place of a window is kept in coordinates of its monitor's work area; its size
// in design pixels.
TBounds NormalBoundsOnScreen(HWND hwnd, const RECT& normal, TSize designSize) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    POINT offset{0, 0};
    if (GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        offset = {monitor.rcWork.left - monitor.rcMonitor.left,
                  monitor.rcWork.top - monitor.rcMonitor.top};
    }
    return {normal.left + offset.x, normal.top + offset.y, designSize.Width, designSize.Height};
}

// Every control of the tree that has a window, at its form's density.
void RescaleWindows(const TControl& control) {
    for (TControl* child : control.Children()) {
        if (auto* peer = static_cast<Win32Peer*>(child->Peer())) peer->Rescale();
        RescaleWindows(*child);
    }
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

}  // namespace

void Win32FormPeer::Create(HWND owner) {
    const bool dialog = form_.BorderStyle() == TBorderStyle::bsDialog;
    const DWORD style = dialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
                               : (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    const DWORD exStyle = WS_EX_CONTROLPARENT | (dialog ? WS_EX_DLGMODALFRAME : 0);
    style_ = style;
    exStyle_ = exStyle;
    ownDpi_ = owner ? WindowDpi(owner) : SystemDpi();
    // A dialog's design size is its client area, and so is that of a form without bounds of
    // its own; the window is made around it.
    aroundClient_ = dialog || form_.Bounds().Width <= 0 || form_.Bounds().Height <= 0;
    designFrame_ = DesignFrame();
    if (aroundClient_) {
        const SIZE outer = NativeSize();
        TBounds bounds = form_.Bounds();
        bounds.Width = ToDesignPixels(outer.cx, ownDpi_);
        bounds.Height = ToDesignPixels(outer.cy, ownDpi_);
        form_.SetBounds(bounds);
    }
    const bool visible = form_.Visible();
    form_.SetVisible(false);  // shown by Show, once laid out
    CreateNative(exStyle, Win32Host::FormClass(), style, owner);
    form_.SetVisible(visible);
    // The program's icon comes with the window class.
    // Made on a screen of another density than the one it was laid out for.
    if (const UINT shown = WindowDpi(hwnd_); shown != ownDpi_) {
        ChangeDpi(shown, nullptr);
    } else if (ownDpi_ != kDesignDpi) {
        // The frame the system foretold may not be the one it drew.
        const SIZE size = NativeSize();
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

SIZE Win32FormPeer::NativeSize() const {
    if (aroundClient_) {
        const TSize client = form_.ClientSize();
        const SIZE frame = Frame();
        return {frame.cx + ToDevice(client.Width), frame.cy + ToDevice(client.Height)};
    }
    return NativeOuter({form_.Bounds().Width, form_.Bounds().Height});
}

// The frame as the window has it, which is what the system draws (Wine answers the
// function for another density with a frame it does not draw).
SIZE Win32FormPeer::Frame() const {
    RECT window;
    RECT client;
    if (hwnd_ && !IsIconic(hwnd_) && GetWindowRect(hwnd_, &window) && GetClientRect(hwnd_, &client))
        return {window.right - window.left - client.right,
                window.bottom - window.top - client.bottom};
    return OuterSizeForClient({}, style_, exStyle_, Dpi());
}

// The frame the design drew around its client area, or the system's at 96 dots per inch
// for a design that gives no client size.
SIZE Win32FormPeer::DesignFrame() const {
    const TSize outer{form_.Bounds().Width, form_.Bounds().Height};
    const TSize client = form_.ClientSize();
    const LONG width = outer.Width - client.Width;
    const LONG height = outer.Height - client.Height;
    const bool drawn = client.Width > 0 && client.Height > 0 && width >= 0 && height >= 0 &&
                       width < 100 && height < 200;
    return drawn ? SIZE{width, height} : OuterSizeForClient({}, style_, exStyle_, kDesignDpi);
}

// A design outer size holds the frame at 96 dots per inch; at another density the frame is
// the system's there, and only what it surrounds scales.
SIZE Win32FormPeer::NativeOuter(TSize design) const {
    const SIZE frame96 = designFrame_;
    const SIZE frame = Frame();
    return {frame.cx + ToDevice(design.Width - frame96.cx),
            frame.cy + ToDevice(design.Height - frame96.cy)};
}

TSize Win32FormPeer::DesignOuter(SIZE native) const {
    const SIZE frame96 = designFrame_;
    const SIZE frame = Frame();
    return {frame96.cx + ToDesignPixels(native.cx - frame.cx, Dpi()),
            frame96.cy + ToDesignPixels(native.cy - frame.cy, Dpi())};
}

RECT Win32FormPeer::NativeBounds() const {
    // The place is the screen's; only the size scales.
    const TBounds& b = form_.Bounds();
    const SIZE size = NativeSize();
    return {b.Left, b.Top, b.Left + size.cx, b.Top + size.cy};
}

void Win32FormPeer::SyncBounds() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    const TWindowState state = StateOf(placement.showCmd);
    const RECT& normal = placement.rcNormalPosition;
    form_.NativePlacementChanged(
        state,
        NormalBoundsOnScreen(
            hwnd_, normal, DesignOuter({normal.right - normal.left, normal.bottom - normal.top})));
    if (state == TWindowState::wsMinimized) return;  // the icon's bounds are not the form's
    RECT window;
    RECT client;
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    const UINT dpi = Dpi();
    const TSize outer = DesignOuter({window.right - window.left, window.bottom - window.top});
    form_.NativeBoundsChanged(
        {window.left, window.top, outer.Width, outer.Height},
        {ToDesignPixels(client.right, dpi), ToDesignPixels(client.bottom, dpi)});
}

void Win32FormPeer::ChangeDpi(UINT dpi, const RECT* suggested) {
    if (dpi == 0 || dpi == ownDpi_) return;
    ownDpi_ = dpi;
    ApplyFont();
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) {
        RECT now;
        GetWindowRect(hwnd_, &now);
        const RECT& place = suggested ? *suggested : now;
        const SIZE size = aroundClient_ || !suggested
                              ? NativeSize()
                              : SIZE{place.right - place.left, place.bottom - place.top};
        SetWindowPos(hwnd_, nullptr, place.left, place.top, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RescaleWindows(form_);
    InvalidateRect(hwnd_, nullptr, TRUE);
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
            const SIZE frame = Frame();
            const SIZE outer = aroundClient_ ? SIZE{frame.cx + ToDevice(min.Width),
                                                    frame.cy + ToDevice(min.Height)}
                                             : NativeOuter(min);
            if (min.Width > 0) info->ptMinTrackSize.x = outer.cx;
            if (min.Height > 0) info->ptMinTrackSize.y = outer.cy;
            return 0;
        }
        case WM_DPICHANGED: {
            // The system sends it from the window's own thread; another program's rectangle
            // pointer means nothing here, and a density beyond any screen's is refused.
            const UINT dpi = HIWORD(wParam);
            const bool fromSystem = InSendMessageEx(nullptr) == ISMEX_NOSEND;
            if (dpi >= kDesignDpi / 2 && dpi <= kDesignDpi * 8)
                ChangeDpi(dpi, fromSystem ? reinterpret_cast<const RECT*>(lParam) : nullptr);
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
