#include "textview/ViewContextMenu.h"

#include <algorithm>

namespace mirevo {

std::vector<TViewContextMenu::TItem> TViewContextMenu::Items() const {
    return {{TCommand::Copy, "コピー(&C)", Enabled(TCommand::Copy)},
            {TCommand::SelectAll, "すべてを選択(&A)", Enabled(TCommand::SelectAll)}};
}

bool TViewContextMenu::Enabled(TCommand command) const {
    return command == TCommand::Copy ? target_.CanCopyNow() : target_.CanSelectAllNow();
}

void TViewContextMenu::Run(TCommand command) {
    if (!Enabled(command)) return;
    if (command == TCommand::Copy) {
        target_.Copy();
    } else {
        target_.SelectAll();
    }
}

TPoint TViewContextMenu::Origin(std::optional<TPoint> mouse) const {
    if (mouse) return *mouse;
    TPoint at = view_.RowColumnToPixels(view_.CaretDisplayPos());
    at.Y += view_.LineHeight();
    if (const IWindowServices* window = view_.Window()) {
        const TSize client = window->ClientSize();
        at.X = std::clamp(at.X, 0, std::max(0, client.Width - 1));
        at.Y = std::clamp(at.Y, 0, std::max(0, client.Height - 1));
    }
    return at;
}

}  // namespace mirevo
