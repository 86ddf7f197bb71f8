// IWindowServices: what the text view asks of the window it lives in. Painting, focus, keys
// and files are here; the caret, the scroll bars, the mouse and the scroll hint are ports of
// their own, each reached through its accessor, so that a part of the view uses only its own.
#pragma once

#include <cstdint>
#include <memory>

#include "common/Geometry.h"
#include "common/KeyCodes.h"
#include "common/ShiftState.h"
#include "platform/DrawingSurface.h"
#include "platform/HintWindow.h"
#include "platform/WindowCaret.h"
#include "platform/WindowMouse.h"
#include "platform/WindowScrolling.h"

namespace mirevo {

// All coordinates are client pixels unless said otherwise. The view holds the services only
// while its window exists.
class IWindowServices {
public:
    virtual ~IWindowServices() = default;

    virtual IWindowCaret& Caret() = 0;
    virtual IWindowScrolling& Scrolling() = 0;
    virtual IWindowMouse& Mouse() = 0;
    virtual IHintWindow& Hint() = 0;

    virtual TSize ClientSize() const = 0;
    // The density the window is shown at, in pixels to the inch (96 is the design's).
    virtual std::uint32_t PixelsPerInch() const = 0;
    // Marks the rectangle (the whole client area when null) for repainting, never erasing.
    virtual void Invalidate(const TRect* rect) = 0;
    // Repaints the areas marked so far, now.
    virtual void Update() = 0;
    // A surface on the client area for drawing outside a paint request; may be null.
    virtual std::unique_ptr<IDrawingSurface> OpenDrawingSurface() = 0;

    virtual bool Focused() const = 0;
    virtual void SetFocus() = 0;

    // The modifier keys and mouse buttons held now.
    virtual TShiftState ShiftState() const = 0;
    // Whether a key is held now.
    virtual bool IsKeyDown(TKeyCode key) const = 0;

    // Accepting files dropped from the shell.
    virtual void DragAcceptFiles(bool accept) = 0;

    virtual TPoint ClientToScreen(TPoint point) const = 0;
};

}  // namespace mirevo
