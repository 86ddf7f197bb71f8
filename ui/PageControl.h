// TPageControl with its TTabSheet pages; one page is active, or none (index -1).
#pragma once

#include <optional>
#include <vector>

#include "ui/Control.h"
#include "common/KeyCodes.h"

namespace mirevo {

class TPageControl;

class TTabSheet : public TControl {
public:
    // Adds itself as the last page of the page control.
    TTabSheet(TPageControl& pageControl, std::string name, const std::string& caption);
    std::int32_t PageIndex() const;

private:
    TPageControl& pageControl_;
};

class TPageControl : public TControl {
public:
    TPageControl(TControl* parent, std::string name);

    const std::vector<TTabSheet*>& Pages() const { return pages_; }
    // The page area inside the tabs and border, in the page control's coordinates.
    TSize ClientSize() const override;
    TBounds PageArea() const;

    std::int32_t ActivePageIndex() const { return activePageIndex_; }
    // An index outside the pages leaves no page active.
    void SetActivePageIndex(std::int32_t index);
    // The user clicked a tab.
    void NativeActivePageChanged(std::int32_t index);
    // The next or previous page becomes active, wrapping around, as the user asked by key;
    // with none active, the first or the last. Fires OnChange. False without pages.
    bool SelectNextPage(bool forward);
    // The page control's switching keys: Ctrl+Tab and Ctrl+PageDown forward, Ctrl+Shift+Tab
    // and Ctrl+PageUp back. Nothing for any other key.
    static std::optional<bool> PageKeyDirection(TShortCut shortCut);
    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    std::vector<TTabSheet*> pages_;
    std::int32_t activePageIndex_ = -1;
};

}  // namespace mirevo
