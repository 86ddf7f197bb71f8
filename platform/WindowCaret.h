// IWindowCaret: the window's blinking text cursor, and the input method's composition window
// that follows it.
#pragma once

#include <cstdint>

#include "common/Geometry.h"
#include "platform/LogFont.h"

namespace mirevo {

class IWindowCaret {
public:
    virtual ~IWindowCaret() = default;

    // The create, show and hide calls report success.
    virtual bool CreateCaret(std::int32_t width, std::int32_t height) = 0;
    virtual void DestroyCaret() = 0;
    // In client pixels.
    virtual void SetCaretPos(std::int32_t x, std::int32_t y) = 0;
    virtual bool ShowCaret() = 0;
    virtual bool HideCaret() = 0;

    // Where typed-but-unconverted text appears (client pixels), and its font.
    virtual void SetCompositionWindow(TPoint point) = 0;
    virtual void SetCompositionFont(const TLogFont& font) = 0;
};

}  // namespace mirevo
