#include "platform/win32/Win32Peer.h"

#include "common/DpiScale.h"
#include "common/Exception.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Host.h"
#include "ui/Form.h"
#include "platform/win32/Win32Text.h"

namespace mirevo {

namespace {
const char kNameProperty[] = "MirevoControlName";
}  // namespace

Win32Peer::~Win32Peer() {
    // The window may outlive the peer while its parent is being destroyed.
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        RemovePropA(hwnd_, kNameProperty);
    }
    if (nameAtom_) GlobalDeleteAtom(nameAtom_);
}

void Win32Peer::Adopt() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (nameAtom_ || control_.Name().empty()) return;
    nameAtom_ = GlobalAddAtomA(control_.Name().c_str());
    if (nameAtom_) {
        SetPropA(hwnd_, kNameProperty,
                 reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(nameAtom_)));
    }
}

Win32Peer* Win32Peer::Of(HWND hwnd) {
    return hwnd ? reinterpret_cast<Win32Peer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

HWND Win32Peer::CreateNative(DWORD exStyle, const char* className, DWORD style, HWND parent,
                             std::intptr_t id) {
    const RECT r = NativeBounds();
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    if (control_.TabStop()) style |= WS_TABSTOP;
    hwnd_ = CreateWindowExA(exStyle, className, NativeText(control_.Caption()).c_str(), style,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                            reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), this);
    if (!hwnd_) throw Exception("Cannot create the window of " + control_.Name());
    Adopt();
    ApplyFont();
    return hwnd_;
}

UINT Win32Peer::Dpi() const {
    if (ownDpi_) return ownDpi_;
    const TForm* form = control_.OwnerForm();
    const auto* formPeer = form ? static_cast<const Win32Peer*>(form->Peer()) : nullptr;
    return formPeer && formPeer != this && formPeer->ownDpi_ ? formPeer->ownDpi_ : SystemDpi();
}

std::int32_t Win32Peer::ToDevice(std::int32_t design) const {
    return ToDevicePixels(design, Dpi());
}

RECT Win32Peer::NativeBounds() const {
    const TBounds& b = control_.Bounds();
    return {ToDevice(b.Left), ToDevice(b.Top), ToDevice(b.Right()), ToDevice(b.Bottom())};
}

void Win32Peer::Rescale() {
    ApplyFont();
    ApplyBounds();
}

void Win32Peer::ApplyBounds() {
    const RECT r = NativeBounds();
    MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void Win32Peer::ApplyFont() {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Font(control_.Font(), Dpi())),
                 TRUE);
}

void Win32Peer::StateChanged(TControlState what) {
    switch (what) {
        case TControlState::Text:
            SetWindowTextA(hwnd_, NativeText(control_.Caption()).c_str());
            break;
        case TControlState::Bounds:
            ApplyBounds();
            break;
        case TControlState::Enabled:
            EnableWindow(hwnd_, control_.Enabled());
            break;
        case TControlState::Visible:
            ShowWindow(hwnd_, control_.Visible() ? SW_SHOW : SW_HIDE);
            break;
        case TControlState::Font:
            ApplyFont();
            break;
        case TControlState::Color:
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        default:
            break;
    }
}

HBRUSH Win32Peer::OnControlColor(HDC dc) {
    const TColor color = control_.Color();
    SetBkColor(dc, host_.ColorRef(color));
    return host_.Brush(color);
}

}  // namespace mirevo
