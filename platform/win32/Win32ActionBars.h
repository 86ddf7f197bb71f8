// Peers of the menu bar and the tool bar: tool-bar windows whose buttons run actions or drop
// down the menus built from them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/Win32Peer.h"
#include "ui/ActionBars.h"
#include "ui/MenuBarKeys.h"

namespace mirevo {

class Win32MenuBarPeer final : public Win32Peer {
public:
    Win32MenuBarPeer(TActionMainMenuBar& bar, Win32Host& host) : Win32Peer(bar, host), bar_(bar) {}
    ~Win32MenuBarPeer() override;
    void Create(HWND parent) override;
    void Rescale() override;
    void OnCommand(WORD code, WORD id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    // The keyboard of the bar: the host hands it every key message of its form's windows
    // before anything else; true when the bar took the message.
    bool HandleKeyMessage(const MSG& message);
    // The window's menu key (SC_KEYMENU): 0 highlights the bar, a letter opens its menu.
    // False when no menu has the key, so the window's own (Alt+Space) applies.
    bool HandleMenuKey(char key);
    // The popup of a menu as it drops down, with the actions' state brought up to date.
    // The caller destroys it.
    HMENU BuildMenu(const TMenuDefinition& menu);
    // The items' images, which the owner window's WM_MEASUREITEM and WM_DRAWITEM ask for.
    bool MeasureImage(MEASUREITEMSTRUCT& item) const;
    bool DrawImage(const DRAWITEMSTRUCT& item) const;

private:
    // Carries out what the keyboard model answered; false when the key goes on.
    bool Carry(const TMenuBarStep& step);
    void SetHot(int index);
    // Drops menus down until one closes for good: Left, Right and the mouse move to the
    // neighbouring menus, Escape goes back to the bar, a chosen item runs its action.
    void DropDown(std::size_t index, bool byKeyboard);
    // The menu's message filter while a drop-down is open.
    static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);
    bool FilterMenuMessage(const MSG& message);

    TActionMainMenuBar& bar_;
    std::unique_ptr<TMenuBarKeys> keys_;
    bool altAlone_ = false;
    std::optional<std::size_t> switchTo_;  // the menu to drop down next
    bool switchByKeyboard_ = false;
    bool escaped_ = false;
    HIMAGELIST images_ = nullptr;
};

class Win32ToolBarPeer final : public Win32Peer {
public:
    Win32ToolBarPeer(TActionToolBar& bar, Win32Host& host) : Win32Peer(bar, host), bar_(bar) {}
    ~Win32ToolBarPeer() override;
    void Create(HWND parent) override;
    void Rescale() override;
    void OnCommand(WORD code, WORD id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    // Brings the buttons' enabled state up to date with their actions.
    void Refresh();

private:
    TActionToolBar& bar_;
    HIMAGELIST images_ = nullptr;
};

}  // namespace mirevo
