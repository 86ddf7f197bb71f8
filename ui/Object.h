// The root of the component model and its notify event.
#pragma once

#include <functional>

namespace mirevo {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// An event handler that receives the object that raised the event. Empty: skipped.
using TNotifyEvent = std::function<void(TObject* Sender)>;

inline void Fire(const TNotifyEvent& event, TObject* sender) {
    if (event) event(sender);
}

}  // namespace mirevo
