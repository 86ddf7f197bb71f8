#include "textview/KbdHandler.h"

namespace mirevo {

void TKbdHandler::ExecuteKeyDown(IKeyView& sender, TKeyCode& key, TShiftState shift) {
    keyDown_.Call([&] { return key == 0; }, sender, key, shift);
}

void TKbdHandler::ExecuteKeyUp(IKeyView& sender, TKeyCode& key, TShiftState shift) {
    keyUp_.Call([&] { return key == 0; }, sender, key, shift);
}

void TKbdHandler::ExecuteKeyPress(IKeyView& sender, char& key) {
    keyPress_.Call([&] { return key == 0; }, sender, key);
}

void TKbdHandler::ExecuteMouseDown(IKeyView& sender, TMouseButton button, TShiftState shift,
                                   std::int32_t x, std::int32_t y) {
    mouseDown_.CallAll(sender, button, shift, x, y);
}

void TKbdHandler::ExecuteMouseUp(IKeyView& sender, TMouseButton button, TShiftState shift,
                                 std::int32_t x, std::int32_t y) {
    mouseUp_.CallAll(sender, button, shift, x, y);
}

void TKbdHandler::ExecuteMouseCursor(IKeyView& sender, const TBufferCoord& position,
                                     TCursor& cursor) {
    mouseCursor_.CallAll(sender, position, cursor);
}

}  // namespace mirevo
