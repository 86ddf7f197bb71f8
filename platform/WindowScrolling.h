// IWindowScrolling: the window's scroll bars, and moving its pixels when it scrolls.
#pragma once

#include <cstdint>

#include "common/Geometry.h"

namespace mirevo {

enum class TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

// Range, page and position of a scroll bar; DisableNoScroll greys the bar instead of
// hiding it when the page covers the range.
struct TScrollInfo {
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::int32_t Page = 0;
    std::int32_t Pos = 0;
    bool DisableNoScroll = false;
    friend bool operator==(const TScrollInfo&, const TScrollInfo&) = default;
};

// Which arrows of a bar are usable: the left/up one, the right/down one, both or neither.
enum class TScrollArrows : std::uint8_t {
    EnableBoth,
    DisableLeftUp,
    DisableRightDown,
    DisableBoth
};

class IWindowScrolling {
public:
    virtual ~IWindowScrolling() = default;

    // Moves the pixels of area (the whole client area when null) by (dx, dy) and marks the
    // uncovered band for repainting.
    virtual void ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) = 0;

    virtual void ShowScrollBar(TScrollBarKind bar, bool show) = 0;
    virtual void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) = 0;
    virtual void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) = 0;
    // The bar's range maximum and the thumb position while it is being dragged.
    virtual TScrollInfo ScrollTrackInfo(TScrollBarKind bar) const = 0;
    virtual std::int32_t VerticalScrollArrowHeight() const = 0;
    // Rows per wheel notch; -1 means a page.
    virtual std::int32_t WheelScrollLines() const = 0;
};

}  // namespace mirevo
