// TPendingWork: what the view's update bracket holds back. Inside the bracket a change only
// marks its work here; when the outermost bracket closes, the view does the marked work from
// the public call that closed it, never from a destructor.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "common/Geometry.h"
#include "textview/TextViewTypes.h"

namespace mirevo {

struct TPendingWork {
    std::int32_t locks = 0;        // open brackets
    bool scrollBars = false;       // the scroll bars want updating
    bool caret = false;            // the caret wants placing
    TStatusChanges status;         // not yet told to the status listeners
    bool linesChanging = false;    // the line store is inside its own update
    std::optional<TRect> repaint;  // gathered while the lines change

    // While the lines change, a repaint joins the gathered area (and true); else false.
    bool Gather(const TRect& rect) {
        if (!linesChanging) return false;
        repaint = !repaint
                      ? rect
                      : TRect{std::min(repaint->Left, rect.Left), std::min(repaint->Top, rect.Top),
                              std::max(repaint->Right, rect.Right),
                              std::max(repaint->Bottom, rect.Bottom)};
        return true;
    }
};

}  // namespace mirevo
