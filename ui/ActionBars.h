// The image list, and the menu bar and tool bar built from actions.
#pragma once

#include <string>
#include <vector>

#include "ui/Action.h"
#include "ui/Control.h"

namespace mirevo {

// Images of one size, cut from one bitmap resource laid out left to right.
struct TImageList {
    std::int32_t Width = 16;
    std::int32_t Height = 16;
    std::int32_t Count = 0;
    std::string ResourceName;
    bool Has(std::int32_t index) const { return index >= 0 && index < Count; }
};

// Colours of the bars' highlighting.
struct TColorMap {
    TColor HighlightColor = clBtnFace;
    TColor UnusedColor = clBtnFace;
    TColor SelectedColor = clBtnFace;
};

// One entry of a menu or tool bar: an action shown with its own caption and image, or a
// separator (no action).
struct TActionClientItem {
    TActionClientItem() = default;
    TActionClientItem(TAction* action, std::string caption = "", std::int32_t imageIndex = -1)
        : Action(action), Caption(std::move(caption)), ImageIndex(imageIndex) {}

    TAction* Action = nullptr;
    std::string Caption;           // empty: the action's caption
    std::int32_t ImageIndex = -1;  // the image shown; -1 or an index the list lacks shows none
    bool IsSeparator() const { return Action == nullptr; }
    const std::string& ShownCaption() const { return Caption.empty() ? Action->Caption : Caption; }
};

struct TMenuDefinition {
    std::string Caption;
    std::vector<TActionClientItem> Items;
};

class TActionMainMenuBar : public TControl {
public:
    TActionMainMenuBar(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::MenuBar) {}
    std::vector<TMenuDefinition> Menus;
    const TImageList* Images = nullptr;
    TColorMap ColorMap;
};

class TActionToolBar : public TControl {
public:
    TActionToolBar(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::ToolBar) {}
    std::vector<TActionClientItem> Items;
    const TImageList* Images = nullptr;
    TColorMap ColorMap;
};

// The short part of a hint, shown as a tool tip.
std::string ShortHint(const std::string& hint);

}  // namespace mirevo
