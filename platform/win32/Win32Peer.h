// The base of every native peer: one window mirroring one control's state, and the hooks
// through which its parent window forwards the control's notifications.
#pragma once

#include <windows.h>

#include "ui/Control.h"
#include "ui/ControlPeer.h"

namespace mirevo {

class Win32Host;

class Win32Peer : public IControlPeer {
public:
    Win32Peer(TControl& control, Win32Host& host) : control_(control), host_(host) {}
    ~Win32Peer() override;

    // Makes the native window; parent is the window of the control's parent.
    virtual void Create(HWND parent) = 0;

    void StateChanged(TControlState what) override;
    void SetFocus() override { ::SetFocus(hwnd_); }
    bool Focused() const override { return hwnd_ && ::GetFocus() == hwnd_; }
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    HWND Hwnd() const { return hwnd_; }
    TControl& Control() const { return control_; }

    // Notifications of the control, forwarded by its parent window.
    virtual void OnCommand(WORD /*code*/, WORD /*id*/) {}
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // The brush for WM_CTLCOLOR*; null lets the parent's default apply.
    virtual HBRUSH OnControlColor(HDC dc);
    // The cursor over the control's client area; null leaves the window class's.
    virtual HCURSOR Cursor() const { return nullptr; }

    // The peer of a window made by a peer, or null.
    static Win32Peer* Of(HWND hwnd);

    // The dots per inch the control is shown at: its form's.
    UINT Dpi() const;
    std::int32_t ToDevice(std::int32_t design) const;
    // The form moved to a screen of another density: the window takes its font and its
    // bounds again at the form's new one.
    virtual void Rescale();

protected:
    // Stores the peer in the window's user data and names the window after its control, so
    // that tools outside the program (accessibility, the journey tests) can find it.
    void Adopt();
    // Creates the window, adopts it and applies the common state.
    HWND CreateNative(DWORD exStyle, const char* className, DWORD style, HWND parent,
                      std::intptr_t id = 0);
    Win32Host& Host() const { return host_; }
    // The control's bounds inside its parent window, in device pixels.
    virtual RECT NativeBounds() const;
    void ApplyBounds();
    void ApplyFont();

    HWND hwnd_ = nullptr;
    // A form's own density; the other peers ask their form's.
    UINT ownDpi_ = 0;

private:
    TControl& control_;
    ATOM nameAtom_ = 0;
    Win32Host& host_;
};

}  // namespace mirevo
