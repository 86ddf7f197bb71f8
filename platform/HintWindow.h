// IHintWindow: the one small popup of the process that tells, while the thumb is dragged,
// which line the view will show.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/Color.h"
#include "common/Geometry.h"

namespace mirevo {

class IHintWindow {
public:
    virtual ~IHintWindow() = default;

    // The size the hint needs for text wrapped within maxWidth.
    virtual TSize MeasureHint(std::string_view text, std::int32_t maxWidth) = 0;
    // Shows it at a screen rectangle, in a colour; a shown hint moves and changes.
    virtual void ShowHint(const TRect& screenRect, std::string_view text, TColor color) = 0;
    virtual void HideHint() = 0;
};

}  // namespace mirevo
