// Peers whose windows are of the program's own classes: forms and the containers (tab sheets,
// group boxes, panels, pictures). They forward their children's notifications to the
// children's peers.
#pragma once

#include "platform/win32/Win32Peer.h"

namespace mirevo {

class Win32ContainerPeer : public Win32Peer {
public:
    using Win32Peer::Win32Peer;
    void Create(HWND parent) override;
    // The window procedure of the program's classes, after the peer is known.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void Paint(HDC dc, const RECT& client);
    bool ForwardNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

}  // namespace mirevo
