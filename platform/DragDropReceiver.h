// Port: what the platform's drag-and-drop loop calls on a window's drop target.
#pragma once

#include <cstdint>

#include "platform/DragDropData.h"

namespace mirevo {

// Each call returns the platform's HRESULT for the step. The platform's key state and cursor
// point are not passed: no receiver looks at them. The effect answered to the drag source is
// the platform side's: copy while a drag is welcome and for a drop that took its text, none
// otherwise, and never move, which would make the source delete what was dragged.
class IDropReceiver {
public:
    virtual ~IDropReceiver() = default;

    virtual std::int32_t DragEnter() = 0;
    virtual std::int32_t DragOver() = 0;
    virtual std::int32_t DragLeave() = 0;
    virtual std::int32_t Drop(IDragData& data) = 0;
    // Whether the last drop took text from the dragged data.
    virtual bool DropTookText() const = 0;
};

}  // namespace mirevo
