// TCaretState: where the view's caret is, the column its vertical moves aim for, and how it
// shows in the window.
#pragma once

#include <cstdint>

#include "common/Geometry.h"
#include "textview/Coordinates.h"

namespace mirevo {

struct TCaretState {
    TBufferCoord place;
    std::int32_t lastX = 0;  // the display column that up and down keep to
    // The last vertical move stepped back off a trail byte; the next one steps forward.
    bool stepAside = false;
    // At a wrap point: shown at the end of the upper row, not the start of the lower.
    bool atRowEnd = false;
    TPoint offset;  // of the caret's shape from its cell
    bool visible = false;
    bool showWithoutFocus = false;
};

}  // namespace mirevo
