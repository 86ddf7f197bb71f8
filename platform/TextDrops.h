// Port: text dragged from another program and dropped on a window. The platform does the
// rest of drag and drop itself: setting it up on the thread, asking the dragged data for its
// text and releasing what it handed over, answering the source.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace mirevo {

// What a window's drop target hears.
class ITextDropSink {
public:
    virtual ~ITextDropSink() = default;

    // A drag enters, moves over or leaves the window. The answer goes back to the platform
    // as it stands: 0 (S_OK) welcomes the drag, a failure code refuses it.
    virtual std::int32_t DragEnter() = 0;
    virtual std::int32_t DragOver() = 0;
    virtual std::int32_t DragLeave() = 0;

    // A drop: BeforeDrop before the dragged data is asked for text; Dropped after, with the
    // text it handed over (text in the 8-bit code page, in global memory, up to its first zero
    // byte), or nothing when it had none to give that way.
    virtual void BeforeDrop() = 0;
    virtual void Dropped(const std::optional<std::string>& text) = 0;
};

// A window's text drops, for as long as this object lives.
class ITextDropRegistration {
public:
    virtual ~ITextDropRegistration() = default;
    // Whether the window takes drops.
    virtual bool Registered() const = 0;
};

class ITextDrops {
public:
    virtual ~ITextDrops() = default;
    // Sets drag and drop up on the calling thread and, only when this set it up afresh, makes
    // sink the drop target of window (an opaque window handle); a thread where it was set up
    // before, or where it cannot be, gets no registration. Destroying the result revokes the
    // registration and balances the set-up (not a failed one). The sink outlives the result.
    virtual std::unique_ptr<ITextDropRegistration> RegisterTextDrops(std::uintptr_t window,
                                                                     ITextDropSink& sink) = 0;
};

}  // namespace mirevo
