// TViewContextMenu: the menu a right-click or the context-menu key opens over a text view.
// It holds what a reader of a read-only text wants, コピー(&C) and すべてを選択(&A), enabled
// as the Edit menu's actions are (it asks the view's edit target), and says where the menu
// goes. The platform only shows the items and hands back the one chosen.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/WindowServices.h"
#include "textview/CustomTextView.h"
#include "ui/EditTarget.h"

namespace mirevo {

class TViewContextMenu {
public:
    enum class TCommand : std::uint8_t { Copy, SelectAll };
    struct TItem {
        TCommand Command;
        std::string_view Caption;  // with its access key
        bool Enabled;
    };

    // target is the view's own edit target; both must outlive the menu.
    TViewContextMenu(const TCustomTextView& view, IEditTarget& target)
        : view_(view), target_(target) {}

    // The items in order, enabled as the view stands now.
    std::vector<TItem> Items() const;
    // Runs the item's action on the target; a disabled item does nothing.
    void Run(TCommand command);
    // The menu's top-left corner in client pixels: at the mouse, or, opened from the
    // keyboard, just below the caret, kept inside the client area.
    TPoint Origin(std::optional<TPoint> mouse) const;

private:
    bool Enabled(TCommand command) const;

    const TCustomTextView& view_;
    IEditTarget& target_;
};

}  // namespace mirevo
