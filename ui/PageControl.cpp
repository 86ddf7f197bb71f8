#include "ui/PageControl.h"

#include <algorithm>

namespace mirevo {

namespace {
// Room for the row of tabs and the border around the pages.
constexpr std::int32_t kTabRowHeight = 24;
constexpr std::int32_t kBorder = 4;
}  // namespace

TTabSheet::TTabSheet(TPageControl& pageControl, std::string name, const std::string& caption)
    : TControl(&pageControl, std::move(name), TControlKind::TabSheet), pageControl_(pageControl) {
    SetCaption(caption);
    pageControl_.pages_.push_back(this);
    SetAlign(TAlign::alClient);
    SetBounds(pageControl_.PageArea());
    SetVisible(false);
}

std::int32_t TTabSheet::PageIndex() const {
    const auto& pages = pageControl_.pages_;
    const auto it = std::find(pages.begin(), pages.end(), this);
    return it == pages.end() ? -1 : static_cast<std::int32_t>(it - pages.begin());
}

TPageControl::TPageControl(TControl* parent, std::string name)
    : TControl(parent, std::move(name), TControlKind::PageControl) {
    SetTabStop(true);
}

TSize TPageControl::ClientSize() const {
    const TBounds area = PageArea();
    return {area.Width, area.Height};
}

TBounds TPageControl::PageArea() const {
    return {0, 0, std::max(0, Bounds().Width - 2 * kBorder),
            std::max(0, Bounds().Height - kTabRowHeight - 2 * kBorder)};
}

void TPageControl::SetActivePageIndex(std::int32_t index) {
    const bool valid = index >= 0 && index < static_cast<std::int32_t>(pages_.size());
    activePageIndex_ = valid ? index : -1;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i]->SetVisible(static_cast<std::int32_t>(i) == activePageIndex_);
    }
    Notify(TControlState::ActivePage);
}

void TPageControl::NativeActivePageChanged(std::int32_t index) {
    {
        const TNativeChange native(*this);
        SetActivePageIndex(index);
    }
    Fire(OnChange, this);
}

bool TPageControl::SelectNextPage(bool forward) {
    const auto count = static_cast<std::int32_t>(pages_.size());
    if (count == 0) return false;
    std::int32_t index = forward ? 0 : count - 1;
    if (activePageIndex_ >= 0) index = (activePageIndex_ + (forward ? 1 : count - 1)) % count;
    SetActivePageIndex(index);  // the tab strip shows it too: the change did not come from it
    Fire(OnChange, this);
    return true;
}

std::optional<bool> TPageControl::PageKeyDirection(TShortCut shortCut) {
    switch (shortCut) {
        case kShortCutCtrl | kKeyTab:
        case kShortCutCtrl | kKeyNext:
            return true;
        case kShortCutCtrl | kShortCutShift | kKeyTab:
        case kShortCutCtrl | kKeyPrior:
            return false;
        default:
            return std::nullopt;
    }
}

}  // namespace mirevo
