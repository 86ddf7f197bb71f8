// Port: what the platform's drag-and-drop loop calls on a window's drop target.
#pragma once

#include <cstdint>

#include "platform/DragDropData.h"

namespace mirevo {

// Each call returns the platform's HRESULT for the step. The platform's key state, cursor
// point and effect are not passed: no receiver looks at them, so the effect that the drag
// source offered always goes back to it unchanged.
class IDropReceiver {
public:
    virtual ~IDropReceiver() = default;

    virtual std::int32_t DragEnter() = 0;
    virtual std::int32_t DragOver() = 0;
    virtual std::int32_t DragLeave() = 0;
    virtual std::int32_t Drop(IDragData& data) = 0;
};

}  // namespace mirevo
