// Turns key presses into editor commands through a key-binding table, remembering an
// unbound key as the possible first stroke of a two-stroke binding.
#pragma once

#include "textview/EditorCommands.h"
#include "common/KeyCodes.h"
#include "textview/KeyStrokes.h"
#include "common/ShiftState.h"

namespace mirevo {

class TKeyStrokeTranslator {
public:
    // The command of the two-stroke binding that the remembered key and this one complete,
    // else of the one-stroke binding of this key, else ecNone. An unbound key from 0x1E to
    // 0x91 is remembered; anything else (a bound key, a modifier, Backspace, Tab, Enter,
    // Escape, 0 for a key already consumed) clears the memory.
    TEditorCommand Translate(const TKeyStrokes& keystrokes, TKeyCode key, TShiftState shift);

    void Forget();
    // 0 when nothing is remembered.
    TKeyCode RememberedKey() const { return lastKey_; }
    TShiftState RememberedShift() const { return lastShift_; }

private:
    TKeyCode lastKey_ = 0;
    TShiftState lastShift_;
};

}  // namespace mirevo
