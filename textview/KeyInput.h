// The path of key events through the view: the framework's step, the handler chains, the
// key bindings and the command processor.
#pragma once

#include "textview/KbdHandler.h"
#include "textview/KeyStrokeTranslator.h"
#include "textview/KeyStrokes.h"
#include "textview/KeyView.h"

namespace mirevo {

// The view owns one, next to its key-binding table and handler chains, and calls it from
// its key messages. All three must outlive it.
class TKeyInput {
public:
    TKeyInput(IKeyView& view, const TKeyStrokes& keystrokes, TKbdHandler& kbdHandler)
        : view_(view), keystrokes_(keystrokes), kbdHandler_(kbdHandler) {}

    // A key that translates into a command is consumed (set to 0), the command runs, and
    // the character message the key produces next is ignored.
    void KeyDown(TKeyCode& key, TShiftState shift);
    void KeyUp(TKeyCode& key, TShiftState shift);
    // Characters become ecChar, unless key down consumed their key, an input method's
    // string already delivered them, or a handler consumed them (set them to 0).
    void KeyPress(char& key);
    // A character typed with Alt held: true when key down ran a command for its key, and
    // the character is dropped; false leaves it to the window (the menu bar's access keys).
    bool TakeSystemChar();

    // Whether the next character is to be ignored because key down ran a command.
    bool IgnoreNextChar() const { return ignoreNextChar_; }
    void SetIgnoreNextChar(bool ignore) { ignoreNextChar_ = ignore; }
    const TKeyStrokeTranslator& Translator() const { return translator_; }

private:
    IKeyView& view_;
    const TKeyStrokes& keystrokes_;
    TKbdHandler& kbdHandler_;
    TKeyStrokeTranslator translator_;
    bool ignoreNextChar_ = false;
};

}  // namespace mirevo
