#include "textview/KeyInput.h"

namespace mirevo {

void TKeyInput::KeyDown(TKeyCode& key, TShiftState shift) {
    view_.DoKeyDown(key, shift);
    kbdHandler_.ExecuteKeyDown(view_, key, shift);
    const TEditorCommand command = translator_.Translate(keystrokes_, key, shift);
    ignoreNextChar_ = command != ecNone;
    if (command == ecNone) return;
    key = 0;
    view_.ProcessCommand(command, '\0', nullptr);
}

void TKeyInput::KeyUp(TKeyCode& key, TShiftState shift) {
    view_.DoKeyUp(key, shift);
    kbdHandler_.ExecuteKeyUp(view_, key, shift);
}

void TKeyInput::KeyPress(char& key) {
    if (view_.CountOffImeChar()) return;
    if (ignoreNextChar_) {
        ignoreNextChar_ = false;
        return;
    }
    view_.DoKeyPress(key);
    kbdHandler_.ExecuteKeyPress(view_, key);
    if (key != '\0') view_.ProcessCommand(ecChar, key, nullptr);
}

bool TKeyInput::TakeSystemChar() {
    const bool taken = ignoreNextChar_;
    ignoreNextChar_ = false;
    return taken;
}

}  // namespace mirevo
