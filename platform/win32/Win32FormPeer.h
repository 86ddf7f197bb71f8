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

private:
    RECT NativeBounds() const override;
    void BringWithinReach();
    TForm& form_;
    HWND lastFocus_ = nullptr;
    bool aroundClient_ = false;  // made around its client size, which its minimum is too
};

}  // namespace mirevo
