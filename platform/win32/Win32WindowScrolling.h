// The scrolling port on one Win32 window: its standard scroll bars and ScrollWindowEx.
#pragma once

#include <windows.h>

#include "platform/WindowScrolling.h"

namespace mirevo {

class Win32WindowScrolling final : public IWindowScrolling {
public:
    explicit Win32WindowScrolling(HWND hwnd) : hwnd_(hwnd) {}

    void ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) override;
    void ShowScrollBar(TScrollBarKind bar, bool show) override;
    void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override;
    void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) override;
    TScrollInfo ScrollTrackInfo(TScrollBarKind bar) const override;
    std::int32_t VerticalScrollArrowHeight() const override {
        return GetSystemMetrics(SM_CYVSCROLL);
    }
    std::int32_t WheelScrollLines() const override;

private:
    HWND hwnd_;
};

}  // namespace mirevo
