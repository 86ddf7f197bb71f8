#include "textview/KeyStrokeTranslator.h"

namespace mirevo {

namespace {

constexpr TKeyCode kFirstStrokeLow = 0x1E;
constexpr TKeyCode kFirstStrokeHigh = 0x91;

std::int32_t FindBinding(const TKeyStrokes& keystrokes, TKeyCode lastKey, TShiftState lastShift,
                         TKeyCode key, TShiftState shift) {
    if (lastKey != 0) {
        const std::int32_t twoStroke = keystrokes.FindTwoStroke(lastKey, lastShift, key, shift);
        if (twoStroke >= 0) return twoStroke;
    }
    return keystrokes.FindOneStroke(key, shift);
}

}  // namespace

// A key that a handler consumed (0) must not run a binding that happens to have key 0.
TEditorCommand TKeyStrokeTranslator::Translate(const TKeyStrokes& keystrokes, TKeyCode key,
                                               TShiftState shift) {
    TEditorCommand command = ecNone;
    if (key != 0) {
        const std::int32_t index = FindBinding(keystrokes, lastKey_, lastShift_, key, shift);
        if (index >= 0) command = keystrokes.Items(index).Command();
    }
    if (command == ecNone && key >= kFirstStrokeLow && key <= kFirstStrokeHigh) {
        lastKey_ = key;
        lastShift_ = shift.Modifiers();
    } else {
        Forget();
    }
    return command;
}

void TKeyStrokeTranslator::Forget() {
    lastKey_ = 0;
    lastShift_ = {};
}

}  // namespace mirevo
