#include "platform/win32/Win32Container.h"

#include <uxtheme.h>

#include "platform/win32/Win32Host.h"
#include "ui/StdControls.h"

namespace mirevo {

namespace {

void PaintGroupFrame(HDC dc, const RECT& client, const std::string& caption) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    RECT text{8, 0, 8 + extent.cx + 4, metrics.tmHeight};
    FillRect(dc, &text, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 10, 0, caption.c_str(), static_cast<int>(caption.size()));
}

void PaintPicture(HDC dc, const RECT& client, const std::string& resource) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), resource.c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap) return;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

}  // namespace

void Win32ContainerPeer::Create(HWND parent) {
    CreateNative(WS_EX_CONTROLPARENT, Win32Host::ContainerClass(),
                 WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, parent);
    if (Control().Kind() == TControlKind::TabSheet) EnableThemeDialogTexture(hwnd_, ETDT_ENABLETAB);
}

LRESULT CALLBACK Win32ContainerPeer::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* peer = static_cast<Win32ContainerPeer*>(create->lpCreateParams);
        peer->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
    }
    auto* peer = static_cast<Win32ContainerPeer*>(Win32Peer::Of(hwnd));
    if (!peer) return DefWindowProcA(hwnd, message, wParam, lParam);
    return peer->HandleMessage(message, wParam, lParam);
}

LRESULT Win32ContainerPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ForwardNotification(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT: {
            // Children that show this window's background ask for it this way.
            RECT client;
            GetClientRect(hwnd_, &client);
            Paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            RECT client;
            GetClientRect(hwnd_, &client);
            Paint(dc, client);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void Win32ContainerPeer::Paint(HDC dc, const RECT& client) {
    const TControl& control = Control();
    if (control.Kind() == TControlKind::TabSheet && IsThemeActive()) {
        RECT area = client;
        DrawThemeParentBackground(hwnd_, dc, &area);
    } else {
        FillRect(dc, &client, Host().Brush(control.Color()));
    }
    HGDIOBJ oldFont = SelectObject(dc, Host().Font(control.Font(), Dpi()));
    switch (control.Kind()) {
        case TControlKind::GroupBox:
            PaintGroupFrame(dc, client, control.Caption());
            break;
        case TControlKind::Panel: {
            RECT edge = client;
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
            break;
        }
        case TControlKind::Image:
            PaintPicture(dc, client, static_cast<const TImage&>(control).ResourceName);
            break;
        default:
            break;
    }
    SelectObject(dc, oldFont);
}

bool Win32ContainerPeer::ForwardNotification(UINT message, WPARAM wParam, LPARAM lParam,
                                             LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            Win32Peer* child = Win32Peer::Of(reinterpret_cast<HWND>(lParam));
            if (!child || lParam == 0) return false;
            Host().Guard([&] { child->OnCommand(HIWORD(wParam), LOWORD(wParam)); });
            return true;
        }
        case WM_SETCURSOR: {
            // A child without a cursor of its own asks its parent first.
            const Win32Peer* child = Win32Peer::Of(reinterpret_cast<HWND>(wParam));
            HCURSOR cursor = child && LOWORD(lParam) == HTCLIENT ? child->Cursor() : nullptr;
            if (!cursor) return false;
            SetCursor(cursor);
            result = TRUE;
            return true;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            Win32Peer* child = Win32Peer::Of(header->hwndFrom);
            if (!child) return false;
            bool handled = false;
            Host().Guard([&] { handled = child->OnNotify(*header, result); });
            return handled;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            Win32Peer* child = Win32Peer::Of(reinterpret_cast<HWND>(lParam));
            if (!child) return false;
            HBRUSH brush = child->OnControlColor(reinterpret_cast<HDC>(wParam));
            if (!brush) return false;
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace mirevo
