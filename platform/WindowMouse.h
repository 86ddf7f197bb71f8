// IWindowMouse: what a mouse drag over the window needs: capture, a timer that scrolls while
// the mouse is held outside, where the mouse is and the shape it shows.
#pragma once

#include <cstdint>

#include "common/Geometry.h"
#include "platform/Cursors.h"

namespace mirevo {

class IWindowMouse {
public:
    virtual ~IWindowMouse() = default;

    // Every mouse message goes to the window until released.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;

    // A repeating timer of the window; setting a running one again restarts it.
    virtual void SetTimer(std::uintptr_t id, std::uint32_t milliseconds) = 0;
    virtual void KillTimer(std::uintptr_t id) = 0;

    // Where the mouse is now, in client pixels (outside the client area too).
    virtual TPoint CursorPos() const = 0;
    // Shows a cursor shape until the mouse moves on.
    virtual void SetCursor(TCursor cursor) = 0;
    // How far the mouse moves before a drag starts.
    virtual TSize DragDistance() const = 0;
};

}  // namespace mirevo
