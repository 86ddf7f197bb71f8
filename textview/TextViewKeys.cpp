// The view's key path: the framework's steps, then TKeyInput (handler chains, key bindings,
// the command processor), and the characters of input-method strings.
#include "textview/CustomTextView.h"

namespace mirevo {

void TCustomTextView::KeyDown(TKeyCode& key, TShiftState shift) { keyInput_.KeyDown(key, shift); }

void TCustomTextView::KeyUp(TKeyCode& key, TShiftState shift) { keyInput_.KeyUp(key, shift); }

void TCustomTextView::KeyPress(char& key) { keyInput_.KeyPress(key); }

void TCustomTextView::DoKeyDown(TKeyCode& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TCustomTextView::DoKeyUp(TKeyCode& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TCustomTextView::DoKeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

bool TCustomTextView::CountOffImeChar() {
    if (imeCharsPending_ <= 0) return false;
    --imeCharsPending_;
    return true;
}

void TCustomTextView::ImeString(std::string_view text) {
    std::string terminated(text);
    ProcessCommand(ecImeStr, '\0', terminated.data());
    // The same string follows as character messages, one per byte.
    imeCharsPending_ = static_cast<std::int32_t>(text.size());
}

}  // namespace mirevo
