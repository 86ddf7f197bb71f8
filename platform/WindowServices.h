// IWindowServices: what the text view asks of the window it lives in (repaint, scroll,
// scroll bars, caret, timers, capture, focus, the mouse and keys, metrics, input method, the
// scroll hint).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "common/Color.h"
#include "common/Geometry.h"
#include "platform/DrawingSurface.h"
#include "platform/Cursors.h"
#include "platform/LogFont.h"
#include "common/ShiftState.h"

namespace mirevo {

enum class TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

// Range, page and position of a scroll bar; DisableNoScroll greys the bar instead of
// hiding it when the page covers the range.
struct TScrollInfo {
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::int32_t Page = 0;
    std::int32_t Pos = 0;
    bool DisableNoScroll = false;
    friend bool operator==(const TScrollInfo&, const TScrollInfo&) = default;
};

// Which arrows of a bar are usable: the left/up one, the right/down one, both or neither.
enum class TScrollArrows : std::uint8_t {
    EnableBoth,
    DisableLeftUp,
    DisableRightDown,
    DisableBoth
};

// The window's own services. All coordinates are client pixels unless said otherwise. The
// view holds the services only while its window exists.
class IWindowServices {
public:
    virtual ~IWindowServices() = default;

    virtual TSize ClientSize() const = 0;
    // Marks the rectangle (the whole client area when null) for repainting, never erasing.
    virtual void Invalidate(const TRect* rect) = 0;
    // Moves the pixels of area (the whole client area when null) by (dx, dy) and marks the
    // uncovered band for repainting.
    virtual void ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) = 0;
    // Repaints the areas marked so far, now.
    virtual void Update() = 0;
    // A surface on the client area for drawing outside a paint request; may be null.
    virtual std::unique_ptr<IDrawingSurface> OpenDrawingSurface() = 0;

    virtual void ShowScrollBar(TScrollBarKind bar, bool show) = 0;
    virtual void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) = 0;
    virtual void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) = 0;
    // The bar's range maximum and the thumb position while it is being dragged.
    virtual TScrollInfo ScrollTrackInfo(TScrollBarKind bar) const = 0;

    // The system caret of the window; the create, show and hide calls report success.
    virtual bool CreateCaret(std::int32_t width, std::int32_t height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void SetCaretPos(std::int32_t x, std::int32_t y) = 0;
    virtual bool ShowCaret() = 0;
    virtual bool HideCaret() = 0;

    virtual void SetTimer(std::uintptr_t id, std::uint32_t milliseconds) = 0;
    virtual void KillTimer(std::uintptr_t id) = 0;

    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;

    virtual bool Focused() const = 0;
    virtual void SetFocus() = 0;

    // Where the mouse is now, in client pixels (outside the client area too).
    virtual TPoint CursorPos() const = 0;
    // The modifier keys and mouse buttons held now.
    virtual TShiftState ShiftState() const = 0;
    // Whether a key (a virtual key code) is held now.
    virtual bool IsKeyDown(std::uint16_t key) const = 0;
    // Shows a cursor shape until the mouse moves on.
    virtual void SetCursor(TCursor cursor) = 0;

    // Rows per wheel notch; -1 means a page.
    virtual std::int32_t WheelScrollLines() const = 0;
    // How far the mouse moves before a drag starts.
    virtual TSize DragDistance() const = 0;
    virtual std::int32_t VerticalScrollArrowHeight() const = 0;

    // The input method's composition window at a point, and its font.
    virtual void SetCompositionWindow(TPoint point) = 0;
    virtual void SetCompositionFont(const TLogFont& font) = 0;

    // Accepting files dropped from the shell.
    virtual void DragAcceptFiles(bool accept) = 0;

    virtual TPoint ClientToScreen(TPoint point) const = 0;
    // The process-wide hint window: the size it needs for text within maxWidth, showing it
    // at a screen rectangle in a colour, hiding it.
    virtual TSize MeasureHint(std::string_view text, std::int32_t maxWidth) = 0;
    virtual void ShowHint(const TRect& screenRect, std::string_view text, TColor color) = 0;
    virtual void HideHint() = 0;
};

}  // namespace mirevo
