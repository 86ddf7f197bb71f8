// The scroll hint on Windows: one bordered popup shared by the whole process, made when first
// shown.
#pragma once

#include "platform/HintWindow.h"

namespace mirevo {

class Win32HintWindow final : public IHintWindow {
public:
    TSize MeasureHint(std::string_view text, std::int32_t maxWidth) override;
    void ShowHint(const TRect& screenRect, std::string_view text, TColor color) override;
    void HideHint() override;
};

}  // namespace mirevo
