// The text view's own key handling: the caret keys.
#include "textview/CustomTextView.h"

namespace mirevo {

void TCustomTextView::KeyDown(TKeyCode& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
    const bool selecting = shift.Contains(TShiftFlag::ssShift);
    switch (key) {
        case kKeyLeft:
            MoveCaretHorz(-1, selecting);
            break;
        case kKeyRight:
            MoveCaretHorz(1, selecting);
            break;
        case kKeyUp:
            MoveCaretVert(-1, selecting);
            break;
        case kKeyDown:
            MoveCaretVert(1, selecting);
            break;
        case kKeyPrior:
            MoveCaretVert(-std::max(visibleRows_, 1), selecting);
            break;
        case kKeyNext:
            MoveCaretVert(std::max(visibleRows_, 1), selecting);
            break;
        default:
            return;
    }
    key = 0;
}

void TCustomTextView::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

}  // namespace mirevo
