// The peer of a form: a top-level window of the program's form class.
#pragma once

#include "platform/win32/Win32Container.h"
#include "ui/Form.h"

namespace mirevo {

class Win32MenuBarPeer;

class Win32FormPeer final : public Win32ContainerPeer {
public:
    Win32FormPeer(TForm& form, Win32Host& host) : Win32ContainerPeer(form, host), form_(form) {}
    void Create(HWND owner) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void StateChanged(TControlState what) override;

    // Reads the window's real bounds and client size back into the form.
    void SyncBounds();
    // Moves the window to where its position setting puts it before it is first shown, and
    // within reach of the mouse when its place lies off the screens.
    void PlaceForShow();
    // The menu bar of the form, if it has one with a peer.
    Win32MenuBarPeer* MenuBar() const;
    // The window is now shown at dpi (moved to another screen, or made on one whose density
    // is not the system's): it goes to the suggested place, or stays, at the size its
    // design takes there, and every control of the form follows.
    void ChangeDpi(UINT dpi, const RECT* suggested);

private:
    RECT NativeBounds() const override;
    SIZE NativeSize() const;
    SIZE Frame() const;
    SIZE DesignFrame() const;
    SIZE NativeOuter(TSize design) const;
    TSize DesignOuter(SIZE native) const;
    void BringWithinReach();
    TForm& form_;
    HWND lastFocus_ = nullptr;
    bool aroundClient_ = false;  // made around its client size, which its minimum is too
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    SIZE designFrame_{};
};

}  // namespace mirevo
