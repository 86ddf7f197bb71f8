// The mouse port on one Win32 window: capture, window timers, the cursor.
#pragma once

#include <windows.h>

#include "platform/WindowMouse.h"

namespace mirevo {

class Win32WindowMouse final : public IWindowMouse {
public:
    explicit Win32WindowMouse(HWND hwnd) : hwnd_(hwnd) {}

    void SetCapture() override { ::SetCapture(hwnd_); }
    void ReleaseCapture() override { ::ReleaseCapture(); }
    bool HasCapture() const override { return ::GetCapture() == hwnd_; }
    void SetTimer(std::uintptr_t id, std::uint32_t milliseconds) override {
        ::SetTimer(hwnd_, id, milliseconds, nullptr);
    }
    void KillTimer(std::uintptr_t id) override { ::KillTimer(hwnd_, id); }
    TPoint CursorPos() const override;
    void SetCursor(TCursor cursor) override;
    TSize DragDistance() const override {
        return {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)};
    }

private:
    HWND hwnd_;
};

}  // namespace mirevo
