// Port: the platform's drag-and-drop service: its per-thread set-up and the registration of
// a window's drop target.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/DragDropReceiver.h"

namespace mirevo {

// A window's registration; destroying it revokes the registration.
class IDropRegistration {
public:
    virtual ~IDropRegistration() = default;
};

class IDragDropService {
public:
    virtual ~IDragDropService() = default;

    // Sets up the service on the calling thread (OleInitialize): 0 (S_OK) when this call set
    // it up, 1 (S_FALSE) when the thread had it already, negative when it cannot. Every
    // non-negative answer must be balanced by one Uninitialize.
    virtual std::int32_t Initialize() = 0;
    virtual void Uninitialize() = 0;

    // Makes receiver the drop target of window (an opaque window handle) until the returned
    // registration is destroyed. The receiver must outlive the registration.
    virtual std::unique_ptr<IDropRegistration> Register(std::uintptr_t window,
                                                        IDropReceiver& receiver) = 0;
};

}  // namespace mirevo
