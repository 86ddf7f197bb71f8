// The window-services port on one Win32 window; the scroll hint is one tooltip-style popup
// shared by the whole process.
#pragma once

#include <windows.h>

#include "platform/WindowServices.h"

namespace mirevo {

class Win32WindowServices final : public IWindowServices {
public:
    explicit Win32WindowServices(HWND hwnd) : hwnd_(hwnd) {}

    TSize ClientSize() const override;
    void Invalidate(const TRect* rect) override;
    void ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) override;
    void Update() override { UpdateWindow(hwnd_); }
    std::unique_ptr<IDrawingSurface> OpenDrawingSurface() override;
    void ShowScrollBar(TScrollBarKind bar, bool show) override;
    void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override;
    void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) override;
    TScrollInfo ScrollTrackInfo(TScrollBarKind bar) const override;
    bool CreateCaret(std::int32_t width, std::int32_t height) override;
    void DestroyCaret() override { ::DestroyCaret(); }
    void SetCaretPos(std::int32_t x, std::int32_t y) override { ::SetCaretPos(x, y); }
    bool ShowCaret() override { return ::ShowCaret(hwnd_) != FALSE; }
    bool HideCaret() override { return ::HideCaret(hwnd_) != FALSE; }
    void SetTimer(std::uintptr_t id, std::uint32_t milliseconds) override;
    void KillTimer(std::uintptr_t id) override { ::KillTimer(hwnd_, id); }
    void SetCapture() override { ::SetCapture(hwnd_); }
    void ReleaseCapture() override { ::ReleaseCapture(); }
    bool HasCapture() const override { return ::GetCapture() == hwnd_; }
    bool Focused() const override { return ::GetFocus() == hwnd_; }
    void SetFocus() override { ::SetFocus(hwnd_); }
    TPoint CursorPos() const override;
    TShiftState ShiftState() const override;
    bool IsKeyDown(std::uint16_t key) const override { return GetKeyState(key) < 0; }
    void SetCursor(TCursor cursor) override;
    std::int32_t WheelScrollLines() const override;
    TSize DragDistance() const override;
    std::int32_t VerticalScrollArrowHeight() const override {
        return GetSystemMetrics(SM_CYVSCROLL);
    }
    void SetCompositionWindow(TPoint point) override;
    void SetCompositionFont(const TLogFont& font) override;
    void DragAcceptFiles(bool accept) override;
    TPoint ClientToScreen(TPoint point) const override;
    TSize MeasureHint(std::string_view text, std::int32_t maxWidth) override;
    void ShowHint(const TRect& screenRect, std::string_view text, TColor color) override;
    void HideHint() override;

private:
    HWND hwnd_;
};

}  // namespace mirevo
