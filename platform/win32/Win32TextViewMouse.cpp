// The text view's mouse, timer, cursor and dropped-file messages.
#include "platform/win32/Win32TextView.h"

namespace mirevo {

bool Win32TextViewPeer::HandleMouseMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_LBUTTONDOWN:
            ::SetFocus(hwnd_);
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace mirevo
