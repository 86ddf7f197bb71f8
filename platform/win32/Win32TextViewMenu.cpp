// The text view's context menu: the portable menu's items shown with TrackPopupMenu.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/Win32TextView.h"
#include "textview/ViewContextMenu.h"

namespace mirevo {

namespace {

// A popup menu destroyed however the menu ends.
class TPopupMenu {
public:
    TPopupMenu() : menu_(CreatePopupMenu()) {}
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;
    ~TPopupMenu() { DestroyMenu(menu_); }
    HMENU Handle() const { return menu_; }

private:
    HMENU menu_;
};

}  // namespace

bool Win32TextViewPeer::OnContextMenu(LPARAM lParam) {
    IEditTarget* target = view_.AsEditTarget();
    if (!target) return false;
    std::optional<TPoint> mouse;
    if (lParam != -1) {
        POINT at{static_cast<std::int16_t>(LOWORD(lParam)),
                 static_cast<std::int16_t>(HIWORD(lParam))};
        ScreenToClient(hwnd_, &at);
        RECT client;
        GetClientRect(hwnd_, &client);
        // Over the scroll bar the system's own menu belongs.
        if (!PtInRect(&client, at)) return false;
        mouse = TPoint{at.x, at.y};
    }
    TViewContextMenu menu(view_, *target);
    const auto items = menu.Items();
    const TPopupMenu popup;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string caption(items[i].Caption);
        AppendMenuA(popup.Handle(), MF_STRING | (items[i].Enabled ? MF_ENABLED : MF_GRAYED), i + 1,
                    caption.c_str());
    }
    const TPoint origin = menu.Origin(mouse);
    POINT screen{origin.X, origin.Y};
    ClientToScreen(hwnd_, &screen);
    const UINT chosen = TrackPopupMenu(
        popup.Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x,
        screen.y, 0, hwnd_, nullptr);
    if (chosen >= 1 && chosen <= items.size()) menu.Run(items[chosen - 1].Command);
    return true;
}

}  // namespace mirevo
