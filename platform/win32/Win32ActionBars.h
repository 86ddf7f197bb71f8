// Peers of the menu bar and the tool bar: tool-bar windows whose buttons run actions or drop
// down the menus built from them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/win32/Win32Peer.h"
#include "ui/ActionBars.h"

namespace mirevo {

class Win32MenuBarPeer final : public Win32Peer {
public:
    Win32MenuBarPeer(TActionMainMenuBar& bar, Win32Host& host) : Win32Peer(bar, host), bar_(bar) {}
    ~Win32MenuBarPeer() override;
    void Create(HWND parent) override;
    void OnCommand(WORD code, WORD id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    // Drops down the menu whose caption has the access key; key 0 drops down the first.
    // False when no menu has the key.
    bool OpenByAccessKey(char key);
    // Drops down a menu and runs the action chosen from it.
    void OpenMenu(std::size_t index);
    // The popup of a menu as it drops down, with the actions' state brought up to date.
    // The caller destroys it.
    HMENU BuildMenu(const TMenuDefinition& menu);

private:
    HBITMAP ImageBitmap(std::int32_t index);

    TActionMainMenuBar& bar_;
    HIMAGELIST images_ = nullptr;
    std::vector<HBITMAP> bitmaps_;
};

class Win32ToolBarPeer final : public Win32Peer {
public:
    Win32ToolBarPeer(TActionToolBar& bar, Win32Host& host) : Win32Peer(bar, host), bar_(bar) {}
    ~Win32ToolBarPeer() override;
    void Create(HWND parent) override;
    void OnCommand(WORD code, WORD id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    // Brings the buttons' enabled state up to date with their actions.
    void Refresh();

private:
    TActionToolBar& bar_;
    HIMAGELIST images_ = nullptr;
};

}  // namespace mirevo
