// The view's six chains of extra key and mouse handlers, its extension point for plug-ins.
#pragma once

#include <cstdint>

#include "textview/Coordinates.h"
#include "common/KeyCodes.h"
#include "textview/MethodList.h"
#include "common/ShiftState.h"

namespace mirevo {

class IKeyView;

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// A cursor shape as the platform numbers it (0 the default, negative for the stock ones).
using TCursor = std::int16_t;

// Every chain calls its handlers from the most recently added to the first and ignores a
// nested call of itself. The key chains stop as soon as the key or character is 0; the
// mouse chains call every handler.
class TKbdHandler {
public:
    using TKeyChain = TMethodList<IKeyView&, TKeyCode&, TShiftState>;
    using TKeyPressChain = TMethodList<IKeyView&, char&>;
    using TMouseChain =
        TMethodList<IKeyView&, TMouseButton, TShiftState, std::int32_t, std::int32_t>;
    using TMouseCursorChain = TMethodList<IKeyView&, const TBufferCoord&, TCursor&>;

    // The chains, in their order; add and remove handlers through them.
    TKeyChain& KeyDownHandlers() { return keyDown_; }
    TKeyChain& KeyUpHandlers() { return keyUp_; }
    TKeyPressChain& KeyPressHandlers() { return keyPress_; }
    TMouseChain& MouseDownHandlers() { return mouseDown_; }
    TMouseChain& MouseUpHandlers() { return mouseUp_; }
    TMouseCursorChain& MouseCursorHandlers() { return mouseCursor_; }

    void ExecuteKeyDown(IKeyView& sender, TKeyCode& key, TShiftState shift);
    void ExecuteKeyUp(IKeyView& sender, TKeyCode& key, TShiftState shift);
    void ExecuteKeyPress(IKeyView& sender, char& key);
    void ExecuteMouseDown(IKeyView& sender, TMouseButton button, TShiftState shift, std::int32_t x,
                          std::int32_t y);
    void ExecuteMouseUp(IKeyView& sender, TMouseButton button, TShiftState shift, std::int32_t x,
                        std::int32_t y);
    void ExecuteMouseCursor(IKeyView& sender, const TBufferCoord& position, TCursor& cursor);

private:
    TKeyChain keyDown_;
    TKeyChain keyUp_;
    TKeyPressChain keyPress_;
    TMouseChain mouseDown_;
    TMouseChain mouseUp_;
    TMouseCursorChain mouseCursor_;
};

}  // namespace mirevo
