// The caret port on one Win32 window: the system caret and the input method's composition.
#pragma once

#include <windows.h>

#include "platform/WindowCaret.h"

namespace mirevo {

class Win32WindowCaret final : public IWindowCaret {
public:
    explicit Win32WindowCaret(HWND hwnd) : hwnd_(hwnd) {}

    bool CreateCaret(std::int32_t width, std::int32_t height) override {
        return ::CreateCaret(hwnd_, nullptr, width, height) != FALSE;
    }
    void DestroyCaret() override { ::DestroyCaret(); }
    void SetCaretPos(std::int32_t x, std::int32_t y) override { ::SetCaretPos(x, y); }
    bool ShowCaret() override { return ::ShowCaret(hwnd_) != FALSE; }
    bool HideCaret() override { return ::HideCaret(hwnd_) != FALSE; }
    void SetCompositionWindow(TPoint point) override;
    void SetCompositionFont(const TLogFont& font) override;

private:
    HWND hwnd_;
};

}  // namespace mirevo
