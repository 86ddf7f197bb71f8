// The text view's clipboard, text and edit-control messages.
#include "platform/win32/Win32TextView.h"

namespace mirevo {

bool Win32TextViewPeer::HandleEditMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_COPY:
            view_.CopyToClipboard();
            result = 1;
            return true;
        default:
            return false;
    }
}

}  // namespace mirevo
