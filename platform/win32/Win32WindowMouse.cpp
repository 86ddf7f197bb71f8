#include "platform/win32/Win32WindowMouse.h"

#include "platform/win32/Win32Convert.h"

namespace mirevo {

TPoint Win32WindowMouse::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd_, &p);
    return {p.x, p.y};
}

void Win32WindowMouse::SetCursor(TCursor cursor) {
    ::SetCursor(LoadCursorA(nullptr, win32::CursorIdOf(cursor)));
}

}  // namespace mirevo
