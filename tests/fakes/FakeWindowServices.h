// A recording fake of the window-services port: a client area, scroll bars, a caret and a
// hint window kept as plain state, and every call logged.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/WindowServices.h"

namespace mirevo::testing_support {

class FakeWindowServices final : public IWindowServices,
                                 public IWindowCaret,
                                 public IWindowScrolling,
                                 public IWindowMouse,
                                 public IHintWindow {
public:
    struct Scroll {
        std::int32_t Dx = 0;
        std::int32_t Dy = 0;
        std::optional<TRect> Area;
    };
    struct Bar {
        bool Shown = false;
        TScrollInfo Info;
        TScrollArrows Arrows = TScrollArrows::EnableBoth;
    };
    struct HintState {
        bool Shown = false;
        TRect Rect;
        std::string Text;
        TColor Color = clNone;
    };

    explicit FakeWindowServices(TSize client = {400, 300}) : Client(client) {}

    // Settable state the view reads.
    TSize Client;
    bool HasFocus = false;
    std::int32_t WheelLines = 3;
    std::int32_t ArrowHeight = 17;
    TPoint ScreenOrigin{100, 200};
    TScrollInfo Track;  // what ScrollTrackInfo answers
    TPoint MousePos;    // what CursorPos answers
    TShiftState Shift;  // what ShiftState answers
    std::set<std::uint16_t> KeysDown;
    std::int32_t HintCharWidth = 6;
    std::int32_t HintHeight = 16;
    std::uint32_t Dpi = 96;  // what PixelsPerInch answers

    IWindowCaret& Caret() override { return *this; }
    IWindowScrolling& Scrolling() override { return *this; }
    IWindowMouse& Mouse() override { return *this; }
    IHintWindow& Hint() override { return *this; }

    TSize ClientSize() const override { return Client; }
    std::uint32_t PixelsPerInch() const override { return Dpi; }
    void Invalidate(const TRect* rect) override;
    void ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) override;
    void Update() override { ++updates_; }
    // Null unless SurfaceFactory is set.
    std::function<std::unique_ptr<IDrawingSurface>()> SurfaceFactory;
    std::unique_ptr<IDrawingSurface> OpenDrawingSurface() override {
        return SurfaceFactory ? SurfaceFactory() : nullptr;
    }
    void ShowScrollBar(TScrollBarKind bar, bool show) override { bars_[bar].Shown = show; }
    void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override;
    void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) override {
        bars_[bar].Arrows = arrows;
    }
    TScrollInfo ScrollTrackInfo(TScrollBarKind) const override { return Track; }
    bool CreateCaret(std::int32_t width, std::int32_t height) override;
    void DestroyCaret() override;
    void SetCaretPos(std::int32_t x, std::int32_t y) override { caretPos_ = {x, y}; }
    bool ShowCaret() override;
    bool HideCaret() override;
    void SetTimer(std::uintptr_t id, std::uint32_t milliseconds) override {
        timers_[id] = milliseconds;
    }
    void KillTimer(std::uintptr_t id) override { timers_.erase(id); }
    void SetCapture() override { capture_ = true; }
    void ReleaseCapture() override { capture_ = false; }
    bool HasCapture() const override { return capture_; }
    bool Focused() const override { return HasFocus; }
    void SetFocus() override { HasFocus = true; }
    TPoint CursorPos() const override { return MousePos; }
    TShiftState ShiftState() const override { return Shift; }
    bool IsKeyDown(TKeyCode key) const override { return KeysDown.contains(key); }
    void SetCursor(TCursor cursor) override { cursor_ = cursor; }
    std::int32_t WheelScrollLines() const override { return WheelLines; }
    TSize DragDistance() const override { return {4, 4}; }
    std::int32_t VerticalScrollArrowHeight() const override { return ArrowHeight; }
    void SetCompositionWindow(TPoint point) override { composition_ = point; }
    void SetCompositionFont(const TLogFont& font) override { compositionFont_ = font; }
    void DragAcceptFiles(bool accept) override { acceptFiles_ = accept; }
    TPoint ClientToScreen(TPoint point) const override {
        return {point.X + ScreenOrigin.X, point.Y + ScreenOrigin.Y};
    }
    TSize MeasureHint(std::string_view text, std::int32_t maxWidth) override;
    void ShowHint(const TRect& screenRect, std::string_view text, TColor color) override;
    void HideHint() override { hint_.Shown = false; }

    // What the view did.
    const std::vector<std::optional<TRect>>& Invalidated() const { return invalidated_; }
    const std::vector<Scroll>& Scrolls() const { return scrolls_; }
    const Bar& BarOf(TScrollBarKind bar) { return bars_[bar]; }
    std::int32_t Updates() const { return updates_; }
    bool CaretExists() const { return caretSize_.has_value(); }
    TSize CaretSize() const { return caretSize_.value_or(TSize{}); }
    TPoint CaretPos() const { return caretPos_; }
    bool CaretShown() const { return caretShown_; }
    std::optional<TPoint> Composition() const { return composition_; }
    const HintState& ShownHint() const { return hint_; }
    bool AcceptsFiles() const { return acceptFiles_; }
    bool TimerRunning(std::uintptr_t id) const { return timers_.contains(id); }
    std::optional<std::uint32_t> TimerInterval(std::uintptr_t id) const {
        const auto it = timers_.find(id);
        return it == timers_.end() ? std::nullopt : std::optional<std::uint32_t>(it->second);
    }
    // The shape last set, if any.
    std::optional<TCursor> Cursor() const { return cursor_; }
    void ClearRecords();

private:
    std::vector<std::optional<TRect>> invalidated_;
    std::vector<Scroll> scrolls_;
    std::map<TScrollBarKind, Bar> bars_;
    std::int32_t updates_ = 0;
    std::optional<TSize> caretSize_;
    TPoint caretPos_;
    bool caretShown_ = false;
    std::map<std::uintptr_t, std::uint32_t> timers_;
    bool capture_ = false;
    std::optional<TPoint> composition_;
    std::optional<TLogFont> compositionFont_;
    bool acceptFiles_ = false;
    HintState hint_;
    std::optional<TCursor> cursor_;
};

}  // namespace mirevo::testing_support
