// The window-services port on one Win32 window, with its caret, scrolling and mouse ports
// and the process's scroll hint.
#pragma once

#include <windows.h>

#include "platform/WindowServices.h"
#include "platform/win32/Win32HintWindow.h"
#include "platform/win32/Win32WindowCaret.h"
#include "platform/win32/Win32WindowMouse.h"
#include "platform/win32/Win32WindowScrolling.h"

namespace mirevo {

class Win32WindowServices final : public IWindowServices {
public:
    explicit Win32WindowServices(HWND hwnd)
        : hwnd_(hwnd), caret_(hwnd), scrolling_(hwnd), mouse_(hwnd) {}

    IWindowCaret& Caret() override { return caret_; }
    IWindowScrolling& Scrolling() override { return scrolling_; }
    IWindowMouse& Mouse() override { return mouse_; }
    IHintWindow& Hint() override { return hint_; }

    TSize ClientSize() const override;
    std::uint32_t PixelsPerInch() const override;
    void Invalidate(const TRect* rect) override;
    void Update() override { UpdateWindow(hwnd_); }
    std::unique_ptr<IDrawingSurface> OpenDrawingSurface() override;
    bool Focused() const override { return ::GetFocus() == hwnd_; }
    void SetFocus() override { ::SetFocus(hwnd_); }
    TShiftState ShiftState() const override;
    bool IsKeyDown(TKeyCode key) const override { return GetKeyState(key) < 0; }
    void DragAcceptFiles(bool accept) override;
    TPoint ClientToScreen(TPoint point) const override;

private:
    HWND hwnd_;
    Win32WindowCaret caret_;
    Win32WindowScrolling scrolling_;
    Win32WindowMouse mouse_;
    Win32HintWindow hint_;
};

}  // namespace mirevo
